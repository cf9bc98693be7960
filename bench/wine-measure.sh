#!/bin/sh
# Measures Gyrelace.scr under 64-bit Wine on Xvfb (not a test; the results
# go in docs/measurements.md): points per second achieved at 50 and at 500 requested,
# the CPU used by the running saver at 50 points per second on one monitor
# and on two, and the sizes of both .scr files. Run tools/test.sh (or build
# both MinGW presets) first.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/build/mingw-x86_64
for preset in mingw-i686 mingw-x86_64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)" >/dev/null
done

export WINEPREFIX="$build/wine-prefix" GYRELACE_SCR_UNIX="$build/Gyrelace.scr"
export BUILD="$build" ROOT="$root"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    set -eu
    wine="sh $ROOT/tests/windows/wine-test.sh"
    $wine --init
    echo "== points per second (full screen, single pixels, whole first figure)"
    $wine "$BUILD/wine-tests/saver_wine_measure.exe" 50 3
    $wine "$BUILD/wine-tests/saver_wine_measure.exe" 500 5

    echo "== CPU at 50 points per second (default settings: 8 % circles), over 30 s"
    /usr/lib/wine/wine64 reg delete "HKCU\\software\\wexmoor" /f >/dev/null 2>&1 || true
    ticks() { awk "{print \$14 + \$15}" "/proc/$1/stat"; }
    # The saver on a nested X server with the given screens (Xinerama
    # monitors), the prefix desktop started afresh on it.
    cpu_on() {
        /usr/lib/wine/wineserver64 -k 2>/dev/null || true
        /usr/lib/wine/wineserver64 -w
        number=$(mktemp)
        Xephyr -displayfd 5 +xinerama "$@" -noreset -nolisten tcp 5>"$number" >/dev/null 2>&1 &
        nested=$!
        until [ -s "$number" ]; do sleep 0.1; done
        DISPLAY=":$(cat "$number")" WINEDEBUG=-all /usr/lib/wine/wine64 "$BUILD/Gyrelace.scr" /s &
        sleep 5
        saver=$(pgrep -x Gyrelace.scr | head -n 1)
        server=$(pgrep -x wineserver64 | head -n 1 || pgrep wineserver | head -n 1)
        s0=$(ticks "$saver"); w0=$(ticks "$server")
        sleep 30
        s1=$(ticks "$saver"); w1=$(ticks "$server")
        hz=$(getconf CLK_TCK)
        awk -v s=$((s1 - s0)) -v w=$((w1 - w0)) -v hz="$hz" -v what="$*" "BEGIN {
            printf \"%s: saver %.2f %% of one core, wineserver %.2f %%\\n\", what, 100 * s / hz / 30, 100 * w / hz / 30 }"
        kill "$saver" 2>/dev/null || true
        /usr/lib/wine/wineserver64 -k 2>/dev/null || true
        kill "$nested" 2>/dev/null || true
        rm -f "$number"
    }
    cpu_on -screen 800x600
    cpu_on -screen 800x600 -screen 640x480
'
echo "== sizes"
for target in i686 x86_64; do
    printf "%s: %s bytes\n" "$target" "$(wc -c < "$root/build/mingw-$target/Gyrelace.scr")"
done

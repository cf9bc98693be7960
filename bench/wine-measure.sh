#!/bin/sh
# Measures Gyrelace.scr under 64-bit Wine on Xvfb (not a test; the results
# go in the README): points per second achieved at 50 and at 500 requested,
# the CPU used by the running saver at 50 points per second, and the sizes
# of both .scr files. Run tools/test.sh (or build both MinGW presets) first.
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
    WINEDEBUG=-all WINELOADER=/usr/lib/wine/wine64 /usr/lib/wine/wine64 "$BUILD/Gyrelace.scr" /s &
    sleep 5
    ticks() { awk "{print \$14 + \$15}" "/proc/$1/stat"; }
    saver=$(pgrep -x Gyrelace.scr | head -n 1)
    server=$(pgrep -x wineserver64 | head -n 1 || pgrep wineserver | head -n 1)
    display=$(pgrep -x Xvfb | head -n 1)
    s0=$(ticks "$saver"); w0=$(ticks "$server"); x0=$(ticks "$display")
    sleep 30
    s1=$(ticks "$saver"); w1=$(ticks "$server"); x1=$(ticks "$display")
    hz=$(getconf CLK_TCK)
    awk -v s=$((s1 - s0)) -v w=$((w1 - w0)) -v x=$((x1 - x0)) -v hz="$hz" "BEGIN {
        printf \"saver process: %.2f %% of one core\\n\", 100 * s / hz / 30
        printf \"wineserver:    %.2f %%\\n\", 100 * w / hz / 30
        printf \"Xvfb:          %.2f %%\\n\", 100 * x / hz / 30 }"
    kill "$saver" 2>/dev/null || true
    /usr/lib/wine/wineserver64 -k 2>/dev/null || true
'
echo "== sizes"
for target in i686 x86_64; do
    printf "%s: %s bytes\n" "$target" "$(wc -c < "$root/build/mingw-$target/Gyrelace.scr")"
done

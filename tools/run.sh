#!/bin/sh
# Installs what is missing, builds Gyrelace.scr (i686 and x86_64) and runs
# the x86_64 saver full screen under Wine. With a display set it runs there
# until a key or the mouse ends it; without one it runs for 15 seconds on
# a private Xvfb and saves a screenshot. build/figures also gets four
# figures drawn by gyrelace-render.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)

tools/install-deps.sh
jobs=$(nproc)
for preset in mingw-i686 mingw-x86_64 native; do
    cmake --preset "$preset" >/dev/null
done
cmake --build --preset mingw-i686 -j "$jobs" --target gyrelace_scr
cmake --build --preset mingw-x86_64 -j "$jobs" --target gyrelace_scr
cmake --build --preset native -j "$jobs" --target gyrelace-render

mkdir -p build/figures
seed=$(date +%s)
for i in 0 1 2 3; do
    build/native/gyrelace-render --seed $((seed + i)) --size 1280x720 \
        --set ObjectShape=0x1FE --set ObjectRotation=0xE --set ZoomOption=0x3FE \
        --out "build/figures/figure-$i.png"
done
echo "Four figures drawn by gyrelace-render are in $root/build/figures/"

export WINEPREFIX="$root/build/wine-run" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
saver="$root/build/mingw-x86_64/Gyrelace.scr"

if [ -n "${DISPLAY:-}" ]; then
    [ -f "$WINEPREFIX/system.reg" ] || "$WINELOADER" wineboot --init
    echo "Gyrelace runs full screen; a key, a mouse button or moving the mouse ends it."
    status=0
    "$WINELOADER" "$saver" /s || status=$?
    echo "Gyrelace ended with exit code $status."
    exit $status
fi

shot="$root/build/screenshots/gyrelace-running.png"
mkdir -p "$(dirname "$shot")"
export SAVER="$saver" SHOT="$shot"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    [ -f "$WINEPREFIX/system.reg" ] || "$WINELOADER" wineboot --init
    "$WINESERVER" -w
    "$WINELOADER" "$SAVER" /s &
    sleep 15
    import -window root "$SHOT"
    "$WINESERVER" -k
' 2>/dev/null || true
echo "No display is set: Gyrelace ran for 15 s on a private Xvfb (1024x768)."
echo "A screenshot of it is in $shot"

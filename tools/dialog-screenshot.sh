#!/bin/sh
# Takes docs/windows.md's picture of the settings dialog: Gyrelace.scr opens its
# dialog on its defaults under Wine on a private Xvfb, and ImageMagick
# captures the dialog's window into docs/setup-dialog.png.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
cmake --preset mingw-x86_64 >/dev/null
cmake --build --preset mingw-x86_64 --target gyrelace_scr >/dev/null

export WINEPREFIX="$root/build/wine-screenshot" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
export SAVER="$root/build/mingw-x86_64/Gyrelace.scr" SHOT="$root/docs/setup-dialog.png"
xvfb-run -a -s "-screen 0 800x600x24" sh -c '
    [ -f "$WINEPREFIX/system.reg" ] || "$WINELOADER" wineboot --init
    "$WINELOADER" reg delete "HKCU\\software\\wexmoor" /f >/dev/null 2>&1 || true
    # No window manager runs here: Wine draws the caption itself.
    "$WINELOADER" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /t REG_SZ /d N /f >/dev/null
    "$WINESERVER" -w
    "$WINELOADER" "$SAVER" &
    sleep 5
    import -window "Gyrelace Setup - Version 1.10c" "$SHOT"
    "$WINESERVER" -k
' 2>/dev/null || true
[ -s "$SHOT" ] && echo "The dialog's picture is in $SHOT"

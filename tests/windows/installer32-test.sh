#!/bin/sh
# The installer on 32-bit Windows: in a fresh 32-bit Wine prefix, a silent
# install puts the i686 saver into System32 and registers its uninstaller.
# Only where the kernel starts 32-bit programs itself (exit 77, skipped,
# elsewhere): under an emulator a 32-bit prefix takes over half an hour.
#   installer32-test.sh SETUP I686_SCR PREFIX
set -eu
cd "$(dirname "$0")/../.."
tools/binfmt-i386.sh --native || { echo "installer32-test: skipped, 32-bit programs are emulated here"; exit 77; }
setup=$1 scr=$2
export WINEPREFIX="$3" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
rm -rf "$WINEPREFIX"
"$WINELOADER" wineboot --init
"$WINESERVER" -w
"$WINELOADER" "$setup" /S
cmp "$WINEPREFIX/drive_c/windows/system32/Gyrelace.scr" "$scr"
"$WINELOADER" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Gyrelace' /v UninstallString |
    grep -F '"C:\Program Files\Gyrelace\Uninstall.exe"'
"$WINESERVER" -k

#!/bin/sh
# Runs one program of the Wine tests under 64-bit Wine (a 32-bit one it hands
# on to the 32-bit loader), in the build tree's own prefix, on the X display
# that is set (or a private Xvfb when none is).
#   wine-test.sh --init                 create the prefix once and wait for it
#   wine-test.sh PROGRAM [ARGUMENT...]  run a test program
#   wine-test.sh --two-monitors PROGRAM [ARGUMENT...]   the same on a desktop of
#       two monitors: a nested X server of two screens (800x600, 640x480 to its right)
# The environment gives WINEPREFIX, GYRELACE_SCR_UNIX (the saver's path) and,
# for the installer's tests, GYRELACE_SETUP_UNIX.
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the test prefix}"
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Not Debian's wine launcher, which picks the 32-bit loader once it is there.
export WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64

if [ -z "${DISPLAY:-}" ]; then
    status=0
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@" || status=$?
    # The prefix's desktop belonged to that display: start the next run afresh.
    "$WINESERVER" -k 2>/dev/null || true
    exit $status
fi

if [ "$1" = --init ]; then
    [ -f "$WINEPREFIX/system.reg" ] || "$WINELOADER" wineboot --init
    # Xvfb runs no window manager: let Wine manage no windows, or every
    # hidden full-screen window waits two seconds for a manager to answer.
    "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
    # Monitors come from Xinerama, which a nested X server can give several of.
    "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null
    # No debugger is installed, so the system's unhandled-exception filter
    # handles a fault itself instead of stopping in winedbg.
    aedebug='HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug'
    "$WINELOADER" reg add "$aedebug" /v Debugger /t REG_SZ /d 'no-debugger-installed.exe %ld %ld' /f >/dev/null
    "$WINELOADER" reg add "$aedebug" /v Auto /t REG_SZ /d 1 /f >/dev/null
    "$WINESERVER" -w
    exit 0
fi

[ -f "$WINEPREFIX/system.reg" ] || { echo "wine-test: no prefix at $WINEPREFIX; run --init first" >&2; exit 1; }

if [ "$1" = --two-monitors ]; then
    shift
    # The prefix's desktop belongs to the display it started on: start it
    # afresh on the nested one, and again on this one afterwards.
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w
    number=$(mktemp)
    Xephyr -displayfd 5 +xinerama -screen 800x600 -screen 640x480 -noreset -nolisten tcp 5>"$number" >/dev/null 2>&1 &
    nested=$!
    tries=0
    until [ -s "$number" ] || [ $tries -ge 600 ]; do sleep 0.1; tries=$((tries + 1)); done
    DISPLAY=":$(cat "$number")" "$0" "$@" && status=0 || status=$?
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w
    kill "$nested" 2>/dev/null || true
    rm -f "$number"
    exit $status
fi
# The saver's and the installer's paths as Windows sees them.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
[ -z "${GYRELACE_SCR_UNIX:-}" ] || export GYRELACE_SCR="$(windows_path "$GYRELACE_SCR_UNIX")"
[ -z "${GYRELACE_SETUP_UNIX:-}" ] || export GYRELACE_SETUP="$(windows_path "$GYRELACE_SETUP_UNIX")"
exec "$WINELOADER" "$@"

#!/bin/sh
# Installs what is missing, builds everything (the engine, renderer, the
# xscreensaver display mode, the Wayland client, tests and benchmarks
# natively and under the sanitizers; Gyrelace.scr for i686 and x86_64; the
# browser page; the Debian package) and runs every test: the native tests
# (the Wayland client's on a headless sway among them), the same under
# AddressSanitizer and UndefinedBehaviorSanitizer, the known answers as
# WebAssembly under Node and the page in headless Chromium against the
# native renderer's pictures, the static checks of both .scr files, the
# x86_64 saver under Wine on a private Xvfb, and beside all that, in the
# background on a second Xvfb, the known answers built for i686 and a few
# checks of the i686 saver under 32-bit Wine. Where the kernel cannot start
# 32-bit programs, tools/binfmt-i386.sh has qemu-user start them (a
# machine-wide binfmt_misc entry); where that cannot be done either, the
# i686 build gets its static checks only. This is what CI runs.
set -eu
cd "$(dirname "$0")/.."

tools/install-deps.sh

jobs=$(nproc)
build() {
    echo "== build $1"
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$jobs"
}

# The i686 saver is driven by the x86_64 build's Wine test program.
build mingw-x86_64
build mingw-i686

i686_log=build/mingw-i686/wine32-test.log
i686_pid=
if tools/binfmt-i386.sh; then
    echo "== test mingw-i686 in the background (static checks, known answers, the saver under 32-bit Wine): $i686_log"
    # Its own process group, so that a failure elsewhere can stop all of it.
    setsid -w sh -c 'status=0
        xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build/mingw-i686 -j 2 --output-on-failure || status=$?
        WINEPREFIX="$(pwd)/build/mingw-i686/wine-prefix" /usr/lib/wine/wineserver64 -k 2>/dev/null
        exit $status' >"$i686_log" 2>&1 &
    i686_pid=$!
    trap '[ -z "$i686_pid" ] || kill -- "-$i686_pid" 2>/dev/null' EXIT
else
    echo "== test mingw-i686 (static checks only)"
    ctest --test-dir build/mingw-i686 --output-on-failure -R '^Binary\.'
fi

build native
build sanitize
build web  # after native: the package holds the page, and its tests use the native renderer
for preset in native sanitize web; do
    echo "== test $preset"
    ctest --preset "$preset" -j "$jobs"
done

echo "== package: build/gyrelace_<version>_amd64.deb"
cpack --config build/native/CPackConfig.cmake -B build >/dev/null
dpkg-deb --info build/gyrelace_*_amd64.deb | grep -E "Package|Version|Depends"

echo "== test mingw-x86_64 (static checks, then the saver under Wine)"
# One X display for the whole run: the Wine prefix's desktop lives on it.
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build/mingw-x86_64 --output-on-failure
WINEPREFIX="$(pwd)/build/mingw-x86_64/wine-prefix" /usr/lib/wine/wineserver64 -k 2>/dev/null || true

if [ -n "$i686_pid" ]; then
    echo "== test mingw-i686 (the background run)"
    status=0
    wait "$i686_pid" || status=$?
    i686_pid=
    cat "$i686_log"
    [ "$status" -eq 0 ] || { echo "== mingw-i686 tests failed" >&2; exit 1; }
fi
echo "== all tests passed"

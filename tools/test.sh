#!/bin/sh
# Installs what is missing, builds everything (the engine, renderer, the
# xscreensaver display mode, the Wayland client, tests and benchmarks
# natively and under the sanitizers; Gyrelace.scr for i686 and x86_64; the
# browser page; the Debian package) and runs every test: the native tests
# (the Wayland client's on a headless sway among them), the same under
# AddressSanitizer and UndefinedBehaviorSanitizer, the known answers as
# WebAssembly under Node and the page in headless Chromium against the
# native renderer's pictures, the static checks of both .scr files, the
# x86_64 saver under Wine on a private Xvfb, the second build of both .scr
# files and the page that must give the same bytes, and beside all that, in
# the background on Xvfbs of their own, the known answers built for i686,
# checks of the i686 saver under 32-bit Wine, and the installer (a 32-bit
# program) in a Wine prefix of its own. Where the kernel cannot start 32-bit
# programs, tools/binfmt-i386.sh has qemu-user start them (a machine-wide
# binfmt_misc entry); where that cannot be done either, the i686 build gets
# its static checks only and the installer is not run. This is what CI runs.
set -eu
cd "$(dirname "$0")/.."

tools/install-deps.sh

jobs=$(nproc)
build() {
    echo "== build $1"
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$jobs"
}

# The i686 saver first: the x86_64 build's installer holds it, and the
# x86_64 build's Wine test program drives it.
build mingw-i686
build mingw-x86_64

# Beside the rest, in the background, what runs 32-bit programs: the i686
# checks and, in a prefix of its own, the installer (a 32-bit program). Where
# the kernel cannot start 32-bit programs, qemu-user emulates them at about a
# minute of CPU a start: the i686 run then keeps the known answers and the
# drawing, and leaves out what only starts the saver again and again.
background=""
i686_log=build/mingw-i686/wine32-test.log installer_log=build/mingw-x86_64/installer-test.log
if tools/binfmt-i386.sh; then
    # Where qemu-user emulates them, a 3 GiB address space of its own (instead
    # of it reserving and tracking 4 GiB) makes each start about a quarter
    # faster; a kernel that starts 32-bit programs itself never reads it.
    export QEMU_RESERVED_VA=0xc0000000
    i686_skip='^$'
    tools/binfmt-i386.sh --native || i686_skip='Switches|Window'
    echo "== test mingw-i686 (static checks, known answers, the saver under 32-bit Wine) and the installer, in the background: $i686_log, $installer_log"
    # Each in its own process group, so that a failure elsewhere can stop all of it.
    setsid -w sh -c 'status=0
        xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build/mingw-i686 -j 2 --output-on-failure -E "$1" || status=$?
        WINEPREFIX="$(pwd)/build/mingw-i686/wine-prefix" /usr/lib/wine/wineserver64 -k 2>/dev/null
        exit $status' sh "$i686_skip" >"$i686_log" 2>&1 &
    background="$! $i686_log"
    setsid -w sh -c 'status=0
        xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build/mingw-x86_64 -L 32-bit --output-on-failure || status=$?
        WINEPREFIX="$(pwd)/build/mingw-x86_64/installer-prefix" /usr/lib/wine/wineserver64 -k 2>/dev/null
        exit $status' >"$installer_log" 2>&1 &
    background="$background $! $installer_log"
    trap 'set -- $background; while [ $# -gt 0 ]; do kill -- "-$1" 2>/dev/null; shift 2; done' EXIT
else
    echo "== test mingw-i686 (static checks only; no installer tests: 32-bit programs cannot start here)"
    ctest --test-dir build/mingw-i686 --output-on-failure -R '^Binary\.'
fi

build native
build sanitize
build web  # after native: the package holds the page, and its tests use the native renderer
cmake --build build/native -j "$jobs" --target gyrelace_host_packages  # the page packed for the wallpaper hosts
for preset in native sanitize web; do
    echo "== test $preset"
    ctest --preset "$preset" -j "$jobs"
done

echo "== package: build/gyrelace_<version>_amd64.deb"
cpack --config build/native/CPackConfig.cmake -B build >/dev/null
dpkg-deb --info build/gyrelace_*_amd64.deb | grep -E "Package|Version|Depends"

echo "== test mingw-x86_64 (static checks, then the saver under Wine)"
# One X display for the whole run: the Wine prefix's desktop lives on it.
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build/mingw-x86_64 --output-on-failure -LE 32-bit
WINEPREFIX="$(pwd)/build/mingw-x86_64/wine-prefix" /usr/lib/wine/wineserver64 -k 2>/dev/null || true

echo "== reproducible: the same sources built again give the same bytes"
tests/reproducible-test.sh

set -- $background
while [ $# -gt 0 ]; do
    echo "== the background run: $2"
    status=0
    wait "$1" || status=$?
    cat "$2"
    [ "$status" -eq 0 ] || { echo "== failed: $2" >&2; exit 1; }
    shift 2
done
background=""
echo "== all tests passed"

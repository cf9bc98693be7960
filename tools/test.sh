#!/bin/sh
# Installs what is missing, builds everything (the engine, renderer, the
# xscreensaver display mode, tests and benchmarks natively and under the
# sanitizers; Gyrelace.scr for i686 and x86_64; the Debian package) and runs
# every test: the native tests, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, the static checks of both .scr files, and the
# x86_64 saver under Wine on a private Xvfb. This is what CI runs.
set -eu
cd "$(dirname "$0")/.."

tools/install-deps.sh

jobs=$(nproc)
for preset in native sanitize mingw-i686 mingw-x86_64; do
    echo "== build $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done

for preset in native sanitize; do
    echo "== test $preset"
    ctest --preset "$preset" -j "$jobs"
done

echo "== package: build/gyrelace_<version>_amd64.deb"
cpack --config build/native/CPackConfig.cmake -B build >/dev/null
dpkg-deb --info build/gyrelace_*_amd64.deb | grep -E "Package|Version|Depends"

echo "== test mingw-i686 (static checks; 32-bit Windows programs cannot run here)"
ctest --test-dir build/mingw-i686 --output-on-failure

echo "== test mingw-x86_64 (static checks, then the saver under Wine)"
# One X display for the whole run: the Wine prefix's desktop lives on it.
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build/mingw-x86_64 --output-on-failure
WINEPREFIX="$(pwd)/build/mingw-x86_64/wine-prefix" /usr/lib/wine/wineserver64 -k 2>/dev/null || true
echo "== all tests passed"

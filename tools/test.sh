#!/bin/sh
# Installs what is missing, builds everything (native, sanitized, and the
# Windows saver for i686 and x86_64) and runs every test. This is what CI runs.
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
echo "== all tests passed"

#!/bin/sh
# The same sources give the same bytes: builds both Gyrelace.scr files and
# the page again, in other folders and later than tools/test.sh first built
# them, and compares them with those, byte for byte.
set -eu
cd "$(dirname "$0")/.."
# Emscripten's optimizer needs Debian's JS packages (acorn).
export NODE_PATH=/usr/share/nodejs
status=0
for build in mingw-i686:gyrelace_scr:Gyrelace.scr mingw-x86_64:gyrelace_scr:Gyrelace.scr web:gyrelace_page:gyrelace.html; do
    preset=${build%%:*} target=${build#*:} file=${build##*:} && target=${target%%:*}
    again=build/again/$preset
    cmake --preset "$preset" -B "$again" >/dev/null
    cmake --build "$again" -j "$(nproc)" --target "$target" >/dev/null
    cmp "build/$preset/$file" "$again/$file" && echo "reproducible: $preset $file: the same bytes" || status=1
done
exit $status

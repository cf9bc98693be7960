#!/bin/sh
# Builds every release file from this checkout into build/dist/: both
# Gyrelace.scr files, the Windows installer, the Debian package, the
# browser page and its packages for Lively and Wallpaper Engine, with their
# SHA256SUMS. Each is built in a fresh tree under
# build/release/, and every time a file carries is the commit's
# (SOURCE_DATE_EPOCH), so two runs on one commit give the same bytes,
# wherever and whenever they run. A checkout with uncommitted changes is
# refused: its files would not be the commit's.
set -eu
cd "$(dirname "$0")/.."
# Emscripten's optimizer needs Debian's JS packages (acorn).
export NODE_PATH=/usr/share/nodejs

if [ -n "$(git status --porcelain)" ]; then
    echo "release: the checkout has uncommitted changes; commit or stash them first" >&2
    exit 1
fi
tools/install-deps.sh

SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
version=$(sed -n 's/^project(Gyrelace VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
trees=$(pwd)/build/release
dist=build/dist
rm -rf "$trees" "$dist"
mkdir -p "$dist"
jobs=$(nproc)

# One preset's targets, in a tree of its own.
release_build() {
    preset=$1 targets=$2
    shift 2
    echo "== release: $preset"
    cmake --preset "$preset" -B "$trees/$preset" "$@" >/dev/null
    for target in $targets; do
        cmake --build "$trees/$preset" -j "$jobs" --target "$target"
    done
}
release_build mingw-i686 gyrelace_scr
release_build mingw-x86_64 "gyrelace_scr gyrelace_setup" -DGYRELACE_I686_SCR="$trees/mingw-i686/Gyrelace.scr"
release_build web gyrelace_page
release_build native "gyrelace gyrelace-render gyrelace-wayland gyrelace_panel gyrelace_host_packages" -DGYRELACE_BENCH=OFF -DGYRELACE_WEB_PAGE="$trees/web/gyrelace.html"
cpack --config "$trees/native/CPackConfig.cmake" -B "$trees/package" >/dev/null

cp "$trees/mingw-x86_64/Gyrelace.scr" "$dist/Gyrelace-$version-x86_64.scr"
cp "$trees/mingw-i686/Gyrelace.scr" "$dist/Gyrelace-$version-i686.scr"
cp "$trees/mingw-x86_64/Gyrelace-$version-setup.exe" "$dist/"
cp "$trees/package/gyrelace_${version}_amd64.deb" "$dist/"
cp "$trees/web/gyrelace.html" "$dist/gyrelace-$version.html"
for host in lively wallpaper-engine; do
    cp "$trees/native/gyrelace-$host.zip" "$dist/gyrelace-$version-$host.zip"
done
(cd "$dist" && sha256sum -- * > SHA256SUMS)
touch -d "@$SOURCE_DATE_EPOCH" "$dist"/*
echo "== release $version (commit $(git rev-parse --short HEAD)) in $dist:"
cat "$dist/SHA256SUMS"

#!/bin/sh
# Installs, with apt-get, whatever this project needs that the machine lacks:
# the native compiler, CMake, GoogleTest, Google Benchmark, libpng and
# libwebp for the engine, the renderer and their tests (rsvg-convert, lxml
# and Pillow read the renderer's SVG and WebP back); MinGW-w64 for the
# Windows saver; Wine and Xvfb to run the saver and its tests headless
# (Xephyr for a desktop of two monitors); Xlib and MIT-SHM for the xscreensaver display mode, with
# xscreensaver, xdotool and xev (x11-utils) to test it; libwayland-dev,
# wayland-protocols and wayland-scanner (libwayland-bin) for the Wayland
# client, with sway (headless), grim and wtype to test it; dpkg-dev and file
# for CPack's Debian package; nsis (makensis) for the Windows installer;
# qemu-user-static and Wine's
# 32-bit loader (wine32:i386) to run the 32-bit saver, also on a kernel that
# cannot start 32-bit programs; Emscripten (with clang-14, lld-14, binaryen
# and node-acorn, which its optimizer needs) for the browser page, and
# Chromium with its headless shell to test it, driven by puppeteer-core,
# which npm installs into tests/web/node_modules from the lock file there
# (npm comes with Node, or as Debian's npm where Node is Debian's). The
# i386 loader adds i386 as a foreign architecture to dpkg. Run as root on
# Debian 12.
set -eu
cd "$(dirname "$0")/.."

packages="g++ make cmake pkg-config googletest libgtest-dev libbenchmark-dev libpng-dev libwebp-dev
 librsvg2-bin python3-lxml python3-pil
 g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
 wine wine64 xvfb xserver-xephyr xauth x11-apps imagemagick
 libx11-dev libxext-dev xscreensaver xdotool x11-utils libwayland-dev libwayland-bin wayland-protocols sway grim wtype
 dpkg-dev file nsis qemu-user-static wine32:i386
 emscripten clang-14 lld-14 binaryen node-acorn chromium chromium-headless-shell"

# The page's test client, at the versions the lock file names; again only
# when the lock file changed.
node_modules() {
    lock=tests/web/package-lock.json stamp=tests/web/node_modules/.installed-lock
    cmp -s "$lock" "$stamp" 2>/dev/null && return 0
    echo "install-deps: installing puppeteer-core into tests/web/node_modules"
    (cd tests/web && npm ci --no-audit --no-fund --loglevel=error) && cp "$lock" "$stamp"
}

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing="$missing $package"
done
# Node from elsewhere (NodeSource's) brings npm itself and conflicts with Debian's.
command -v npm >/dev/null || missing="$missing npm"
[ -z "$missing" ] && { node_modules; exit 0; }

if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: these packages are missing and installing them needs root:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
case "$missing" in
*:i386*)
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "install-deps: adding i386 as a foreign architecture to dpkg (for wine32:i386)"
        dpkg --add-architecture i386
    fi
    ;;
esac
echo "install-deps: installing$missing"
apt-get update -q
# shellcheck disable=SC2086
apt-get install -y -q --no-install-recommends $missing
node_modules

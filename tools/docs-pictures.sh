#!/bin/sh
# Draws the pictures of the README and docs/ with gyrelace-render, whose pictures are what
# the saver's screen shows: a figure being traced (an animated WebP), two
# figures with every shape, rotation and zoom allowed (one of them also as
# SVG) and a desktop of two monitors side by side; then the browser page
# and its settings panel, and the page with settings from Lively's hook,
# as the page's tests see them in Chromium.
set -eu
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null
cmake --build --preset native --target gyrelace-render >/dev/null
render=build/native/gyrelace-render
for seed in 13 14; do
    $render --seed $seed --size 960x540 --set ObjectShape=0x1FE --set ObjectRotation=0xE --set ZoomOption=0x3FE \
        --set RadiusFactor=10 --out docs/figures-seed-$seed.png
done
$render --seed 13 --size 480x270 --set ObjectShape=0x1FE --set ObjectRotation=0xE --set ZoomOption=0x3FE \
    --set RadiusFactor=10 --animate docs/figure-traced.webp
$render --seed 14 --size 960x540 --set ObjectShape=0x1FE --set ObjectRotation=0xE --set ZoomOption=0x3FE \
    --set RadiusFactor=10 --svg docs/figures-seed-14.svg
$render --seed 21 --monitors 800x450+0+0,640x480+800+0 --set ObjectShape=0x1FE --set ObjectRotation=0xE \
    --set RadiusFactor=10 --out docs/two-monitors.png
cmake --preset web >/dev/null
cmake --build --preset web --target gyrelace_page >/dev/null
NODE_PATH=/usr/share/nodejs node tests/web/page-test.mjs page "$PWD/build/web/gyrelace.html" "$PWD/$render" docs >/dev/null
cmake --build --preset native --target gyrelace_host_packages >/dev/null
NODE_PATH=/usr/share/nodejs node tests/web/page-test.mjs hosts "$PWD/build/web/gyrelace.html" "$PWD/$render" docs >/dev/null
echo "pictures written to docs/"

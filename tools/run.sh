#!/bin/sh
# Installs what is missing, builds Gyrelace and shows it: renders figures
# with gyrelace-render and says where the pictures are.
set -eu
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native -j "$(nproc)" --target gyrelace-render

out=build/figures
mkdir -p "$out"
seed=$(date +%s)
for i in 0 1 2 3; do
    build/native/gyrelace-render --seed $((seed + i)) --size 1280x720 \
        --set ObjectShape=0x1FE --set ObjectRotation=0xE --set ZoomOption=0x3FE \
        --out "$out/figure-$i.png"
done
echo "Four figures (seeds $seed to $((seed + 3))) are in $(pwd)/$out/figure-0.png .. figure-3.png"

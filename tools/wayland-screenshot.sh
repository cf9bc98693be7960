#!/bin/bash
# Takes docs/wayland.md's picture of gyrelace-wayland on two outputs of a headless
# sway: 640x360 at scale 1, and to its right 480x360 at scale 2 (960x720
# pixels). Each output is captured with grim once its figure is finished,
# and the two captures are put side by side in docs/wayland-two-outputs.png.
# Run as root after `cmake --build --preset native`.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
chmod 755 "$work" && cp build/native/gyrelace-wayland "$work/"
source tools/headless-sway.sh
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || :; done; rm -rf "$work"' EXIT
fresh_home
start_sway sway 2 "$(printf '%s\n' "xwayland disable" \
    "output HEADLESS-1 resolution 640x360 position 0 0 scale 1" \
    "output HEADLESS-2 resolution 960x720 position 640 0 scale 2")" WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=2
settings=(--set ObjectShape=0x1FE --set ObjectRotation=0xE --set RadiusFactor=10)
"${sway[@]}" "$work/gyrelace-wayland" --seed 21 "${settings[@]}" --points-per-second 1000 --completion-delay 60 &
pids+=($!)

# True when the output's capture is the finished figure of the seed's place $2.
finished() {
    "${sway[@]}" grim -o "$1" "$work/home/$1.png" 2>/dev/null || return 1
    build/native/gyrelace-render --seed $(((21 + $2 * 2654435769) % 4294967296)) \
        --size "$(identify -format %wx%h "$work/home/$1.png")" "${settings[@]}" --out "$work/want.png"
    [[ $(compare -metric AE "$work/home/$1.png" "$work/want.png" null: 2>&1) == 0 ]]
}
wait_for 30 finished HEADLESS-1 0 && wait_for 30 finished HEADLESS-2 1
convert -background '#404040' "$work/home/HEADLESS-1.png" -size 16x1 xc:'#404040' "$work/home/HEADLESS-2.png" \
    +append docs/wayland-two-outputs.png
echo "docs/wayland-two-outputs.png written"

#!/bin/bash
# Measures gyrelace-render's exports: for a 1920x1080 figure of each shape
# (turning and zooming), the time and size of --svg and of --animate (one
# figure at 50 points a second, 25 frames a second), the best of three runs.
# Run after `cmake --build --preset native`.
set -euo pipefail
cd "$(dirname "$0")/.."
render=build/native/gyrelace-render
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

best() {  # the least wall time of three runs of "$@", in ms
    local least=999999 t
    for _ in 1 2 3; do
        local start=$(date +%s%N); "$@" 2>/dev/null; t=$(( ($(date +%s%N) - start) / 1000000 ))
        (( t < least )) && least=$t
    done
    echo "$least"
}
printf "%-12s %10s %10s %12s %12s\n" shape "svg ms" "svg bytes" "webp ms" "webp bytes"
for shape in circle square triangle star4 diamond pyramid star6 star8; do
    args="--seed 13 --size 1920x1080 --no-circle --$shape --clockwise --zoom-high --zoom-2-phase"
    svg=$(best $render $args --svg "$work/a.svg")
    webp=$(best $render $args --animate "$work/a.webp")
    printf "%-12s %10s %10s %12s %12s\n" "$shape" "$svg" "$(stat -c %s "$work/a.svg")" "$webp" "$(stat -c %s "$work/a.webp")"
done

#!/bin/bash
# Measures the xscreensaver display mode on a private 1920x1080 Xvfb: the CPU
# of `gyrelace --root` at 50 points a second (default settings) over 60 s,
# then the blit benchmarks. Run after `cmake --build --preset native`.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/native seconds=${SECONDS_MEASURED:-60}
work=$(mktemp -d)
Xvfb -displayfd 3 -noreset -screen 0 1920x1080x24 3>"$work/display" 2>/dev/null & xvfb=$!
trap 'kill $xvfb; rm -rf "$work"' EXIT
until [[ -s $work/display ]]; do sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }  # user + system, in clock ticks
"$build/gyrelace" --root --seed 1 & pid=$!
sleep 5  # past start-up
before=$(ticks "$pid") start=$(date +%s.%N)
sleep "$seconds"
after=$(ticks "$pid") end=$(date +%s.%N)
kill "$pid"; wait "$pid" 2>/dev/null || true
awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$start" -v e="$end" \
    'BEGIN { printf "gyrelace --root at 50 points/s, 1920x1080: %.2f %% of one core over %.0f s\n", 100 * t / hz / (e - s), e - s }'

"$build/bench/gyrelace_x11_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

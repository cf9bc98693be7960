#!/bin/bash
# Measures the xscreensaver display mode on a private 1920x1080 Xvfb: the CPU
# of `gyrelace --root` at 50 points a second (default settings) over 60 s,
# from the time the scheduler counts it on a CPU (/proc/PID/schedstat, in
# nanoseconds), then its system calls a second (strace -c, when strace is
# installed), then the blit benchmarks. Run after
# `cmake --build --preset native`.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/native seconds=${SECONDS_MEASURED:-60}
work=$(mktemp -d)
Xvfb -displayfd 3 -noreset -screen 0 1920x1080x24 3>"$work/display" 2>/dev/null & xvfb=$!
trap 'kill $xvfb; rm -rf "$work"' EXIT
until [[ -s $work/display ]]; do sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

oncpu() { cut -d' ' -f1 "/proc/$1/schedstat"; }  # nanoseconds
"$build/gyrelace" --root --seed 1 & pid=$!
sleep 5  # past start-up
before=$(oncpu "$pid") start=$(date +%s.%N)
sleep "$seconds"
after=$(oncpu "$pid") end=$(date +%s.%N)
awk -v t=$((after - before)) -v s="$start" -v e="$end" \
    'BEGIN { printf "gyrelace --root at 50 points/s, 1920x1080: %.2f %% of one core over %.0f s\n", t / 1e7 / (e - s), e - s }'
if command -v strace >/dev/null; then
    timeout -s INT "$seconds" strace -c -p "$pid" -o "$work/calls" 2>/dev/null || true
    awk -v s="$seconds" '$NF == "total" { printf "system calls: %.0f a second\n", $(NF - 2) / s }' "$work/calls"
    awk 'NF >= 5 && $NF ~ /^[a-z_]+$/ && $NF != "syscall" && $NF != "total" { print "  " $NF ": " $4 }' "$work/calls"
fi
kill "$pid"; wait "$pid" 2>/dev/null || true

"$build/bench/gyrelace_x11_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

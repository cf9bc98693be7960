#!/bin/bash
# Measures gyrelace-wayland on a private headless sway (pixman renderer, run
# as nobody) with one 1920x1080 output: the CPU of the wallpaper at 50 points
# a second (default settings) over 60 s after 5 s of warm-up, from the time
# the scheduler counts it on a CPU (/proc/PID/schedstat, in nanoseconds),
# with sway's own CPU beside it; the same for the saver and on a 3840x2160
# output at scale 2; then the wallpaper while a saver covers it (the
# compositor does not show it, so it draws nothing); and the system calls a
# second (strace -c, when strace is installed). Run as root after
# `cmake --build --preset native`.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${SECONDS_MEASURED:-60}
work=$(mktemp -d)
chmod 755 "$work" && cp build/native/gyrelace-wayland "$work/"
source tools/headless-sway.sh
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || :; done; rm -rf "$work"' EXIT
fresh_home
start_sway sway 1 $'xwayland disable\noutput HEADLESS-1 resolution 1920x1080 position 0 0 scale 1' \
    WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=1

oncpu() { cut -d' ' -f1 "/proc/$1/schedstat"; }  # nanoseconds
# Prints the CPU of gyrelace-wayland with these options, and sway's, over
# $seconds; the output's settings are swaymsg's words in $output_setting.
measure() {
    local what=$1 pid before sway_before start end saver=; shift
    "${sway[@]}" swaymsg output HEADLESS-1 $output_setting >/dev/null
    if [[ $what == *"under the saver"* ]]; then
        "${sway[@]}" "$work/gyrelace-wayland" --saver & saver=$!; pids+=($saver)
    fi
    "${sway[@]}" "$work/gyrelace-wayland" --seed 1 "$@" & pid=$!; pids+=($pid)
    sleep 5  # past start-up
    before=$(oncpu "$pid") sway_before=$(oncpu "$sway_pid") start=$(date +%s.%N)
    sleep "$seconds"
    awk -v t=$(($(oncpu "$pid") - before)) -v w=$(($(oncpu "$sway_pid") - sway_before)) -v s="$start" \
        -v e="$(date +%s.%N)" -v what="$what" \
        'BEGIN { printf "%s: %.2f %% of one core (sway %.2f %%) over %.0f s\n", what, t / 1e7 / (e - s), w / 1e7 / (e - s), e - s }'
    if [[ $what == wallpaper*1920x1080 ]] && command -v strace >/dev/null; then
        timeout -s INT "$seconds" strace -c -p "$pid" -o "$work/calls" 2>/dev/null || true
        awk -v s="$seconds" '$NF == "total" { printf "  system calls: %.0f a second\n", $4 / s }' "$work/calls"
        awk -v s="$seconds" 'NF >= 5 && $NF ~ /^[a-z_]+$/ && $NF != "syscall" && $NF != "total" { printf "    %s: %.0f\n", $NF, $4 / s }' "$work/calls"
    fi
    kill "$pid" $saver; wait "$pid" $saver || :
}

hd="resolution 1920x1080 scale 1 dpms on"
output_setting=$hd measure "wallpaper at 50 points/s, 1920x1080"
output_setting=$hd measure "saver at 50 points/s, 1920x1080" --saver
output_setting="resolution 3840x2160 scale 2 dpms on" measure "wallpaper at 50 points/s, 3840x2160 at scale 2"
output_setting=$hd measure "wallpaper at 50 points/s, 1920x1080, under the saver"

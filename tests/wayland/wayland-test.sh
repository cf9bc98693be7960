#!/bin/bash
# gyrelace-wayland on Debian's sway, headless with the pixman renderer, run
# as nobody (sway refuses root). Each row starts sway with its outputs,
# NAME@SCALE, listed in the drawing order their places in the config below
# give (WL-n: the outputs of a sway nested in the headless one, left to
# right), runs gyrelace-wayland in its mode with its seed and settings, and
# waits until each output's capture (grim) equals gyrelace-render's picture
# for the seed of the output's place and the output's size in device pixels.
# Then its steps, as the case below takes them: an output added shows the
# next place's figure; a new scale keeps the picture (1.5 through the
# viewporter, one device pixel a pixel); move:N is a device's motion, warp
# and mode:NAME@WxH move the pointer as sway does; held: a key pressed before
# the start is released, ending nothing. It must end with status 0 and
# nothing on stderr (lost, the compositor killed: 1 and one line with the
# system's reason), leaving none of its shared memory mapped in sway.
# usage: wayland-test.sh GYRELACE_WAYLAND GYRELACE_RENDER HOLD_POINTER
set -euo pipefail
source "$(dirname "$0")/../lib.sh"
cp "$1" "$3" "$work/"  # for nobody, wherever the build tree is
render=$2 client=$work/${1##*/} hold=$work/${3##*/}
source "$(dirname "$0")/../../tools/headless-sway.sh"

# True when output $2 of compositor $1 shows the figure of place $3.
shows_figure() {
    local -n env=$1
    local shot=$work/home/$2.png
    "${env[@]}" grim -o "$2" "$shot" 2>/dev/null || return 1
    "$render" --seed $(((seed + $3 * 2654435769) % 4294967296)) --size "$(identify -format %wx%h "$shot")" \
        $settings $quick --out "$work/want.png"
    same "$shot" "$work/want.png"
}
# Waits until output $1 shows the figure of place $2, by default the next one.
expect_figure() {
    local at_place=${2:-$((place++))}
    wait_for 30 shows_figure "$at" "$1" "$at_place" ||
        fail "$1 does not show place $at_place's figure$(gone "$pid" && echo ": it ended")"
    placed[$1]=$at_place
}
# The seat gets a pointer (moved by lines written to fd 3) and a keyboard
# before the saver starts.
hold_input() {
    local -n env=$at
    rm -f "$work/pointer" && mkfifo "$work/pointer"
    "${env[@]}" "$hold" <"$work/pointer" >"$work/held" & pids+=($!)
    exec 3>"$work/pointer"
    "${env[@]}" wtype -s 600000 -k a & pids+=($!)
    wait_for 30 eval '"${env[@]}" swaymsg -t get_seats | grep -q "\"capabilities\": 3"' || fail "no pointer and keyboard"
    "${env[@]}" swaymsg seat - cursor set 100 100 >/dev/null  # from the layout's top left corner
    # A wallpaper leaves the cursor to the compositor: it goes after 100 ms still.
    [[ $mode == saver ]] || "${env[@]}" swaymsg seat - hide_cursor 100 >/dev/null
}
unmapped() { ! grep -q memfd:gyrelace "/proc/$1/maps"; }

# Each headless output's mode and logical place; its scale comes from the row.
outputs_config() {
    printf '%s\n' "xwayland disable" 'for_window [app_id="wlroots"] floating enable'  # a nested sway's outputs keep their size
    for name in HEADLESS-1:640x480:1000 HEADLESS-2:480x360:0 HEADLESS-3:320x240:-400; do
        IFS=: read -r output mode x <<<"$name"
        [[ " $* " =~ \ $output@([0-9]) ]] && echo "output $output resolution $mode position $x 0 scale ${BASH_REMATCH[1]}"
    done
}

while read -r case outputs mode seed settings steps; do
    [[ $case == \#* ]] && continue
    settings=${settings//,/ } settings=${settings#-} place=0 moves=0 at=outer pids=() && declare -A placed=()
    fresh_home
    named=" ${outputs//,/ } ${steps//[:,]/ } " count=$(grep -o @ <<<"$outputs" | grep -c . || :)
    [[ $outputs == WL-* ]] && named+=" HEADLESS-1@1 " count=1  # the nested sway's windows are on it
    start_sway outer "$count" "$(outputs_config $named)" WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS="$count" ||
        fail "sway did not start"
    if [[ $outputs == WL-* ]]; then
        at=inner count=$(grep -o WL- <<<"$outputs" | grep -c .)
        start_sway inner "$count" $'xwayland disable\noutput * resolution 320x240' WAYLAND_DISPLAY="${outer[-1]#*=}" \
            WLR_BACKENDS=wayland WLR_WL_OUTPUTS="$count" || fail "the nested sway did not start"
    fi
    declare -n env=$at compositor=${at}_pid
    [[ $mode == background && $steps != *key* ]] || hold_input
    # A key pressed before the saver starts (wtype sleeps once the press is
    # in) and released after it.
    if [[ $steps == held* ]]; then
        "${env[@]}" wtype -P x -s 3000 -p x & held=$! && pids+=($held)
        wait_for 30 grep -q nanosleep "/proc/$held/wchan" || fail "the key was not pressed"
    fi
    "${env[@]}" "$client" --"$mode" --seed "$seed" $settings $quick 2>"$work/err" & pid=$!; pids+=($pid)
    for output in ${outputs//,/ }; do expect_figure "${output%@*}"; done
    for step in ${steps//,/ }; do
        case $step in
        add:*) "${env[@]}" swaymsg create_output >/dev/null; output=${step#add:} && expect_figure "${output%@*}" ;;
        scale:*) output=${step#scale:} && "${env[@]}" swaymsg output "${output%@*}" scale "${output#*@}" >/dev/null
            expect_figure "${output%@*}" "${placed[${output%@*}]}" ;;
        close:*) "${outer[@]}" swaymsg "[title=\"wlroots - ${step#close:}\"] kill" >/dev/null ;;
        move:*) echo "${step#move:} 0" >&3 && moves=$((moves + 1))
            wait_for 30 eval '(($(grep -c moved "$work/held") == moves))' || fail "the pointer did not move" ;;
        warp) "${env[@]}" swaymsg seat - cursor set 0 0 >/dev/null ;;
        mode:*) output=${step#mode:} && "${env[@]}" swaymsg output "${output%@*}" mode "${output#*@}" >/dev/null ;;
        held) wait_for 30 gone "$held" || fail "the held key was not released" ;;
        key) "${env[@]}" wtype a ;;
        button) "${env[@]}" swaymsg seat - cursor press button1 >/dev/null ;;
        term | int) kill -"${step^^}" "$pid" ;;
        lost) kill -KILL "$compositor" && { wait "$compositor" || :; } 2>/dev/null ;;
        esac
    done
    expected=0 && [[ $step == lost ]] && expected=1
    ended "$expected" "$expected" && ! grep -q ': Success$' "$work/err" || fail "stderr: $(cat "$work/err")"
    [[ $step == lost ]] || wait_for 30 unmapped "$compositor" || fail "its shared memory is still mapped in sway"
    exec 3>&-
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || :; wait "$pid" 2>/dev/null || :; done
    unset -n env compositor
    echo "ok $case"
done <<'CASES'
# case          outputs                    mode        seed  settings                                         steps
wallpaper       HEADLESS-1@1               background  13    --set,ZoomOption=0x3FE                           term
two-outputs     HEADLESS-2@2,HEADLESS-1@1  background  21    --square,--no-circle,--clockwise,--colour-low    add:HEADLESS-3@1,scale:HEADLESS-1@2,int
nested          WL-1,WL-2                  background  5     --diamond,--no-circle,--object-size,20           close:WL-1,add:WL-3,term
saver-key       HEADLESS-2@2,HEADLESS-1@1  saver       9     --object-size,0,--connect-dots                   key
saver-travel    HEADLESS-1@1               saver       4     --star8,--zoom-high,--anticlockwise              move:4,warp,mode:HEADLESS-1@1x1,add:HEADLESS-2@2,move:1
saver-button    HEADLESS-1@2               saver       7     --star6,--zoom-2-phase,--object-size,20          button
saver-held      HEADLESS-1@1               saver       11    --object-size,10                                 held,add:HEADLESS-2@1,key
wallpaper-input HEADLESS-1@1               background  8     --triangle,--no-circle                           move:9,button,key,add:HEADLESS-2@1,term
fractional      HEADLESS-2@1,HEADLESS-1@1  background  3     --square,--object-size,15,--connect-dots         scale:HEADLESS-2@1.5,term
saver-term      HEADLESS-1@1               saver       3     -                                                term
sway-gone       HEADLESS-1@1               background  11    -                                                lost
CASES

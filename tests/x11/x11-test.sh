#!/bin/bash
# The xscreensaver display mode on a private Xvfb, driven from outside: the
# screen is gyrelace-render's picture in each kind of window and each way out
# ends it as xscreensaver expects (modes; plain-modes without MIT-SHM); run by
# the real daemon; its settings panel; and what desktops do to it (robust).
# usage: x11-test.sh modes|plain-modes|daemon|panel|robust GYRELACE RENDER GYRELACE_XML
set -euo pipefail
what=$1 gyrelace=$2 render=$3 xml=$4
name=${gyrelace##*/} name=${name:0:15}  # its command name in /proc once it has started
source "$(dirname "$0")/../lib.sh"  # $work: the daemon and the panel run as nobody

# Starts a private Xvfb with these arguments in place of the last one.
start_xvfb() {
    if [[ -n ${xvfb_pid:-} ]]; then
        kill "$xvfb_pid"; wait_for 30 gone "$xvfb_pid" || fail "Xvfb did not end"; wait "$xvfb_pid" || true
    fi
    rm -f "$work/display"
    Xvfb -displayfd 3 -noreset "$@" 3>"$work/display" 2>/dev/null & xvfb_pid=$!; pids+=($xvfb_pid)
    wait_for 30 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=:$(cat "$work/display")
}
# plain-modes: the same cases on a server without MIT-SHM, where XPutImage serves.
xvfb=(-screen 0 1024x768x24); [[ $what == plain-modes ]] && xvfb+=(-extension MIT-SHM) what=modes
[[ $what == robust ]] || start_xvfb "${xvfb[@]}"

# True when window $1 shows exactly the picture $2, the screen rounded to
# 8 bits a channel and both passed through the convert options that follow.
shows() {
    import -silent -window "$1" -define png:bit-depth=8 "$work/screen.png" 2>/dev/null || return 1
    convert "$work/screen.png" "${@:3}" "$work/a.png" && convert "$2" "${@:3}" "$work/b.png" && same "$work/a.png" "$work/b.png"
}
start_xev() {
    xev -geometry 320x200+0+0 >/dev/null 2>&1 & xev_pid=$!; pids+=($xev_pid)
    xev_window=$(timeout 30 xdotool search --sync --name '^Event Tester$' | head -1)
}
# Ends xev and waits until it has, so that the next case finds its own window.
stop_xev() { kill "$xev_pid"; wait "$xev_pid" 2>/dev/null || true; }
# True once $pid runs gyrelace itself (not the shell about to start it), or has ended.
execed() { local comm; read -r comm <"/proc/$pid/comm" 2>/dev/null && [[ $comm == "$name" ]] || gone "$pid"; }
# Runs `gyrelace $args` with the case's seed, its address space limited to
# $limit KiB when that is set. Its stderr is a file emptied before it starts,
# so that nothing read from it can be the previous case's.
start_gyrelace() {
    : >"$work/err"
    ([[ ${limit:--} == - ]] || ulimit -v "$limit"; exec "$gyrelace" $args --seed "$seed" $quick) 2>"$work/err" &
    pid=$!; pids+=($pid)
    [[ $window == own ]] && window=$(timeout 30 xdotool search --sync --name '^Gyrelace$' | head -1)
    return 0
}
# Waits until $window, outside xev's inner window when $mask says so, shows
# gyrelace-render's picture of $figures figures at $size for the same seed
# and settings, each channel cut as $cut says.
expect_picture() {
    "$render" --seed "$seed" --size "$size" --figures "$figures" $settings $quick --out "$work/want.png"
    local crop=(); [[ $mask == xev ]] && crop=(-fill black -draw "rectangle 0,0 69,69")  # xev's inner window
    wait_for 60 shows "$window" "$work/want.png" "${crop[@]}" ${cut:-} ||
        fail "the screen is not gyrelace-render's picture"
}

modes() {
    run_cases <<'CASES'
# case         screen  limit  window     seed  settings                                               resizes       expect
root-default   -       -      root       13    --set,ZoomOption=0x3FE                                   -             1@888
root-joined    -       -      root       7     --object-size,0,--connect-dots                           -             1@888
saver-window   -       -      saver:xev  21    --square,--no-circle,--clockwise,--colour-low            -             1@888:destroy
window-id      -       -      id:xev     9     --object-size,20,--set,ObjectShape=0x1FE,--connect-dots  live:500x400  2@888:destroy
own-window     -       -      own        4     --star8,--zoom-high,--zoom-2-phase,--anticlockwise       -             1@888:q
CASES
}

# The daemon and the panel refuse to run display modes as root.
as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$work/home" PATH="$work:$PATH" "$@"; }
# $1: the display mode's command line in .xscreensaver.
setup_home() {
    mkdir "$work/home" && cp "$gyrelace" "$work/gyrelace"
    printf '%s\n' "mode: one" "selected: 0" "lock: False" "fade: False" "unfade: False" "splash: False" \
        "dpmsEnabled: False" "timeout: 8:00:00" "programs: $work/gyrelace $1" >"$work/home/.xscreensaver"
    chown -R 65534:65534 "$work/home"
}

daemon() {
    setup_home "--root --seed 5 $quick"
    as_nobody xscreensaver -verbose >"$work/daemon.log" 2>&1 & pids+=($!)
    wait_for 60 as_nobody xscreensaver-command --version >/dev/null 2>&1 || fail "the daemon does not answer"
    as_nobody xscreensaver-command --activate >/dev/null
    wait_for 60 eval 'pid=$(pgrep -f "^$work/gyrelace")' || fail "the daemon started no gyrelace"
    case=daemon seed=5 size=1024x768 figures=1 settings= window=root mask=- expect_picture
    as_nobody xscreensaver-command --deactivate >/dev/null
    wait_for 60 gone "$pid" || fail "gyrelace outlived the deactivation"
    as_nobody xscreensaver-command --exit >/dev/null
    ! grep -E "exited abnormally|unexpectedly terminated" "$work/daemon.log" || fail "the daemon saw a crash"
    echo "ok daemon"
}

# Inside a private mount namespace, the config folder is a copy holding
# gyrelace.xml too; the panel opens with gyrelace selected, finds a control
# for each option of its command line and starts its preview.
panel() {
    setup_home "--root --object-size 20 --square --no-still --clockwise --colour-low --zoom-2-phase"
    mkdir "$work/config" && cp /usr/share/xscreensaver/config/*.xml "$xml" "$work/config/"
    unshare -m sh -c 'mount --bind "$1/config" /usr/share/xscreensaver/config && shift && exec "$@"' sh "$work" \
        setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$work/home" xscreensaver-settings --debug \
        >"$work/panel.log" 2>&1 & pids+=($!)
    wait_for 60 grep -q "reading /usr/share/xscreensaver/config/gyrelace.xml" "$work/panel.log" ||
        fail "the panel did not read gyrelace.xml"
    wait_for 60 grep -q "forked .*(gyrelace)" "$work/panel.log" || fail "the panel's preview did not start gyrelace"
    ! grep -E "WARNING|is required|is not a valid" "$work/panel.log" || fail "the panel complained"
    echo "ok panel"
}

# 200 starts of gyrelace, each ended by SIGTERM after a random 0-30 ms or as
# soon as a new shared memory segment shows, whichever comes first; none of
# their segments may outlive them (those left are removed).
term_while_starting() {
    local i started=" " table base deadline left
    for ((i = 0; i < 200; i++)); do
        read -r -d '' table </proc/sysvipc/shm || base=${#table}  # read ends at the end of the file
        start_gyrelace; started+="$pid "
        deadline=$((${EPOCHREALTIME/./} + RANDOM % 31 * 1000))
        until execed; do :; done
        until ((${#table} > base || ${EPOCHREALTIME/./} > deadline)); do read -r -d '' table </proc/sysvipc/shm || :; done
        kill -TERM "$pid" 2>/dev/null || :; ended 143
    done
    # Columns: key shmid perms size cpid ...; perms 1000 marks a segment for removal.
    left=$(awk -v started="$started" '$3 < 1000 && index(started, " " $5 " ") { print $2 }' /proc/sysvipc/shm)
    for i in $left; do ipcrm -m "$i"; done
    [[ -z $left ]] || fail "$(wc -w <<<"$left") shared memory segments outlived their processes"
}

# True when gyrelace has written on stderr and waits, asleep.
waiting() { execed && [[ -s $work/err && $(cut -d' ' -f3 "/proc/$pid/stat" 2>/dev/null) == S ]]; }
# Sets $cut to convert options keeping the top bits of each channel that a
# screen of $1 shows; ImageMagick's 16-bit quantum holds an 8-bit v as v*257.
cut_to() {
    local i rgb=RGB; cut=
    for i in 0 1 2; do cut+=" -channel ${rgb:i:1} -evaluate and $((65535 - 257 * ((1 << (8 - ${1:i:1})) - 1)))"; done
}

# Each row: gyrelace on a screen (-screen 0 WxHxDEPTH and Xvfb's options;
# -: the 1024x768 one started first), under an address-space limit in KiB,
# in a window (root; own: its own 800x600 one; id:ID, --window-id; saver:ID,
# XSCREENSAVER_WINDOW; ID xev: another client's 320x200 one) with a seed and
# settings, resized in turn while stopped (live:WxH: once as it runs; drag:
# twenty sizes over 0.2 s as it runs, beginning one figure), and what it must
# do. refused: status 1, one line on stderr naming the window; unleaked: see
# term_while_starting; black: one line on stderr, waiting, the screen black,
# until SIGTERM; stays: the same, too large to capture; N@RGB[:END]: the
# renderer's picture of N figures at the last size, each channel cut to RGB's
# bits, then SIGTERM, or END: q typed or the window destroyed.
run_cases() {
    local running=
    while read -r case screen limit where seed settings resizes expect; do
        [[ $case == \#* ]] && continue
        if [[ $limit != - && $(ldd "$gyrelace") == *libasan* ]]; then echo "skip $case (AddressSanitizer)"; continue; fi
        [[ $screen == - || $screen == "$running" ]] || start_xvfb -screen 0 ${screen//,/ }; running=$screen
        size=${screen%%,*} size=${size%x*} settings=${settings//,/ } window=root mask=- figures=1 cut=
        [[ $screen != - ]] || size=1024x768; [[ $settings != - ]] || settings=
        [[ $where != *xev ]] || { start_xev; window=$xev_window mask=xev size=320x200 where=${where/xev/$(printf 0x%x "$xev_window")}; }
        case $where in
        root) args=--root ;;
        own) args=-window window=own size=800x600 ;;
        id:*) args="--window-id ${where#id:}" ;;
        saver:*) args=--root; export XSCREENSAVER_WINDOW=${where#saver:} ;;
        esac
        args+=" $settings"
        [[ $expect == unleaked ]] || start_gyrelace
        case $expect in
        unleaked) term_while_starting ;;
        refused) ended 1 1; grep -q "${where#*:}" "$work/err" || fail "the window is not named" ;;
        black | stays) wait_for 30 waiting || fail "no line on stderr, or not waiting after it"
            if [[ $expect == black ]]; then
                convert -size "$size" xc:black "$work/want.png"
                wait_for 30 shows root "$work/want.png" || fail "the screen is not black"
            fi
            kill -TERM "$pid"; ended 143 1 ;;
        *@*) cut_to "${expect#*@}"
            if [[ $resizes == drag ]]; then
                # Twenty sizes 10 ms apart, from one xdotool, while it runs.
                expect_picture; size=500x400
                xdotool $(for i in $(seq 20); do echo windowsize "$window" $((320 + 9 * i)) $((200 + 10 * i)) sleep 0.01; done)
            elif [[ $resizes == live:* ]]; then
                expect_picture; size=${resizes#live:} && xdotool windowsize "$window" ${size/x/ }
            elif [[ $resizes != - ]]; then
                expect_picture; kill -STOP "$pid"
                for size in ${resizes//,/ }; do xdotool windowsize "$window" ${size/x/ }; done
                kill -CONT "$pid"
            fi
            figures=${expect%@*} figures=${figures%%:*} expect_picture
            case $expect in
            *:q) xdotool keydown --window "$window" q 2>/dev/null; ended 0 ;;
            *:destroy) stop_xev; ended 0 ;;
            *) kill -TERM "$pid"; ended 143 ;;
            esac ;;
        esac
        [[ $mask != xev || $expect == *:destroy ]] || stop_xev
        unset XSCREENSAVER_WINDOW; echo "ok $case"
    done
}

robust() {
    run_cases <<'CASES'
# case             screen            limit   window          seed  settings  resizes                  expect
window-id-gone     640x480x24        -       id:0x3fffff     3     -         -                        refused
saver-window-gone  640x480x24        -       saver:0x3fffff  3     -         -                        refused
term-at-start      640x480x24        -       root            3     -         -                        unleaked
depth-8            640x480x8         -       root            3     -         -                        black
depth-16           640x480x16        -       root            3     -         -                        1@565
depth-30           640x480x30        -       root            3     -         -                        1@888
directcolor        640x480x24,-cc,5  -       root            3     -         -                        1@888
burst-and-back     640x480x24        -       id:xev          3     -         500x400,320x200          1@888
height-only        640x480x24        -       id:xev          3     -         320x400                  2@888
drag               640x480x24        -       id:xev          3     -         drag                     2@888
too-large          16384x8193x16     -       root            3     -         -                        stays
no-memory          8192x8192x24      150000  root            3     -         -                        stays
CASES
}

"$what"

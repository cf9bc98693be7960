# Sourced by the Wayland client's test, benchmark and screenshot: private
# sways, headless with the pixman renderer (or nested in another sway), run
# as nobody, which sway requires of root. Needs $work, a folder nobody may
# enter; its run/ and home/ are nobody's runtime folder and home.
nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups env -i HOME="$work/home" XDG_RUNTIME_DIR="$work/run")
pids=()

# Repeats a command until it succeeds, for at most LIMIT seconds.
wait_for() {
    local limit=$1 start=$SECONDS; shift
    until "$@"; do (( SECONDS - start < limit )) || return 1; sleep 0.2; done
}

# Empties nobody's runtime folder and home.
fresh_home() {
    rm -rf "$work/run" "$work/home" && mkdir -m 700 "$work/run" "$work/home"
    chown 65534:65534 "$work/run" "$work/home"
}

# Starts sway as compositor $1 with $2 outputs, the config $3 and the
# environment that follows (WLR_BACKENDS and the like), and sets the array
# $1 to the environment of its clients and ${1}_pid to its process. False,
# with the end of its log, when its outputs do not all come.
start_sway() {
    local name=$1 count=$2 before
    printf '%s\n' "$3" >"$work/home/$name.conf"; shift 3
    before=$(ls "$work/run")
    "${nobody[@]}" SWAYSOCK="$work/run/$name.sock" WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 "$@" \
        sway -c "$work/home/$name.conf" 2>"$work/$name.log" & pids+=($!)
    declare -g "${name}_pid=$!"
    declare -ga "$name"
    local -n env=$name
    env=("${nobody[@]}" SWAYSOCK="$work/run/$name.sock")
    wait_for 30 eval '[[ $("${env[@]}" swaymsg -t get_outputs 2>/dev/null | grep -c "\"name\"") == "$count" ]]' ||
        { tail -3 "$work/$name.log" >&2; return 1; }
    env+=(WAYLAND_DISPLAY="$(comm -13 <(echo "$before") <(ls "$work/run") | grep -E '^wayland-[0-9]+$')")
}

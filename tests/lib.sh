# Sourced by the display mode's and the Wayland client's tests: a work folder
# nobody may enter, removed at exit with every process in $pids ended; waits
# on conditions; exact picture comparison; how each case must end.
work=$(mktemp -d) && chmod 755 "$work"
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; [[ -n ${KEEP:-} ]] || rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: ${case:+$case: }$*" >&2; exit 1; }
# A finished figure at 1000 points a second takes 0.36 s and then stays a minute.
quick="--points-per-second 1000 --completion-delay 60"

# Repeats a command until it succeeds, for at most LIMIT seconds.
wait_for() {
    local limit=$1 start=$SECONDS; shift
    until "$@"; do (( SECONDS - start < limit )) || return 1; sleep 0.2; done
}
# True once process $1 has ended: gone or a zombie.
gone() { [[ $(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null) =~ ^Z?$ ]]; }
# True when pictures $1 and $2 have exactly the same pixels.
same() { [[ $(compare -metric AE "$1" "$2" null: 2>&1) == 0 ]]; }
# Waits for $pid to end with status $1 and ${2:-0} lines in $work/err.
ended() {
    wait_for 60 gone "$pid" ||
        fail "did not end: state $(cut -d' ' -f3 "/proc/$pid/stat"), in $(cat "/proc/$pid/wchan"): $(cat "$work/err")"
    local status=0; wait "$pid" || status=$?
    (( status == $1 )) || fail "ended with status $status, not $1: $(cat "$work/err")"
    [[ $(grep -c '' "$work/err") == "${2:-0}" ]] || fail "stderr: $(cat "$work/err")"
}

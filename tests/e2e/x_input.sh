# Shared by the end-to-end tests (sourced): messages, and real X input with xdotool.

fail() { echo "FAIL: $*"; exit 1; }
step() { echo "-- $*"; }
pause() { sleep "${1:-0.4}"; }

# Waits for a visible window whose title matches, and prints its id.
window() {
    local id
    id=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1) || fail "no window '$1'"
    echo "$id"
}
# Waits up to 10 s for process $1 to end, which it must do with status 0.
ended_well() {
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$1" 2>/dev/null && fail "the program is still running"
    wait "$1" || fail "the program ended with an error"
}
# Clicks (button $4, default left) at a point of a window's client area.
click() {
    xdotool mousemove --window "$1" "$2" "$3"
    pause 0.2
    xdotool click "${4:-1}"
    pause 0.3
}

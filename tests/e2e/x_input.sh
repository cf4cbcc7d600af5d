# Shared by the end-to-end tests (sourced): messages, real X input with xdotool, and a
# look at the pixels of screenshots in $work.

fail() { echo "FAIL: $*"; exit 1; }
step() { echo "-- $*"; }
pause() { sleep "${1:-0.4}"; }

# Prints the ids of the windows xdotool search finds with these options, none when none
# matches. A window made and destroyed while xdotool walks the window tree (Qt makes such
# windows when it starts) ends the search with an X error, and then it is asked again.
windows_named() {
    local out
    for _ in $(seq 20); do
        out=$(xdotool search "$@" 2>&1) || true
        [[ $out == *'X Error'* ]] || { grep -E '^[0-9]+$' <<< "$out" || true; return 0; }
        sleep 0.1
    done
    fail "xdotool search $* ended with an X error 20 times"
}
# The launcher's title and the app id, as the build in $build wrote them for the program;
# launcher_title matches the title alone.
identity() { sed -n "s/^#define $1 \"\(.*\)\"\$/\1/p" "$build/identity/product_identity.h"; }
launcher_name=$(identity VETTORA_WINDOW_TITLE)
app_id=$(identity VETTORA_APP_ID)
launcher_title="^${launcher_name//./\\.}\$"
# How many launcher windows are visible: 0 or 1.
launcher_visible() { windows_named --onlyvisible --name "$launcher_title" | wc -l; }
# Waits up to 30 s for a visible window whose title matches, and prints its id.
window() {
    local id
    for _ in $(seq 300); do
        id=$(windows_named --onlyvisible --name "$1" | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window '$1'"
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

# A point of the design on the screen, at the screen scale of the program started last.
scale=1
at() { awk -v v="$1" -v f="$scale" 'BEGIN { printf "%d", v * f + 0.5 }'; }

pixels="$(dirname "${BASH_SOURCE[0]}")/pixels.py"
# A frame line of colour $2 around x y w h ($3 to $6, design pixels) in screenshot $1 is whole.
frame_whole() {
    local missing
    missing=$("$pixels" frame "$work/$1.png" "$scale" "${@:2}") || fail "$1: the frame at $3 $4 $5 $6 lacks its $missing line"
}
# The calorie page's total in screenshot $1 reads in red: no selection drawn over it.
total_in_red() {
    local red blue
    red=$("$pixels" count "$work/$1.png" "$scale" FF0000 4 472 231 55)
    blue=$("$pixels" count "$work/$1.png" "$scale" 0078D7 4 472 231 55)
    [ "$red" -ge 20 ] && [ "$blue" = 0 ] || fail "$1: the total is not red: $red red and $blue selection-blue pixels"
}

#!/usr/bin/env bash
# The program on a Wayland desktop: a headless sway, the program on Qt's Wayland plugin,
# keys typed with wtype. A second start brings a launcher that another window covers to
# the front; the keyboard then works the launcher. Sway does not run as root: as root,
# everything here runs as the user nobody. Usage: e2e_wayland.sh BUILD_DIR [SCREENSHOT_DIR]
set -euo pipefail
build=$(cd "$1" && pwd)
shots=${2:-}
work=$(mktemp -d)
chmod 755 "$work"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$XDG_RUNTIME_DIR" "$HOME"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
unset DISPLAY QT_QPA_PLATFORM WAYLAND_DISPLAY
# The programs in a folder every user can read, wherever the build is.
program="$work/program"
mkdir -p "$program/Data"
cp "$build/vettora" "$build/vettora-jet-reader" "$build/bench/bare_window" "$program/"
cp "$build/Data/FoodData.mdb" "$program/Data/"
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
. "$(dirname "$0")/x_input.sh"  # fail, step, pause

cat > "$work/sway.conf" <<CONF
xwayland disable
output HEADLESS-1 resolution 1280x1024
workspace_layout tabbed
focus_on_window_activation smart
CONF
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 "${as_user[@]}" sway -c "$work/sway.conf" > "$work/sway.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/wayland-1" ] && break; sleep 0.1; done
export WAYLAND_DISPLAY=wayland-1 SWAYSOCK
SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock)
run() { "${as_user[@]}" "$@"; }
# The title and app id of the window that has the keyboard, or with "rect" its place on
# the screen as grim takes it.
focused() {
    run swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("focused"):
        r = node["rect"]
        if sys.argv[1:]:
            print("%d,%d %dx%d" % (r["x"], r["y"], r["width"], r["height"]))
        else:
            print(node.get("name"), node.get("app_id"))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))' "$@"
}
wait_focused() {
    for _ in $(seq 50); do [[ $(focused) == $1 ]] && return 0; sleep 0.1; done
    fail "the focus is on '$(focused)', not on '$1'"
}
key() { run wtype -s 300 "$@"; pause 0.3; }

step "the program on Qt's Wayland plugin, known to the desktop by its desktop entry's name"
run "$program/vettora" > "$work/program.log" 2>&1 &
pids+=($!)
wait_focused "$launcher_name $app_id"

step "another window covers the launcher; a second start brings the launcher to the front"
run "$program/bare_window" > /dev/null 2>&1 &
pids+=($!)
wait_focused 'bare_window *'
run timeout 10 "$program/vettora" || fail "the second start did not end with status 0"
wait_focused "$launcher_name $app_id"

step "the keyboard works the launcher: Enter opens the first tile's page, 170 and 65 give a result, Esc"
key -k Return
wait_focused "一分钟彻底了解自己 $app_id"
key 30 -k Tab 170 -k Tab 65 -k Return
[ -z "$shots" ] || run grim -g "$(focused rect)" - > "$shots/wayland-one-minute.png"
key -k Escape
wait_focused "$launcher_name $app_id"
[ -s "$work/program.log" ] && { cat "$work/program.log"; fail "the program printed the lines above"; }
echo "Wayland end-to-end test passed"

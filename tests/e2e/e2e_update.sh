#!/usr/bin/env bash
# End-to-end test of an update on Linux: the program with the tests' updater pair (which
# trusts the tests' key) beside it, the maker's server a proxy of this test's own on the
# loopback address, the desktop's package installer an xdg-open of this test's own. A
# newer version, signed with the maker's tool, is offered five seconds after the start,
# downloaded, verified and handed over; a person who says 以后再说 is not asked again in
# that run. Run under xvfb-run. Usage: e2e_update.sh BUILD_DIR CLOSE_WINDOW_TOOL [SCREENSHOT_DIR]
set -euo pipefail
build=$(cd "$1" && pwd)
close_window=$2
shots=${3:-}
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work/tmp" XDG_CACHE_HOME="$work/cache"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$TMPDIR"
here=$(dirname "$0")
. "$here/x_input.sh"
pid=
server=
openbox >/dev/null 2>&1 &  # a desktop's window manager: the update window takes the focus
wm=$!
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; kill "$server" "$wm" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

step "the maker publishes 3.0.0.1: a package and its update list, signed with the maker's tool"
mkdir "$work/site"
head -c 3000000 /dev/urandom > "$work/site/vettora_3.0.0.1-1_amd64.deb"
printf '修正了卡路里计算器的一个问题。\n提高了启动速度。\n' > "$work/notes"
"$build/tools/vettora_make_update_list" sign "$here/../update/test-key.secret" 3.0.0.1 30 "$work/notes" \
    "$work/site/update.txt" debian-amd64="$work/site/vettora_3.0.0.1-1_amd64.deb" > /dev/null
python3 "$here/web_server.py" "$work/port" "$work/site" 2> "$work/server.log" &
server=$!
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
export http_proxy="http://127.0.0.1:$(cat "$work/port")"

# The program as installed, with the tests' updater pair and a package installer that
# notes what it was given and that file's SHA-256 then.
copy="$work/program"
mkdir -p "$copy/Data" "$work/bin"
cp "$build/vettora" "$build/vettora-jet-reader" "$build/tests/update-test-key/libUpdate.so" \
    "$build/tests/update-test-key/vettora-updater" "$copy/"
cp "$build/Data/FoodData.mdb" "$copy/Data/"
printf '#!/bin/sh\nsha256sum "$1" >> "%s"\n' "$work/opened" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH" QT_LOGGING_RULES="vettora.update.info=true"

step "five seconds after the start: 发现新版本 3.0.0.1, while the launcher goes on"
"$copy/vettora" 2> "$work/program.err" &
pid=$!
launcher=$(window "$launcher_title")
started=$(date +%s%N)
update=$(window '^Vettora 更新$')
waited=$(( ($(date +%s%N) - started) / 1000000 ))
[ "$waited" -ge 4000 ] || fail "offered after $waited ms, not five seconds after the start"
[ "$(xdotool getwindowfocus)" != "$update" ] || fail "the offer took the keyboard from the launcher"
[ -z "$shots" ] || import -window "$update" "$shots/update-offer.png"
click "$launcher" $((566 + 150)) $((96 + 326 + 32))  # the launcher still opens its pages
"$close_window" "$(window '^身体质量指数\(BMI\)$')"

step "立即更新: downloaded, verified, handed to the package installer; closing removes the download"
xdotool windowactivate --sync "$update" key Return
for _ in $(seq 100); do grep -q '^vettora.update: verified' "$work/program.err" && break; sleep 0.1; done
grep -q '^vettora.update: verified' "$work/program.err" || { cat "$work/program.err"; fail "not verified"; }
xdotool windowactivate --sync "$update" key Return  # 打开软件安装程序
for _ in $(seq 50); do [ -s "$work/opened" ] && break; sleep 0.1; done
read -r sum file < "$work/opened" || fail "nothing was handed to the package installer"
[ "$sum" = "$(sha256sum < "$work/site/vettora_3.0.0.1-1_amd64.deb" | cut -d' ' -f1)" ] || fail "it was handed another file"
[[ $file == "$XDG_CACHE_HOME"/vettora-update-*/vettora_3.0.0.1_amd64.deb ]] || fail "it was handed $file"
xdotool windowactivate --sync "$update" key Escape
for _ in $(seq 50); do [ -e "$file" ] || break; sleep 0.1; done
[ -e "$file" ] && fail "the download is still there"
[ -z "$(ls "$TMPDIR" "$XDG_CACHE_HOME" | grep vettora)" ] || fail "the updater left $(ls "$TMPDIR" "$XDG_CACHE_HOME")"
[ "$(grep -c -v '^HEAD ' "$work/server.log")" = 2 ] || { cat "$work/server.log"; fail "not one list and one package asked for"; }

step "以后再说: the launcher loaded again in the same run asks nothing"
kill "$pid"; wait "$pid" 2>/dev/null || true
"$copy/vettora" 2> "$work/program.err" &
pid=$!
launcher=$(window "$launcher_title")
update=$(window '^Vettora 更新$')
xdotool windowactivate --sync "$update" key Escape
click "$launcher" $((566 + 150)) $((96 + 326 + 32))
page=$(window '^身体质量指数\(BMI\)$')
timeout 10 "$copy/vettora"  # brings the launcher back beside the page
"$close_window" "$(window "$launcher_title")"
pause 1
"$close_window" "$page"  # the launcher loads again, and its update check runs again
launcher=$(window "$launcher_title")
for _ in $(seq 100); do grep -q '^vettora.update: not asked again' "$work/program.err" && break; sleep 0.1; done
grep -q '^vettora.update: not asked again' "$work/program.err" || fail "no second update check"
[ -z "$(windows_named --onlyvisible --name '^Vettora 更新$')" ] || fail "asked again in the same run"
[ "$(grep -c '^vettora.update: offered' "$work/program.err")" = 1 ] || fail "offered more than once"
"$close_window" "$launcher"
ended_well "$pid"

step "an offer still open from an earlier run: the next run's updater shows no second one"
"$copy/vettora" 2> "$work/program.err" &
pid=$!
update=$(window '^Vettora 更新$')
kill "$pid"; wait "$pid" 2>/dev/null || true
"$copy/vettora" 2> "$work/program.err" &
pid=$!
for _ in $(seq 100); do grep -q '^vettora.update: another updater' "$work/program.err" && break; sleep 0.1; done
grep -q '^vettora.update: another updater' "$work/program.err" || fail "no second updater came"
[ "$(windows_named --onlyvisible --name '^Vettora 更新$' | wc -l)" = 1 ] || fail "a second offer"
xdotool windowactivate --sync "$update" key Escape
"$close_window" "$(window "$launcher_title")"
ended_well "$pid"
pid=
grep -v -e '^vettora.update: ' "$work/program.err" && fail "the program printed the lines above"
echo "update end-to-end test passed"

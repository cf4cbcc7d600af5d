#!/usr/bin/env bash
# End-to-end test of the Windows program: its portable zip and its installer, run under
# Wine in a fresh Wine prefix of its own, driven with real X input (xdotool: Wine's
# windows are X windows) and read back through the clipboard (xclip). Run under
# xvfb-run. Usage: e2e_windows.sh BUILD_WINDOWS_DIR CLOSE_WINDOW_TOOL [SCREENSHOT_DIR]
set -euo pipefail
build=$(cd "$1" && pwd)
close_window=$2
shots=${3:-}
version=$(basename "$build"/Vettora-*-setup.exe | sed 's/^Vettora-\(.*\)-setup\.exe$/\1/')
work=$(mktemp -d)
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
drive_c=$WINEPREFIX/drive_c
started=$(date +%s)
pid=
openbox >/dev/null 2>&1 &
wm=$!
server=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; wineserver -k 2>/dev/null; kill "$wm" $server 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

. "$(dirname "$0")/x_input.sh"
shot() { [ -z "$shots" ] || import -window "$1" "$shots/$2.png"; }

# Right-clicks the result box, chooses 复制全部[&A], reads the clipboard, confirms the message.
copy_all_and_compare() {
    local page=$1 x=$2 y=$3 expected=$4
    click "$page" "$x" "$y" 3
    xdotool key a
    local box
    box=$(window '^Vettora$')
    pause
    [ "${5:-}" ] && shot "$box" "$5"
    xclip -o -selection clipboard | tr -d '\r' > "$work/clipboard"
    xdotool key Return
    pause
    [ -z "$(windows_named --onlyvisible --name '^Vettora$')" ] || fail "the message box is still open"
    printf '%s' "$expected" > "$work/expected"
    cmp -s "$work/clipboard" "$work/expected" || { diff "$work/expected" "$work/clipboard" || true; fail "clipboard differs"; }
}

# Starts a program in the background, its terminal output kept.
start() {
    wine "$@" > "$work/program.out" 2> "$work/program.err" &
    pid=$!
}

step "a fresh Wine prefix"
wineboot -i > /dev/null 2>&1

step "the maker publishes 3.0.0.1, whose setup program notes that it ran, signed with the maker's tool"
host_build=$(cd "$(dirname "$close_window")/.." && pwd)  # the Linux build: the maker's tools
mkdir "$work/site"
cp "$build/fake_setup.exe" "$work/site/Vettora-3.0.0.1-setup.exe"
printf '修正了一些问题。\n' > "$work/notes"
"$host_build/tools/vettora_make_update_list" sign "$(dirname "$0")/../update/test-key.secret" 3.0.0.1 30 \
    "$work/notes" "$work/site/update.txt" windows-x64="$work/site/Vettora-3.0.0.1-setup.exe" > /dev/null
python3 "$(dirname "$0")/web_server.py" "$work/port" "$work/site" 2> "$work/server.log" &
server=$!
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
# The desktop's proxy setting, as Windows keeps it: the built-in host leads to that server.
proxy="127.0.0.1:$(cat "$work/port")"
length=$(printf '%08x' ${#proxy} | sed 's/\(..\)\(..\)\(..\)\(..\)/\4\3\2\1/')
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings\Connections' /v DefaultConnectionSettings \
    /t REG_BINARY /f /d "460000000000000003000000$length$(printf '%s' "$proxy" | od -An -tx1 | tr -d ' \n')$(printf '0%.0s' $(seq 48))" \
    > /dev/null 2>&1
export VETTORA_FAKE_SETUP_LOG="Z:$(printf '%s' "$work/setup.log" | tr / '\\')"

step "the portable zip, with the tests' updater pair: 发现新版本 3.0.0.1 five seconds after the start"
mkdir -p "$work/便携 版"
(cd "$work/便携 版" && cmake -E tar xf "$build/Vettora-$version-windows-x64.zip")
portable="$work/便携 版/Vettora-$version"
cp "$build/tests/update-test-key/Update.dll" "$build/tests/update-test-key/vettora-updater.exe" "$portable/"
start "$portable/vettora.exe"
main=$(window "$launcher_title")
pause 1
shot "$main" windows-launcher
update=$(window '^Vettora 更新$')
pause 1
shot "$update" windows-update-offer

step "立即更新: downloaded, verified, and the setup program runs from the download"
xdotool windowactivate --sync "$update" key Return
for _ in $(seq 200); do [ -s "$work/setup.log" ] && break; sleep 0.1; done
[[ $(tr -d '\r' < "$work/setup.log" 2>/dev/null) == *'\vettora-update-'*'\Vettora-3.0.0.1-setup.exe' ]] \
    || { cat "$work/setup.log" "$work/server.log" 2>/dev/null; fail "the setup program did not run from the download"; }
for _ in $(seq 50); do [ -z "$(windows_named --name '^Vettora 更新$')" ] && break; sleep 0.1; done
[ -z "$(windows_named --name '^Vettora 更新$')" ] || fail "the updater did not end"

step "body mass index: tile, 170 cm and 65 kg, the result through the clipboard"
click "$main" $((566 + 150)) $((96 + 326 + 32))  # the title of tile 2
[ "$(launcher_visible)" = 0 ] || fail "the launcher should hide behind the page"
page=$(window '^身体质量指数\(BMI\)$')
click "$page" 111 245
xdotool type --delay 40 170
click "$page" 231 245
xdotool type --delay 40 65
click "$page" 583 245  # 计算
pause
shot "$page" windows-body-mass-index
table=$'BMI指数          <18.5          18.5-24          24-28          >28\n对应分类         轻体重         健康体重         超重           肥胖'
copy_all_and_compare "$page" 336 386 \
    $'您的身体质量指数（BMI）为：22.49\n身体质量指数(BMI)：评估体重与身高比例的常用工具，适用范围：18至65岁的人士。\n儿童、发育中的青少年、孕妇、乳母、老人及身型健硕的运动员除外。\n'"$table" \
    windows-message-box

step "a second start while the page is open: it ends, and the launcher comes back beside the page"
timeout 30 wine "$portable/vettora.exe" || fail "the second start did not end with status 0"
pause 1
[ "$(launcher_visible)" = 1 ] || fail "the running launcher was not shown"
[ -n "$(windows_named --onlyvisible --name '^身体质量指数\(BMI\)$')" ] || fail "the page went away"

step "closing the page: the launcher is there"
"$close_window" "$page"
pause 1
[ -z "$(windows_named --onlyvisible --name '^身体质量指数\(BMI\)$')" ] || fail "the page is still open"
[ "$(launcher_visible)" = 1 ] || fail "the launcher is not visible"

[ -s "$work/program.out" ] || [ -s "$work/program.err" ] && { cat "$work/program.out" "$work/program.err"; fail "the program printed the lines above"; }

step "ended by force, as from the task manager: it starts again"
wine taskkill /F /IM vettora.exe > /dev/null 2>&1 || fail "taskkill did not end the program"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
wait "$pid" 2>/dev/null || true
start "$portable/vettora.exe"
main=$(window "$launcher_title")
xdotool windowactivate --sync "$(window '^Vettora 更新$')" key Escape  # 以后再说
# The download the setup program ran from is gone now, and nothing else was written.
find "$drive_c/users" -iname 'vettora*' | grep . && fail "the program left the files above in the user's profile"

step "closing the launcher ends the program"
"$close_window" "$main"
ended_well "$pid"
pid=

# The installer, silently into a given folder (NSIS takes /D= raw, so through cmd); its
# exit code is the installer's.
install() {
    wine cmd /c "Z:$(printf '%s' "$build/Vettora-$version-setup.exe" | tr / '\\') /S${1:+ /D=$1}" > /dev/null 2>&1
}
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vettora'
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vettora.lnk"
# The files under a folder of the prefix, as a sorted list of relative paths.
files() { (cd "$1" && find . -type f | sort); }
# Runs a command line as Windows runs a registered one: cmd takes it whole from the environment.
run_registered() { VETTORA_COMMAND=$1 wine cmd /c '%VETTORA_COMMAND%' > /dev/null 2>&1; }
# The installed files (unchanged since $1), the uninstall entry and the Start-menu entry are there.
still_installed() {
    [ "$(cd "$installed" && find . -type f -printf '%p %s %T@\n' | sort)" = "$1" ] || fail "the installed files changed"
    wine reg query "$uninstall_key" > /dev/null 2>&1 || fail "the uninstall entry went"
    [ -f "$shortcut" ] || fail "the Start-menu entry went"
}

step "installer, default folder: Program Files\\Vettora, with its Start-menu entry and uninstall entry"
install
installed="$drive_c/Program Files/Vettora"
[ -f "$installed/vettora.exe" ] && [ -f "$installed/Data/FoodData.mdb" ] || fail "not installed into Program Files\\Vettora"
[ -f "$shortcut" ] || fail "no Start-menu entry"
wine reg query "$uninstall_key" /v DisplayVersion 2>/dev/null | grep -q "$version" || fail "no entry in the installed programs"
wine "$installed/uninstall.exe" /S
# The uninstaller runs on from a copy of itself and takes the Start-menu entry after the folder.
for _ in $(seq 50); do [ -e "$installed" ] || [ -e "$shortcut" ] || break; sleep 0.2; done
[ -e "$installed" ] && fail "the uninstaller left $(files "$installed" | tr '\n' ' ')"

step "installer, a folder with Chinese characters and spaces; at 120 dpi, the installed program lists its 200 foods"
install 'C:\Program Files\维托拉 工具'
installed="$drive_c/Program Files/维托拉 工具"
[ "$(files "$installed")" = "$( (cd "$build/stage/Vettora-$version" && find . -type f; echo ./uninstall.exe) | sort)" ] \
    || fail "the installed files are not the install tree"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 120 /f > /dev/null 2>&1
scale=1.25
start "$installed/vettora.exe"
main=$(window "$launcher_title")
pause 1
click "$main" "$(at $((14 + 150)))" "$(at $((96 + 202 + 32)))"  # the title of tile 1
page=$(window '^卡路里计算器$')
pause 1
click "$page" "$(at 300)" "$(at 34)"  # the first food, with no click in the meals: 大米 to 早餐
xdotool click --repeat 2 --delay 60 1
xdotool key End Return  # the last of the 200 foods: 啤酒, 118.8 kcal
pause
import -window "$page" "$work/calorie-calculator-120dpi.png"
shot "$page" windows-calorie-calculator
frame_whole calorie-calculator-120dpi C5C5C5 2 2 233 465    # the meal tree
frame_whole calorie-calculator-120dpi C5C5C5 240 2 429 525  # the food list
total_in_red calorie-calculator-120dpi
copy_all_and_compare "$page" "$(at 104)" "$(at 499)" $'共摄入：464.8 大卡\n总消耗 = 活动消耗 + 基础代谢率'

step "while it runs, the registered quiet uninstall and a silent install change nothing and end with an error"
before=$(cd "$installed" && find . -type f -printf '%p %s %T@\n' | sort)
# In place (_?=), so that the exit code is the uninstaller's own and not that of a copy of
# it started from the temporary folder. Exported, as reg query prints Chinese in the console's code page.
quiet='"C:\Program Files\维托拉 工具\uninstall.exe" /S _?=C:\Program Files\维托拉 工具'
wine reg export "$uninstall_key" "Z:$(printf '%s' "$work/entry.reg" | tr / '\\')" /y > /dev/null 2>&1
iconv -f UTF-16 -t UTF-8 "$work/entry.reg" \
    | grep -F '"QuietUninstallString"="\"C:\\Program Files\\维托拉 工具\\uninstall.exe\" /S _?=C:\\Program Files\\维托拉 工具"' > /dev/null \
    || fail "the quiet uninstall command is not $quiet"
run_registered "$quiet" && fail "the quiet uninstall did not refuse"
install 'C:\Program Files\维托拉 工具' && fail "the installer did not refuse"
still_installed "$before"

"$close_window" "$page"
pause 1
"$close_window" "$(window "$launcher_title")"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
pid=
scale=1

step "the updater, its offer still open after the program has closed: the quiet uninstall changes nothing"
cp "$build/tests/update-test-key/Update.dll" "$build/tests/update-test-key/vettora-updater.exe" "$installed/"
before=$(cd "$installed" && find . -type f -printf '%p %s %T@\n' | sort)
start "$installed/vettora-updater.exe" http://www.vettora.cn/softs/vettora/update.txt
update=$(window '^Vettora 更新$')
run_registered "$quiet" && fail "the quiet uninstall did not refuse"
still_installed "$before"
"$close_window" "$update"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && fail "the updater is still running"
pid=

step "installing again over it replaces it in place"
install 'C:\Program Files\维托拉 工具' || fail "the installer did not install over the earlier install"
[ "$(files "$installed")" = "$( (cd "$build/stage/Vettora-$version" && find . -type f; echo ./uninstall.exe) | sort)" ] \
    || fail "the installed files are not the install tree"
[ "$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null | grep -c -i vettora)" = 1 ] \
    || fail "not one entry in the installed programs"

step "the uninstaller looks again at 卸载: a Vettora started while it showed its first page keeps everything"
before=$(cd "$installed" && find . -type f -printf '%p %s %T@\n' | sort)
run_registered '"C:\Program Files\维托拉 工具\uninstall.exe" _?=C:\Program Files\维托拉 工具' &
uninstaller_pid=$!
uninstaller=$(window '^Vettora 卸载 ?$')
start "$installed/vettora.exe"
main=$(window "$launcher_title")
# 卸载(U), the page's default button. The launcher takes the focus as it first shows, and a
# key sent just before goes to it: the key is sent again while the question has not come.
asked() { [ "$(windows_named --onlyvisible --name '^Vettora 卸载 ?$' | wc -l)" = 2 ]; }
for _ in 1 2 3; do
    asked && break
    xdotool windowactivate --sync "$uninstaller" key Return
    for _ in $(seq 15); do asked && break; sleep 0.2; done
done
asked || fail "the uninstaller did not ask to close Vettora"
still_installed "$before"
xdotool key Escape  # 取消, on its question to close Vettora
for _ in $(seq 50); do kill -0 "$uninstaller_pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$uninstaller_pid" 2>/dev/null && fail "the uninstaller did not end on 取消"
status=0; wait "$uninstaller_pid" || status=$?
[ "$status" = 2 ] || fail "the uninstaller ended with $status, not 2"
still_installed "$before"
"$close_window" "$main"
ended_well "$pid"
pid=

step "uninstaller: the registered quiet uninstall ends with 0, and only the file it runs from is left"
run_registered "$quiet" || fail "the quiet uninstall ended with an error"
[ "$(files "$installed")" = ./uninstall.exe ] || fail "the uninstaller left $(files "$installed" | tr '\n' ' ')"
[ -e "$shortcut" ] && fail "the Start-menu entry is still there"
wine reg query "$uninstall_key" > /dev/null 2>&1 && fail "the uninstall entry is still there"

echo "Windows end-to-end test passed in $(( $(date +%s) - started )) s"

#!/usr/bin/env bash
# End-to-end test: the built program in a real X server, driven with real input events
# (xdotool) and read back through the real clipboard (xclip), the way a person uses it.
# Run under xvfb-run. Usage: e2e.sh BUILD_DIR CLOSE_WINDOW_TOOL JET_FILE [SCREENSHOT_DIR]
set -euo pipefail
build=$(cd "$1" && pwd)
close_window=$2
jet_file=$3
shots=${4:-}
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The advert server is a proxy of this test's own on the loopback address: the strip
# shows its page and nothing reaches the network.
mkdir "$work/site"
printf '%s' "<html><body style='margin:0;background:#9c6'><a href='http://www.vettora.cn/' style='display:block;height:95px'></a></body></html>" \
    > "$work/site/gg.html"
python3 "$(dirname "$0")/web_server.py" "$work/proxy-port" "$work/site" 2> "$work/proxy.log" &
proxy_pid=$!
for _ in $(seq 50); do [ -s "$work/proxy-port" ] && break; sleep 0.1; done
proxy="http://127.0.0.1:$(cat "$work/proxy-port")"
export QTWEBENGINE_DISABLE_SANDBOX=1 http_proxy=$proxy QTWEBENGINE_CHROMIUM_FLAGS=--proxy-server=$proxy
started=$(date +%s)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; kill "$proxy_pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

. "$(dirname "$0")/x_input.sh"
# Screenshots go to the work folder (for comparison) and to SCREENSHOT_DIR when given.
shot() {
    import -window "$1" "$work/$2.png"
    [ -z "$shots" ] || [[ $2 == *-dark || $2 == *-125 ]] || cp "$work/$2.png" "$shots/$2.png"  # the dark ones are the same
}
# Two screenshots must be the same, pixel for pixel.
same_pixels() {
    local differ
    differ=$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1) || true
    [ "$differ" = 0 ] || fail "$2 differs from $1 in $differ pixels"
}

# Right-clicks the result box (with menu_by=key: clicks it and presses the menu key),
# chooses 复制全部[&A] and confirms the message box; then compares the clipboard with
# the expected text.
copy_all_and_compare() {
    local page=$1 x=$2 y=$3 expected=$4
    if [ "${menu_by:-mouse}" = key ]; then
        click "$page" "$x" "$y"
        xdotool key Menu
        pause 0.25
    else
        click "$page" "$x" "$y" 3
    fi
    xdotool key a  # the menu's access key for 复制全部[&A]
    local box
    box=$(window '^Vettora$')
    eval "$(xdotool getwindowgeometry --shell "$box")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
    pause 0.2
    xclip -o -selection clipboard > "$work/clipboard"
    xdotool key Return
    pause
    [ -z "$(windows_named --onlyvisible --name '^Vettora$')" ] || fail "the message box is still open"
    printf '%s' "$expected" > "$work/expected"
    cmp -s "$work/clipboard" "$work/expected" || { diff "$work/expected" "$work/clipboard" || true; fail "clipboard differs"; }
}

# Opens tile $1 by its title, waits for the page titled $2 and prints its window id.
open_tile() {
    local tiles_x=(498 14 566 290 566 14 290) tiles_y=(64 202 326 202 202 326 326)
    click "$(window "$launcher_title")" "$(at $((tiles_x[$1] + 150)))" "$(at $((96 + tiles_y[$1] + 32)))"
    window "$2"
}

close_page() {
    "$close_window" "$1"
    pause 0.6
    [ "$(launcher_visible)" = 1 ] || fail "the launcher did not come back"
}

# One measure page: sex (m/f/-), the box x positions and values, the expected result.
measure_page() {
    local tile=$1 title=$2 name=$3 sex=$4 expected=$5
    shift 5
    step "$name"
    local page
    page=$(open_tile "$tile" "$title")
    [ "$sex" = f ] && click "$page" 143 244
    while [ $# -gt 0 ]; do
        click "$page" $(($1 + 21)) 245
        xdotool type --delay 30 "$2"
        shift 2
    done
    click "$page" 583 245  # 计算
    pause
    shot "$page" "$name"
    copy_all_and_compare "$page" 336 386 "$expected"
    close_page "$page"
}

step "start: a tile pressed 0.1 s after the launcher shows, while the advert page arrives"
"$build/vettora" 2> "$work/program.err" &
pid=$!
launcher=$(window "$launcher_title")
sleep 0.1
xdotool mousemove --window "$launcher" 80 $((96 + 326 + 32)) click 1  # the title of 健康体重范围
page=$(window '^健康体重范围$')
close_page "$page"
for _ in $(seq 100); do grep -q '^GET http://www.vettora.cn/softs/vettora/gg.html$' "$work/proxy.log" && break; sleep 0.1; done
[ "$(cat "$work/proxy.log")" = $'HEAD http://www.vettora.cn/softs/vettora/gg.html\nGET http://www.vettora.cn/softs/vettora/gg.html' ] \
    || { cat "$work/proxy.log"; fail "the advert page was not asked for once after its headers"; }
[ "$(windows_named --name "$launcher_title" | head -n 1)" = "$launcher" ] || fail "the launcher's window was made again"

step "the keyboard alone: back on the tile that opened the page, Right, Enter, Esc"
xdotool mousemove --window "$launcher" 400 40
xdotool key Right Return  # from 健康体重范围 to 燃脂运动计算
page=$(window '^燃脂运动计算$')
xdotool mousemove --window "$page" 300 100
pause 0.3
xdotool key Escape
pause 0.6
[ -z "$(windows_named --onlyvisible --name '^燃脂运动计算$')" ] || fail "Esc did not close the page"
[ "$(launcher_visible)" = 1 ] || fail "the launcher did not come back"

table=$'BMI指数          <18.5          18.5-24          24-28          >28\n对应分类         轻体重         健康体重         超重           肥胖'
fat=$'人体要燃烧脂肪，需要满足三个必要条件：\n     1、该运动要达到中低强度的运动心率；\n     2、这种中低强度运动心率的运动要持续20分钟以上；\n     3、这种运动必须是大肌肉群的运动，如慢跑游泳健身操等。\n低于或高于这个范围，都不算中低强度运动心率，燃烧的也就不是脂肪了'

measure_page 2 '^身体质量指数\(BMI\)$' body-mass-index - \
    $'您的身体质量指数（BMI）为：22.49\n身体质量指数(BMI)：评估体重与身高比例的常用工具，适用范围：18至65岁的人士。\n儿童、发育中的青少年、孕妇、乳母、老人及身型健硕的运动员除外。\n'"$table" \
    90 170 210 65
measure_page 3 '^标准体重计算$' standard-weight f '您的年龄身高对应标准体重为： 57 公斤。(1公斤=2斤)' 210 47 330 160
measure_page 4 '^基础代谢计算$' basal-metabolic-rate m \
    $'您的基础代谢率为： 1602 大卡\n基础代谢率(BMR)：在安静状态下(通常为静卧状态)消耗的最低热量' 210 30 330 170 452 65
menu_by=key measure_page 5 '^健康体重范围$' healthy-weight-range - $'您的健康体重范围为：53公斤～69公斤\n\n' 90 170
measure_page 6 '^燃脂运动计算$' fat-burning-heart-rate - $'您的中低强度运动心率是：114 次/分钟到 152 次/分钟\n'"$fat" 90 30
measure_page 0 '^一分钟彻底了解自己$' one-minute - \
    $'您的身体质量指数（BMI）为：22.49\n身体质量指数(BMI)：评估体重与身高比例的常用工具，适用范围：18至65岁的人士\n儿童发育中的青少年孕妇乳母老人及身型健硕的运动员除外\n'"$table"$'\n\n您的健康体重范围为：53公斤～69公斤\n\n您的基础代谢率为：1602大卡\n基础代谢率(BMR)：在安静状态下(通常为静卧状态)消耗的最低热量\n\n您的中低强度运动心率是：114 次/分钟到 152 次/分钟\n'"$fat" \
    212 30 332 170 454 65

step "calorie calculator"
page=$(open_tile 1 '^卡路里计算器$')
click "$page" 62 12        # 早餐 in the meal tree
xdotool key Down Down      # 午餐
click "$page" 300 34       # the first food, 大米 (346 kcal)
xdotool click --repeat 2 --delay 60 1
pause
xdotool key Down Return    # the second food, 米饭 (116 kcal), by the keyboard
pause
shot "$page" calorie-calculator
click "$page" 62 12        # back in the tree: 早餐
xdotool key Down Down Down Return  # the first food under 午餐: 大米 goes
pause
copy_all_and_compare "$page" 104 499 $'共摄入：116 大卡\n总消耗 = 活动消耗 + 基础代谢率'

step "second start while a page is open"
launcher=$(windows_named --name "$launcher_title" | head -n 1)
[ "$(launcher_visible)" = 0 ] || fail "the launcher should be hidden behind the page"
timeout 10 "$build/vettora" || fail "the second start did not end with status 0"
pause 0.5
[ "$(launcher_visible)" = 1 ] || fail "the running launcher was not shown"
[ -n "$(windows_named --onlyvisible --name '^卡路里计算器$')" ] || fail "the page went away"
"$close_window" "$page"
pause 0.6

step "close everything"
"$close_window" "$launcher"
ended_well "$pid"
pid=
# Quiet on the terminal, web engine included (as root, the engine's own word that its
# sandbox is off is all there may be).
if grep -v -x 'Sandboxing disabled by user.' "$work/program.err"; then fail "the program printed the lines above"; fi
step "an Access food database in the shipped one's place"
copy="$work/program"
mkdir -p "$copy/Data"
cp "$build/vettora" "$build/vettora-jet-reader" "$copy/"
cp "$jet_file" "$copy/Data/FoodData.mdb"
"$copy/vettora" &
pid=$!
launcher=$(window "$launcher_title")
pause 1
shot "$launcher" launcher  # without its web module: the program's own banner
page=$(open_tile 1 '^卡路里计算器$')
click "$page" 62 12        # 早餐
click "$page" 300 34       # the first food of the Access file: 苹果, 52 kcal
xdotool click --repeat 2 --delay 60 1
pause
copy_all_and_compare "$page" 104 499 $'共摄入：52 大卡\n总消耗 = 活动消耗 + 基础代谢率'
kill "$pid"; wait "$pid" 2>/dev/null || true
pid=

step "at 125 %: whole frames, the red total, and the first food of a fresh calorie page in 早餐"
scale=1.25
QT_SCALE_FACTOR=$scale "$copy/vettora" &
pid=$!
page=$(open_tile 2 '^身体质量指数\(BMI\)$')
click "$page" "$(at 111)" "$(at 245)"
xdotool type --delay 30 170
click "$page" "$(at 231)" "$(at 245)"
xdotool type --delay 30 65
xdotool key Return
pause
shot "$page" body-mass-index-125
frame_whole body-mass-index-125 BED017 34 274 607 233  # the result box
frame_whole body-mass-index-125 B6B6B6 90 236 43 18    # the height box
xdotool key Escape
page=$(open_tile 1 '^卡路里计算器$')
click "$page" "$(at 300)" "$(at 34)"  # the first food, 苹果 (52 kcal), with no click in the meals
xdotool click --repeat 2 --delay 60 1
pause
shot "$page" calorie-calculator-125
frame_whole calorie-calculator-125 C5C5C5 2 2 233 465    # the meal tree
frame_whole calorie-calculator-125 C5C5C5 240 2 429 525  # the food list
total_in_red calorie-calculator-125
copy_all_and_compare "$page" "$(at 104)" "$(at 499)" $'共摄入：52 大卡\n总消耗 = 活动消耗 + 基础代谢率'
kill "$pid"; wait "$pid" 2>/dev/null || true
pid=
scale=1

step "a dark desktop with a 14-point font (qt6ct): the same launcher and pages"
dpkg-query -W -f='${Status}' qt6ct 2>/dev/null | grep -q 'install ok installed' || fail "qt6ct is not installed"
mkdir -p "$work/dark/qt6ct"
cat > "$work/dark/qt6ct/qt6ct.conf" <<CONF
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion

[Fonts]
fixed="DejaVu Sans Mono,14,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
general="DejaVu Sans,14,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
CONF
QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$work/dark" "$copy/vettora" &
pid=$!
launcher=$(window "$launcher_title")
pause 1
shot "$launcher" launcher-dark
same_pixels launcher launcher-dark
page=$(open_tile 2 '^身体质量指数\(BMI\)$')
click "$page" 111 245
xdotool type --delay 30 170
click "$page" 231 245
xdotool type --delay 30 65
click "$page" 583 245  # 计算
pause
shot "$page" body-mass-index-dark
same_pixels body-mass-index body-mass-index-dark
kill "$pid"; wait "$pid" 2>/dev/null || true
pid=

echo "end-to-end test passed in $(( $(date +%s) - started )) s"

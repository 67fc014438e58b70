#!/usr/bin/env bash
# The real vaspo.exe under Wine, used as a new Japanese user would: on a virtual display of
# its own (Xvfb and openbox), in Wine prefixes of its own, driven by keys (a click only where
# a window takes no keys), each thing a check that stops the run when it does not hold.
#   bash tests/windows/real_program.sh build-win/vaspo-0.32-win64.zip
#   bash tests/windows/real_program.sh FOLDER      a folder holding vaspo.exe and its help
# The zip must be complete (WINEPATH is cleared); a folder may take the Qt and MinGW DLLs from
# WINEPATH. Screenshots go to VASPO_SHOTS (default: wine-shots/ beside the zip or the folder).
# Needs: wine64, xvfb, openbox, xdotool, x11-utils (xwininfo), x11-xserver-utils (xmodmap),
# imagemagick, unzip, locales (the Japanese locale's source) and gcc-mingw-w64-x86-64-posix.
set -euo pipefail

SOURCE=${1:?usage: real_program.sh ZIP-OR-FOLDER}
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
[[ -e $SOURCE ]] || { echo "no such zip or folder: $SOURCE" >&2; exit 1; }
SOURCE=$(cd "$(dirname "$SOURCE")" && pwd)/$(basename "$SOURCE")
SHOTS=${VASPO_SHOTS:-$(dirname "$SOURCE")/wine-shots}
RUN=$(mktemp -d /tmp/vaspo-real.XXXXXX)
STARTED=$SECONDS

# The name typed for the fish: katakana, hiragana and kanji, two of them (ソ, 表) with a second
# byte of 0x5C in code page 932, which a careless writer takes for a backslash. Wine gives
# keys of characters it does not know virtual keys from a small pool: seven fit, eight do not.
NAME='ソラの表太郎'
KEY='HKCU\Software\OSKE\VASPO'
FIELDS=(FishName Sex StartDay _StartDay EatFood EatFoods Speed Stress WaterDay WaterConc LastRunDay
        AutoFoods AutoFoodDay PicFileName FormMode MinTray Msgbox FormTop FormLeft FormHeight FormWidth
        Version Warning1 Warning2 Warning3)

XVFB_PID='' OPENBOX_PID='' PREFIXES=()

cleanup() {
  local prefix
  for prefix in "${PREFIXES[@]}"; do
    WINEPREFIX=$prefix wineserver -k 2> /dev/null || true
  done
  [[ -n $OPENBOX_PID ]] && kill "$OPENBOX_PID" 2> /dev/null
  [[ -n $XVFB_PID ]] && kill "$XVFB_PID" 2> /dev/null
  if [[ -n ${VASPO_KEEP_RUN:-} ]]; then
    echo "run kept in $RUN"
  else
    rm -rf "$RUN"
  fi
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [[ -n ${DISPLAY:-} ]] && import -window root "$SHOTS/failure.png" 2> /dev/null; then
    echo "the screen at that moment: $SHOTS/failure.png; its windows:" >&2
    xdotool search --onlyvisible --name . 2> /dev/null | while read -r id; do
      echo "  $(xdotool getwindowname "$id")" >&2
    done
  fi
  local log
  for log in "$RUN"/*.log; do
    [[ -s $log ]] && { echo "--- $(basename "$log")" >&2; tail -n 20 "$log" >&2; }
  done
  exit 1
}
ok() { echo "ok $*"; }

# --- Days and dates as the program counts them: day 1 is 1990-01-01 ---------------------------
day_number() { echo $((($(date -u -d "$1" +%s) - $(date -u -d 1989-12-31 +%s)) / 86400)); }
TODAY_ISO=$(date +%F)
TODAY=$(day_number "$TODAY_ISO")
days_ago() { date -d "$TODAY_ISO - $1 days" +%Y/%m/%d; }

# --- Display, locale, Wine -----------------------------------------------------------------
start_display() {
  mkdir -p "$SHOTS"
  rm -f "$SHOTS"/*.png "$SHOTS/windows.txt"
  exec 3> "$RUN/displayfd"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp > "$RUN/xvfb.out" 2>&1 &
  XVFB_PID=$!
  local i
  for ((i = 0; i < 100; i++)); do [[ -s $RUN/displayfd ]] && break; sleep 0.1; done
  [[ -s $RUN/displayfd ]] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$RUN/displayfd")"
  openbox > "$RUN/openbox.out" 2>&1 &
  OPENBOX_PID=$!
  for ((i = 0; i < 100; i++)); do xdotool get_desktop > /dev/null 2>&1 && break; sleep 0.1; done
  xdotool get_desktop > /dev/null 2>&1 || fail "openbox did not take the display"
}

# Wine takes its Windows language and code page from the locale, which must exist on the host;
# a private one is made where it does not. Only Wine's processes run in it.
WINE_ENV=(LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8)
japanese_locale() {
  if ! locale -a 2> /dev/null | grep -qix 'ja_JP.utf-\?8'; then
    mkdir -p "$RUN/locale"
    localedef -i ja_JP -f UTF-8 "$RUN/locale/ja_JP.UTF-8" > "$RUN/localedef.out" 2>&1 ||
      [[ -d $RUN/locale/ja_JP.UTF-8 ]] || fail "could not make the ja_JP.UTF-8 locale (Debian package locales)"
    WINE_ENV+=("LOCPATH=$RUN/locale")
  fi
}
wine() { env -u LANGUAGE "${WINE_ENV[@]}" wine "$@"; }
wineboot() { env -u LANGUAGE "${WINE_ENV[@]}" wineboot "$@"; }

# Characters that are on no key get keys of their own before any Windows program starts: a key
# mapped in passing (as xdotool type does) can be gone again when Wine reads the keyboard.
JAPANESE_KEYS=()
map_name_keys() {
  local free code args=() n=0
  mapfile -t free < <(xmodmap -pke | awk 'NF == 3 { print $2 }')
  declare -A seen=()
  for code in $(printf '%s' "$NAME" | iconv -f UTF-8 -t UTF-32LE | od -An -v -tx4 --endian=little); do
    code=$(printf 'U%04X' "0x$code")
    JAPANESE_KEYS+=("$code")
    [[ -n ${seen[$code]:-} ]] && continue
    seen[$code]=1
    ((n < ${#free[@]})) || fail "no free key codes left for the name"
    args+=(-e "keycode ${free[n]} = $code")
    n=$((n + 1))
  done
  xmodmap "${args[@]}" || fail "xmodmap could not map the name's characters"
}

# A prefix of its own, with the one server kept for the whole run.
new_prefix() {
  export WINEPREFIX=$1
  PREFIXES+=("$1")
  mkdir -p "$1"
  wineserver -p
  wineboot -i > "$RUN/wineboot-$(basename "$1").out" 2>&1 || fail "wineboot -i failed in $1"
  local name acp
  name=$(wine reg query 'HKCU\Control Panel\International' /v LocaleName 2> /dev/null | tr -d '\r' |
    awk '$1 == "LocaleName" { print $3 }')
  acp=$(wine reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP 2> /dev/null | tr -d '\r' |
    awk '$1 == "ACP" { print $3 }')
  [[ $name == ja-JP && $acp == 932 ]] || fail "Wine does not see a Japanese system (locale '$name', code page '$acp')"
}

winpath() { printf 'Z:%s' "${1//\//\\}"; }

# --- The stored record --------------------------------------------------------------------
declare -A REC=() KIND=()
# Reads the key into REC (value texts) and KIND (sz, or the type of a value that is no string).
read_key() {
  REC=() KIND=()
  local file=$RUN/key.reg line name rest
  rm -f "$file"
  wine reg export "$KEY" "$(winpath "$file")" /y > /dev/null 2>&1 || return 1
  [[ -s $file ]] || return 1
  while IFS= read -r line; do
    line=${line%$'\r'}
    [[ $line == \"*\"=* ]] || continue
    name=${line#\"}
    name=${name%%\"=*}
    rest=${line:${#name}+3}
    if [[ $rest == \"*\" ]]; then
      rest=${rest:1:${#rest}-2}
      rest=${rest//\\\"/\"}
      REC[$name]=${rest//\\\\/\\}
      KIND[$name]=sz
    else
      KIND[$name]=${rest%%:*}
    fi
  done < <(iconv -f UTF-16LE -t UTF-8 "$file" | sed '1s/^\xEF\xBB\xBF//')
}
key_exists() { wine reg query "$KEY" > /dev/null 2>&1; }

# Writes a whole record of NAME=VALUE pairs (texts without quotes or backslashes), as a
# previous run of the program would have left it.
store_record() {
  wine reg delete "$KEY" /f > /dev/null 2>&1 || true
  local pair
  {
    printf '\xef\xbb\xbf'
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\OSKE\\VASPO]\r\n'
    for pair; do printf '"%s"="%s"\r\n' "${pair%%=*}" "${pair#*=}"; done
  } | iconv -f UTF-8 -t UTF-16LE > "$RUN/store.reg"
  wine reg import "$(winpath "$RUN/store.reg")" > /dev/null 2>&1 || fail "could not store a record"
}
# A living fish of this user with the given fields changed.
fish_record() {
  local -A f=([FishName]=$NAME [Sex]=1 [StartDay]=$((TODAY - 2)) [_StartDay]=$(days_ago 2)
    [EatFood]=$TODAY [EatFoods]=0 [Speed]=700 [Stress]=0 [WaterDay]=$TODAY [WaterConc]=255
    [LastRunDay]=$TODAY [AutoFoods]=0 [AutoFoodDay]=0 [PicFileName]='' [FormMode]=0 [MinTray]=0
    [Msgbox]=0 [FormTop]=0 [FormLeft]=0 [FormHeight]=5760 [FormWidth]=7680 [Version]=0.32
    [Warning1]=x [Warning2]=x [Warning3]=x)
  local pair pairs=()
  for pair; do f[${pair%%=*}]=${pair#*=}; done
  for pair in "${!f[@]}"; do pairs+=("$pair=${f[$pair]}"); done
  store_record "${pairs[@]}"
}
expect_values() {  # what NAME=VALUE...
  local what=$1 pair name
  shift
  for pair; do
    name=${pair%%=*}
    [[ ${KIND[$name]:-} == sz && ${REC[$name]} == "${pair#*=}" ]] ||
      fail "$what: $name is '${REC[$name]:-}' (${KIND[$name]:-missing}), not '${pair#*=}'"
  done
}

# Waits up to SECONDS for the key to hold the values; the checks come later.
wait_stored() {
  local limit=$1 i pair held
  shift
  for ((i = 0; i < limit * 2; i++)); do
    held=1
    if read_key; then
      for pair; do [[ ${REC[${pair%%=*}]:-} == "${pair#*=}" ]] || held=0; done
    else
      held=0
    fi
    ((held)) && return 0
    sleep 0.5
  done
  return 0
}

# --- The program and its windows ----------------------------------------------------------
# Starts vaspo.exe from FOLDER as a double click would (in its folder); TAG names its log and
# makes it the program RUNNING that the waits watch. A missing DLL is named in its log.
RUNNING=''
start_vaspo() {
  local tag=$1 folder=$2
  shift 2
  rm -f "$RUN/$tag.rc"
  RUNNING=$tag
  (
    status=0
    cd "$folder" && WINEDEBUG=-all,err+module wine vaspo.exe "$@" > "$RUN/$tag.log" 2>&1 || status=$?
    echo "$status" > "$RUN/$tag.rc"
  ) &
}
ended() { [[ -f $RUN/$1.rc ]]; }
wait_ended() {
  local tag=$1 limit=${2:-30} i
  for ((i = 0; i < limit * 5; i++)); do ended "$tag" && return 0; sleep 0.2; done
  return 1
}

# The id of the first visible window whose title matches, within the seconds given; none
# once the program last started has ended.
wait_window() {
  local pattern=$1 limit=${2:-30} i id
  for ((i = 0; i < limit * 5; i++)); do
    id=$(xdotool search --onlyvisible --name "$pattern" 2> /dev/null | head -n1 || true)
    [[ -n $id ]] && { echo "$id"; return 0; }
    [[ -n $RUNNING ]] && ended "$RUNNING" && return 2
    sleep 0.2
  done
  return 1
}
wait_gone() {
  local pattern=$1 limit=${2:-30} i
  for ((i = 0; i < limit * 5; i++)); do
    xdotool search --onlyvisible --name "$pattern" > /dev/null 2>&1 || return 0
    sleep 0.2
  done
  return 1
}
window() {
  local status=0
  wait_window "$@" || status=$?
  ((status != 2)) || fail "the program ended (exit $(cat "$RUN/$RUNNING.rc")) before showing '$1'"
  ((status == 0)) || fail "no window '$1' appeared"
}

# Keys to a window, as typed with it in front.
keys() {
  local id=$1 i
  shift
  for ((i = 0; i < 5; i++)); do
    timeout 2 xdotool windowactivate --sync "$id" > /dev/null 2>&1 || xdotool windowfocus "$id" 2> /dev/null || true
    [[ $(xdotool getactivewindow 2> /dev/null) == "$id" ]] && break
    sleep 0.3
  done
  sleep 0.3
  xdotool key --delay 120 "$@"
}

# A screenshot, and where Windows has the windows then (windows.txt beside the pictures).
shot() {
  import -window root "$SHOTS/$1.png" || fail "no screenshot $1"
  { echo "--- $1"; wine "$RUN/window_rects.exe" 2> /dev/null | tr -d '\r'; } >> "$SHOTS/windows.txt"
}

# Where Windows has its windows (see window_rects.c).
build_rects() {
  command -v x86_64-w64-mingw32-gcc-posix > /dev/null ||
    fail "x86_64-w64-mingw32-gcc-posix is missing (gcc-mingw-w64-x86-64-posix)"
  x86_64-w64-mingw32-gcc-posix -O2 -static -o "$RUN/window_rects.exe" "$HERE/window_rects.c" -luser32 ||
    fail "could not build window_rects.exe"
}
# "LEFT TOP RIGHT BOTTOM CLIENTX CLIENTY CLIENTW CLIENTH" of the visible window with that title.
rect_of() {
  wine "$RUN/window_rects.exe" 2> /dev/null | tr -d '\r' |
    awk -v t="$1" '$1 == "window" { s = $0; sub(/.* title /, "", s); if (s == t) { print $3, $4, $5, $6, $8, $9, $10, $11; exit } }'
}
visible_titles() {
  wine "$RUN/window_rects.exe" 2> /dev/null | tr -d '\r' | awk '$1 == "window" { sub(/.* title /, ""); print }'
}
work_area() { wine "$RUN/window_rects.exe" 2> /dev/null | tr -d '\r' | awk '$1 == "screen" { print $5, $6, $7, $8 }'; }
# The X client area of a window: "X Y WIDTH HEIGHT".
x_client() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
    /^  Width:/ { w = $2 } /^  Height:/ { h = $2 } END { print x, y, w, h }'
}
# Wine shows the client area in X where Windows has it.
same_place() {
  local title=$1 id=$2 l t r b cx cy cw ch xx xy xw xh
  read -r l t r b cx cy cw ch <<< "$(rect_of "$title")"
  read -r xx xy xw xh <<< "$(x_client "$id")"
  [[ "$cx $cy $cw $ch" == "$xx $xy $xw $xh" ]] ||
    fail "'$title': Windows has its client area at $cx,$cy ${cw}x$ch, the display at $xx,$xy ${xw}x$xh"
}

# --- The program's folder -------------------------------------------------------------------
# A fresh copy of the program under DIR; prints its folder.
unpack_program() {
  local dir=$1 exe
  mkdir -p "$dir"
  if [[ -d $SOURCE ]]; then
    cp -r "$SOURCE" "$dir/"
  else
    unzip -q "$SOURCE" -d "$dir" || fail "could not unzip $SOURCE"
  fi
  mapfile -t exe < <(find "$dir" -name vaspo.exe)
  ((${#exe[@]} == 1)) || fail "expected one vaspo.exe in $SOURCE, found ${#exe[@]}"
  # A program as downloaded: no history, move file or photos of an earlier run.
  local left
  left=$(find "$(dirname "${exe[0]}")" -maxdepth 1 \( -iname VASPO.HIS -o -iname VASPO.MNB -o -iname '[12]*.bmp' \) \
    -printf '%f ')
  [[ -z $left ]] || fail "$SOURCE holds files of an earlier run: ${left% }"
  dirname "${exe[0]}"
}

# === The run ===============================================================================
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' WINEARCH=win64
# Nothing of a caller's Qt settings reaches the program (Wine passes WINEQT_X on as QT_X).
while IFS= read -r name; do unset "$name"; done < <(compgen -e | grep '^WINEQT_' || true)
if [[ -f $SOURCE ]]; then
  unset WINEPATH  # the zip must bring every DLL itself
  [[ $(unzip -Z1 "$SOURCE" | cut -d/ -f1 | sort -u | wc -l) == 1 ]] || fail "the zip does not hold one folder"
fi
japanese_locale
start_display
map_name_keys
build_rects
A=$(unpack_program "$RUN/a")
B=$(unpack_program "$RUN/b")
new_prefix "$RUN/prefix-a"
[[ -f $SOURCE ]] && echo "program: $(basename "$A") from $(basename "$SOURCE")"
echo "screenshots: $SHOTS"

TANK="$NAME - ばすぽう"
TANK_RE="^$NAME - ばすぽう\$"

# A first start: welcome, name, sex; the window manager's close (as the close box) writes the
# whole record.
key_exists && fail "a new prefix already holds $KEY"
start_vaspo first "$A"
id=$(window 'ばすぽう - はじめまして！' 60)
shot 01-welcome
keys "$id" Return
id=$(window '^はじめまして\.\.\.\.ばすぽう$')
keys "$id" ctrl+a BackSpace "${JAPANESE_KEYS[@]}"
sleep 0.5
shot 02-name
keys "$id" Return
id=$(window '^ばすぽうの性別を決定します$')
keys "$id" n  # いいえ: a female fish
id=$(window "$TANK_RE")
read_key || fail "no key after naming"
expect_values "the naming step" "_StartDay=$(days_ago 0)"
keys "$id" alt+F4  # the window manager's close, as the close box
wait_ended first || fail "the close box did not end the program"
read_key || fail "the first start left no key"
for field in "${FIELDS[@]}"; do
  [[ ${KIND[$field]:-} == sz ]] || fail "first start: $field is ${KIND[$field]:-missing}, not a REG_SZ"
done
expect_values "first start" "FishName=$NAME" Sex=1 "StartDay=$TODAY" "LastRunDay=$TODAY" "EatFood=$TODAY"
expect_values "first start" EatFoods=0 Speed=667 Stress=0 "WaterDay=$TODAY" WaterConc=255 AutoFoods=0 \
  AutoFoodDay=0 PicFileName= FormMode=0 MinTray=0 Msgbox=0 Version=0.32 \
  'Warning1=ここの値を変えて、元気にさせようとした君！' \
  'Warning2=そんな事して、プログラムが誤動作しても知りませんよ。' 'Warning3=勝手に値を変えないで下さい。'
ok "first start (welcome, name typed in Japanese on keys of its own, sex) and the window manager's close write $KEY with every field as REG_SZ; the name reads back as typed: $NAME"

# A restart reads the fish back and asks nothing.
start_vaspo second "$A"
id=$(window "$TANK_RE" 60)
sleep 1
others=$(visible_titles | grep -v -x -F -e "$TANK" -e 'Wine System Tray' || true)
[[ -z $others ]] || fail "the restart shows more than the tank: $others"
ok "restart reads the fish back: the caption is '$TANK', nothing is asked"

# A second copy is refused; the first runs on.
start_vaspo copy "$A"
box=$(window '^一匹で十分なの$')
shot 08-second-copy
keys "$box" Return
wait_ended copy || fail "the refused second copy did not end"
RUNNING=second
sleep 1
ended second && fail "the first copy ended with the second"
xdotool search --onlyvisible --name "$TANK_RE" > /dev/null || fail "the first copy's tank is gone"
ok "a second copy is refused with 一匹で十分なの and ends; the first keeps running"

# The icon in the notification area: with no XEmbed tray on the display, Wine shows its own
# tray window, mapped while it holds an icon.
tray=$(wait_window '^Wine System Tray$' 10) || fail "no tray window: the program put no icon in the notification area"
xdotool windowraise "$tray"
sleep 0.5
import -window "$tray" "$SHOTS/09-tray.png"
colours=$(convert "$SHOTS/09-tray.png" -crop 24x24+0+0 -format %k info:)
((colours > 8)) || fail "the tray window shows no icon ($colours colours)"
keys "$id" alt+f x  # ﾌｧｲﾙ, 終了
box=$(window '^ばすぽうの終了$')
keys "$box" y
wait_ended second || fail "the file menu's exit did not end the program"
wait_gone '^Wine System Tray$' 10 || fail "the tray icon stayed after the program ended"
ok "the tray icon shows in Wine's tray window ($colours colours) and goes with the program"

# /REGDEL removes the key.
key_exists || fail "no key before /REGDEL"
start_vaspo regdel "$A" /REGDEL
box=$(window '^レジストリを削除しました！$')
keys "$box" Return
wait_ended regdel || fail "/REGDEL did not end the program"
key_exists && fail "/REGDEL left $KEY"
ok "vaspo.exe /REGDEL removes $KEY and ends"

# Feeding, water change, the about box; screenshots; the file menu's exit.
fish_record "EatFood=$((TODAY - 1))" EatFoods=3 "WaterDay=$((TODAY - 1))" WaterConc=150
start_vaspo care "$A"
id=$(window "$TANK_RE" 60)
sleep 1
keys "$id" alt+c f  # 世話, 餌をあげる
food=$(window '^餌をあげる$')
sleep 1
shot 11-food
read -r tl tt _ <<< "$(rect_of "$TANK")"
read -r fl ft _ <<< "$(rect_of 餌をあげる)"
[[ $((fl - tl)) == 13 && $((ft - tt)) == 13 ]] ||
  fail "the food window is $((fl - tl)),$((ft - tt)) pixels from the tank's corner, not 13,13 (200 twips)"
same_place 餌をあげる "$food"
same_place "$TANK" "$id"
keys "$food" Return  # あげる
wait_gone '^餌をあげる$' 15 || fail "the food window stayed after あげる"
# The food sinks and the fish eats; the program keeps the record after each care.
wait_stored 20 "EatFood=$TODAY" EatFoods=1
keys "$id" alt+c w  # 世話, 水の交換
water=$(window '^水を交換する$')
keys "$water" End Return  # all the water, then 水交換
wait_gone '^水を交換する$' 20 || fail "the water window stayed after 水交換"
wait_stored 20 "WaterDay=$TODAY"
keys "$id" alt+h a  # ﾍﾙﾌﾟ, ﾊﾞｰｼﾞｮﾝ情報
about=$(window '^ばすぽうについて$')
sleep 1
shot 11-about
read -r wl wt wr wb <<< "$(work_area)"
read -r al at ar ab acx acy acw ach <<< "$(rect_of ばすぽうについて)"
# Windows 10 draws no border left, right and below a window: what is seen, and centred, is
# the title bar over the client area.
want_left=$((wl + (wr - wl - acw) / 2)) want_top=$((wt + (wb - wt - (acy + ach - at)) / 2))
((acx - want_left >= -1 && acx - want_left <= 1 && at - want_top >= -1 && at - want_top <= 1)) ||
  fail "the about box is at $acx,$at, not centred at $want_left,$want_top"
same_place ばすぽうについて "$about"
keys "$about" Return
wait_gone '^ばすぽうについて$' 10 || fail "OK did not close the about box"
sleep 1
shot 11-tank
ok "screenshots of the tank, the food window and the about box; where Windows has them, the food window is 13,13 px from the tank's corner ($fl,$ft from $tl,$tt), the about box centred at $acx,$at"

# The camera develops today's photo; the album lists it and shows it at its size.
photo=$A/$(date +%Y%m%d).bmp
keys "$id" alt+c p  # 世話, 写真撮影
camera=$(window '^「ばすぽう」カメラ$')
sleep 1
keys "$camera" Return  # 撮影
# 現像 is enabled once the shot is taken.
for ((i = 0; i < 10; i++)); do
  sleep 1
  keys "$camera" alt+p  # 現像
  for ((j = 0; j < 10; j++)); do [[ -s $photo ]] && break 2; sleep 0.2; done
done
[[ -s $photo ]] || fail "developing wrote no $(basename "$photo") beside the exe"
shot 07-camera
[[ $(head -c2 "$photo") == BM ]] || fail "$(basename "$photo") is no bitmap"
read -r pw ph <<< "$(convert "$photo" -format '%w %h' info:)"
read -r _ _ _ _ tcx tcy tcw tch <<< "$(rect_of "$TANK")"
((pw >= tcw && ph >= tch)) || fail "the photo is ${pw}x$ph, smaller than the tank's client area ${tcw}x$tch"
# The shot is of the tank: its water colour, the commonest colour of the tank, is the photo's.
water_colour() { convert "$1" -format %c histogram:info:- | sort -rn | head -n1 | grep -o '#[0-9A-F]\{6\}'; }
import -window root -crop "$((tcw / 2))x$((tch / 2))+$((tcx + tcw / 4))+$((tcy + tch / 4))" "$RUN/water.png"
[[ $(water_colour "$photo") == "$(water_colour "$RUN/water.png")" ]] || fail "the photo does not show the tank's water"
keys "$camera" alt+x
wait_gone 'カメラ$' 10 || fail "終了 did not close the camera"
keys "$id" alt+c v  # 世話, アルバム
album=$(window '^アルバム$')
sleep 1
read -r _ _ _ _ bx by bw bh <<< "$(rect_of アルバム)"
# Under Wine the album opens without the keyboard and its list takes no keys until clicked: the
# photo is chosen with a click on the first name.
menu=$((bh - 204))
xdotool mousemove $((bx + 20)) $((by + menu + 8)) click 1
for ((i = 0; i < 25; i++)); do
  read -r _ _ _ _ _ _ bw bh <<< "$(rect_of アルバム)"
  ((bw == 104 + pw)) && break
  sleep 0.2
done
((bw == 104 + pw && bh == menu + (ph > 204 ? ph : 204))) ||
  fail "the album did not show the photo at its size (client ${bw}x$bh for a ${pw}x$ph photo)"
shot 07-album
ok "the camera develops $(basename "$photo") (${pw}x$ph) beside the exe; the album lists it and shows it"

keys "$id" alt+o i  # 最小化はタスクトレイへ: a change only the exit saves
keys "$id" alt+f x  # ﾌｧｲﾙ, 終了
box=$(window '^ばすぽうの終了$')
keys "$box" y
wait_ended care || fail "the file menu's exit did not end the program"
read_key || fail "no key after the care run"
expect_values "after feeding, water change and exit" "EatFood=$TODAY" EatFoods=1 "WaterDay=$TODAY" WaterConc=255 MinTray=1
ok "a feeding (あげる) and a water change (all of it) are stored: EatFood today, EatFoods 1, WaterDay today, WaterConc 255 after the file menu's exit"

# A fish neglected for a month dies at start: VASPO.HIS in code page 932 with CR LF, no key.
fish_record Speed=1 "StartDay=$((TODAY - 40))" "_StartDay=$(days_ago 40)" "LastRunDay=$((TODAY - 30))" \
  "EatFood=$((TODAY - 30))" "WaterDay=$((TODAY - 30))" WaterConc=100
rm -f "$A/VASPO.HIS"
start_vaspo death "$A"
box=$(window '^死んじゃいました$' 60)
shot 05-death
keys "$box" Return
wait_ended death || fail "the program did not end after the death"
key_exists && fail "the dead fish's key is still there"
[[ -f $A/VASPO.HIS ]] || fail "no VASPO.HIS beside vaspo.exe"
iconv -f CP932 -t UTF-8 "$A/VASPO.HIS" > "$RUN/his.txt" || fail "VASPO.HIS is not code page 932"
[[ $(tail -c2 "$A/VASPO.HIS" | od -An -tx1 | tr -d ' ') == 0d0a ]] || fail "VASPO.HIS does not end with CR LF"
[[ $(grep -c $'\r$' "$RUN/his.txt") == $(wc -l < "$RUN/his.txt") ]] || fail "a line of VASPO.HIS does not end with CR LF"
mapfile -t his < <(tr -d '\r' < "$RUN/his.txt")
((${#his[@]} == 7)) || fail "VASPO.HIS has ${#his[@]} lines, not 7"
[[ ${his[0]} == '「ばすぽう」 Ver.0.32' && ${his[1]} == "名前：$NAME" && ${his[2]} == '性別：メス' &&
  ${his[3]} == "飼育開始日：$(days_ago 40)" && ${his[6]} == "$(printf -- '-%.0s' {1..39})" ]] ||
  fail "VASPO.HIS reads: $(printf '%s | ' "${his[@]}")"
[[ ${his[4]} =~ ^死亡確認日：$(days_ago 0)（死亡([0-9]+)日後）$ ]] || fail "VASPO.HIS line 5: ${his[4]}"
away=${BASH_REMATCH[1]}
[[ ${his[5]} =~ ^飼育日数：([0-9]+)$ ]] || fail "VASPO.HIS line 6: ${his[5]}"
# Days away plus days kept add up to the days since the start, whichever day it died on.
((away + BASH_REMATCH[1] == 41)) || fail "VASPO.HIS: $away days away and ${BASH_REMATCH[1]} days kept"
ok "a fish neglected for 30 days dies at start: VASPO.HIS beside the exe, 7 lines in code page 932 with CR LF, its name read back; the key is deleted"

# Packing writes VASPO.MNB and deletes the key; a second prefix takes the fish over.
fish_record Sex=0 Speed=875 Stress=-12 WaterConc=230 EatFoods=2 "WaterDay=$((TODAY - 1))" \
  "StartDay=$((TODAY - 5))" "_StartDay=$(days_ago 5)"
start_vaspo pack "$A"
id=$(window "$TANK_RE" 60)
keys "$id" alt+f m  # ﾌｧｲﾙ, 水槽のお引っ越し
box=$(window '^お引っ越し$')
keys "$box" y
box=$(window '^引っ越し準備完了！$')
keys "$box" Return
wait_ended pack || fail "packing did not end the program"
key_exists && fail "packing left $KEY"
[[ -f $A/VASPO.MNB ]] || fail "packing wrote no VASPO.MNB beside vaspo.exe"
iconv -f CP932 -t UTF-8 "$A/VASPO.MNB" > "$RUN/mnb.txt" || fail "VASPO.MNB is not code page 932"
[[ $(grep -c $'\r$' "$RUN/mnb.txt") == 14 && $(wc -l < "$RUN/mnb.txt") == 14 ]] ||
  fail "VASPO.MNB is not 14 lines ending with CR LF"
mapfile -t mnb < <(tr -d '\r' < "$RUN/mnb.txt")
packed="${mnb[*]:2}"
[[ $packed == "$TODAY 2 875 -12 $((TODAY - 5)) $(days_ago 5) $NAME 0 $((TODAY - 1)) 230 0 $TODAY" ]] ||
  fail "VASPO.MNB holds: ${mnb[*]}"
cp "$A/VASPO.MNB" "$B/"
new_prefix "$RUN/prefix-b"
start_vaspo moved "$B"
id=$(window 'ばすぽう - はじめまして！' 60)
keys "$id" Return
box=$(window '^水槽のお引っ越し$')
keys "$box" Return
box=$(window '^引っ越しました！$')
keys "$box" Return
id=$(window "$TANK_RE" 30)
sleep 1
others=$(visible_titles | grep -v -x -F -e "$TANK" -e 'Wine System Tray' || true)
[[ -z $others ]] || fail "the moved fish's start shows more than the tank: $others"
[[ -e $B/VASPO.MNB ]] && fail "the taken over VASPO.MNB is still there"
keys "$id" alt+f x  # ﾌｧｲﾙ, 終了
box=$(window '^ばすぽうの終了$')
keys "$box" y
wait_ended moved || fail "the file menu's exit did not end the program"
read_key || fail "the second prefix has no key after taking the fish over"
expect_values "the moved fish" "EatFood=${mnb[2]}" "EatFoods=${mnb[3]}" "Speed=${mnb[4]}" "Stress=${mnb[5]}" \
  "StartDay=${mnb[6]}" "_StartDay=${mnb[7]}" "FishName=${mnb[8]}" "FormMode=${mnb[9]}" "WaterDay=${mnb[10]}" \
  "WaterConc=${mnb[11]}" "Sex=${mnb[12]}" "LastRunDay=${mnb[13]}"
ok "packing (水槽のお引っ越し) writes VASPO.MNB (14 lines, code page 932, CR LF) and deletes the key; a second prefix takes the fish over with its name and values, the MNB gone"

# The end of the Windows session saves the record.
start_vaspo session "$B"
id=$(window "$TANK_RE" 60)
keys "$id" alt+o t  # 常に手前に表示
sleep 1
read_key && expect_values "before the session's end" FormMode=0
timeout 60 env -u LANGUAGE "${WINE_ENV[@]}" wine wineboot --end-session > "$RUN/end-session.log" 2>&1 || fail "wineboot --end-session failed"
wait_ended session 30 || fail "the program outlived the end of the session"
read_key || fail "no key after the session's end"
expect_values "after the session's end" FormMode=1 "FishName=$NAME"
ok "wineboot --end-session makes the running program save its change (FormMode 1) and end"

echo "all checks passed in $((SECONDS - STARTED)) s; screenshots in $SHOTS"

#!/usr/bin/env bash
# Not a test: runs the tank on real desktops, headless, and prints one line per check
# ("ok" or "FAIL", the desktop, what was checked). Screenshots go to OUT (default /tmp/vaspo-desktops).
#   sway (wlroots, headless) with XWayland and waybar's tray, started after the program;
#   kwin_wayland --virtual with plasmashell, where plasmashell runs;
#   GNOME Shell --headless with the AppIndicator extension.
# Compositors refuse root, so each runs as the user vaspobench (made when missing), with a private
# session bus, XDG_RUNTIME_DIR, HOME and settings. Installs what it needs (as root). Build first.
# Usage: bash bench/desktops.sh [sway] [kde] [gnome]   (default: all three)
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
[[ -x build/vaspo ]] || { echo "build/vaspo is missing: build it first with bash scripts/test.sh" >&2; exit 1; }
((EUID == 0)) || { echo "run as root: it installs packages and runs the desktops as another user" >&2; exit 1; }
ensure_packages python3 python3-dbus sway xwayland waybar grim x11-utils xdotool libglib2.0-bin dbus-daemon kwin-wayland \
  plasma-workspace plasma-desktop qtwayland5 gnome-shell gnome-shell-extension-appindicator >/dev/null || exit 1
user=vaspobench
id -u "$user" >/dev/null 2>&1 || useradd -m -s /bin/bash "$user"
out=${OUT:-/tmp/vaspo-desktops}
desktops=("${@:-sway kde gnome}")
read -r -a desktops <<<"${desktops[*]}"

pids=()
stop_all() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  sleep 1
  for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null; done
  pids=()
}
[[ ${BASH_SOURCE[0]} == "$0" ]] && trap stop_all EXIT

check() {  # check DESKTOP WHAT COMMAND...: one line, ok when COMMAND succeeds
  local desktop=$1 what=$2
  shift 2
  if "$@" >/dev/null 2>&1; then echo "ok   $desktop: $what"; else echo "FAIL $desktop: $what"; return 1; fi
}
note() { echo "     $1: $2"; }

# fresh DESKTOP: a private home, runtime folder, settings with a fed fish of today, and a copy of the program.
fresh() {
  dir=$out/$1
  rm -rf "$dir"
  mkdir -p "$dir"/{home,run,config/OSKE,data,prog}
  chmod 700 "$dir/run"
  cp build/vaspo build/VASPO.HLP "$dir/prog/"
  mkdir -p "$dir/data/applications"  # the launcher, by which shells name the running program
  sed "s|^Exec=.*|Exec=$dir/prog/vaspo|" assets/org.example.vaspo.desktop >"$dir/data/applications/org.example.vaspo.desktop"
  local day=$((($(date -u -d "$(date +%F)" +%s) - $(date -u -d 1989-12-31 +%s)) / 86400))
  printf '%s\n' "[General]" "Version=0.32" "FishName=ベンチ" "Sex=0" "Speed=800" "Stress=0" "WaterConc=255" \
    "StartDay=$day" "EatFood=$day" "WaterDay=$day" "LastRunDay=$day" "_StartDay=$(date +%Y/%m/%d)" \
    "FormWidth=5580" "FormHeight=3105" "FormTop=1500" "FormLeft=1500" "FormMode=1" "MinTray=1" \
    >"$dir/config/OSKE/VASPO.conf"
  chown -R "$user" "$out" "$dir"
  environment=(HOME="$dir/home" XDG_RUNTIME_DIR="$dir/run" XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data"
    PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8)
}
as_user() { runuser -u "$user" -- env "${environment[@]}" "$@"; }
start() {  # start LOG COMMAND...: runs COMMAND as the user in the background, its pid in $!
  local log=$1
  shift
  as_user "$@" >"$dir/$log" 2>&1 &
  pids+=($!)
}
session_bus() {
  local reply
  reply=$(as_user dbus-daemon --session --fork --print-address=1 --print-pid=1)
  environment+=(DBUS_SESSION_BUS_ADDRESS="$(sed -n 1p <<<"$reply")")
  pids+=("$(sed -n 2p <<<"$reply")")
}
bus() { as_user gdbus "$@"; }
item_property() {  # item_property SERVICE NAME
  bus call --session -d "$1" -o /StatusNotifierItem -m org.freedesktop.DBus.Properties.Get \
    org.kde.StatusNotifierItem "$2"
}
registered_items() {
  bus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
    -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher RegisteredStatusNotifierItems
}
wait_for() {  # wait_for SECONDS COMMAND...
  local end=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do ((SECONDS < end)) || return 1; sleep 0.3; done
}
program_pid() { cat "$dir/vaspo.pid" 2>/dev/null; }
item_service() { echo "org.kde.StatusNotifierItem-$(program_pid)-1"; }
host_registered() {
  bus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher -m org.freedesktop.DBus.Properties.Get \
    org.kde.StatusNotifierWatcher IsStatusNotifierHostRegistered | grep -q true
}
is_registered() { registered_items | grep -q "$(item_service)"; }
menu_labels() {
  bus call --session -d "$(item_service)" -o /MenuBar -m com.canonical.dbusmenu.GetLayout 0 -- -1 '@as []' |
    grep -o "'label': <'[^']*'>" | sed "s/'label': <'\(.*\)'>/\1/" | paste -sd'|'
}
menu_click() {  # menu_click ID
  bus call --session -d "$(item_service)" -o /MenuBar -m com.canonical.dbusmenu.Event "$1" clicked '<0>' 0
}
activate() { bus call --session -d "$(item_service)" -o /StatusNotifierItem -m org.kde.StatusNotifierItem.Activate "$1" "$2"; }
# The X windows of the program (under XWayland): "id mapped|unmapped x y w h" for the tank and for menus.
x_tank_state() { as_user env DISPLAY="$xdisplay" xwininfo -name "ベンチ - ばすぽう" 2>/dev/null | awk '/Map State/ {print $3}'; }
x_menu_at() {  # the place of an open pop-up menu of the program, "x y", or nothing
  local id
  for id in $(as_user env DISPLAY="$xdisplay" xdotool search --onlyvisible --class vaspo 2>/dev/null); do
    as_user env DISPLAY="$xdisplay" xwininfo -id "$id" | awk '/Override Redirect State: yes/ {o=1}
      /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {if (o) print x, y}'
  done | head -n1
}
item_has() { item_property "$(item_service)" "$1" | grep -q "$2"; }
stays_closed() { sleep 1 && menu_closed; }
tank_is() { [[ $(x_tank_state) == "$1" ]]; }
menu_open() { [[ -n $(x_menu_at) ]]; }
menu_closed() { [[ -z $(x_menu_at) ]]; }
start_program() {
  start vaspo.log sh -c "echo \$\$ > '$dir/vaspo.pid'; exec env $* '$dir/prog/vaspo'"
  wait_for 10 test -s "$dir/vaspo.pid"
}
# The tank in sway's tree: "type shell class x,y wxh".
sway_tank() {
  as_user swaymsg -t get_tree | python3 -c '
import json, sys
def walk(n):
    if n.get("name") == "ベンチ - ばすぽう":
        r = n["rect"]
        print(n["type"], n.get("shell"), (n.get("window_properties") or {}).get("class"),
              "%d,%d %dx%d" % (r["x"], r["y"], r["width"], r["height"]))
    for c in n.get("nodes", []) + n.get("floating_nodes", []):
        walk(c)
walk(json.load(sys.stdin))'
}
stored() { grep "^$1=" "$dir/config/OSKE/VASPO.conf" | cut -d= -f2; }

run_sway() {
  fresh sway
  session_bus
  cat >"$dir/sway.conf" <<EOF
output HEADLESS-1 resolution 1280x800 bg #336699 solid_color
xwayland enable
for_window [class="vaspo"] floating enable
exec sh -c 'echo \$DISPLAY > $dir/display'
EOF
  printf '%s\n' '{"layer": "top", "position": "top", "height": 26, "modules-left": ["clock"],' \
    '"modules-right": ["tray"], "tray": {"icon-size": 20, "spacing": 6}}' >"$dir/waybar.json"
  chown -R "$user" "$dir"
  environment+=(WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 XDG_SESSION_TYPE=wayland)
  start sway.log sway -c "$dir/sway.conf"
  wait_for 10 test -s "$dir/display" || { echo "FAIL sway: sway did not start (see $dir/sway.log)"; return; }
  xdisplay=$(cat "$dir/display")
  environment+=(WAYLAND_DISPLAY=wayland-1 DISPLAY="$xdisplay" SWAYSOCK="$(ls "$dir"/run/sway-ipc.*.sock)")
  start_program
  check sway "the tank shows (XWayland)" wait_for 10 tank_is IsViewable
  note sway "the tank in sway's tree: $(sway_tank)"
  check sway "floated by the rule (sway centres it), its stored width 372 within a 2-pixel border" \
    test "$(sway_tank | cut -d' ' -f1-3,5)" = "floating_con xwayland vaspo 376x209"
  sleep 2
  start waybar.log waybar -c "$dir/waybar.json"
  waybar_pid=$!
  check sway "waybar started 2 s after the tank shows its item within 5 s" wait_for 5 is_registered
  check sway "the item's title is ばすぽう" item_has Title "'ばすぽう'"
  check sway "the tip is current: ばすぽう - ベンチ" item_has ToolTip "'ばすぽう - ベンチ'"
  check sway "the exported menu: $(menu_labels)" test "$(menu_labels)" = "タスクトレイに入れる(_T)|ばすぽうの終了(_X)..."
  sleep 1
  check sway "waybar read the menu (no \"Getting layout failed\")" sh -c "! grep -qi 'layout failed' '$dir/waybar.log'"
  as_user grim "$out/sway-panel.png"
  note sway "screenshot of the panel and tank: $out/sway-panel.png"

  # Clicks as waybar sends them (the headless seat has no pointer): Activate at the icon's place.
  activate 1262 13 >/dev/null
  check sway "a left click on the icon opens the menu" wait_for 3 menu_open
  note sway "the menu opened at $(x_menu_at) for a click at 1262 13 (the icon, at the right end of the bar)"
  as_user grim "$out/sway-menu.png"
  note sway "screenshot of the menu: $out/sway-menu.png"
  as_user env DISPLAY="$xdisplay" xdotool key Escape
  check sway "Escape closes it" wait_for 3 menu_closed
  double_click() { activate 1262 13 >/dev/null; sleep 0.1; activate 1262 13 >/dev/null; }
  double_click
  check sway "a double click on the icon hides the tank" wait_for 3 tank_is IsUnMapped
  check sway "and opens no menu" stays_closed
  double_click
  check sway "a second double click brings it back" wait_for 3 tank_is IsViewable
  menu_click 1 >/dev/null
  check sway "waybar's menu (the exported one): its first item hides the tank" wait_for 3 tank_is IsUnMapped
  check sway "the menu then reads $(menu_labels | cut -d'|' -f1)" test "$(menu_labels | cut -d'|' -f1)" = "タスクトレイから出す(_T)"
  menu_click 1 >/dev/null
  check sway "and brings it back" wait_for 3 tank_is IsViewable

  # A panel that restarts.
  kill "$waybar_pid"
  sleep 1
  start waybar.log waybar -c "$dir/waybar.json"
  check sway "waybar restarted: the item registers again" wait_for 5 is_registered
  check sway "the tank kept the on-top option where sway ignores it" test "$(stored FormMode)" = 1
  kill "$(program_pid)"
  wait_for 5 sh -c "! kill -0 $(program_pid)"
  check sway "ended by SIGTERM, the option still stored as on" test "$(stored FormMode)" = 1
  check sway "no error in the program's output" sh -c "! grep -qiE 'error|critical' '$dir/vaspo.log'"
  stop_all
}

# GNOME Shell's own means, through a small extension of the bench that opens the shell's
# unsafe mode for the run: Eval, screenshots, and a virtual pointer for real clicks.
shell_eval() {
  bus call --session -d org.gnome.Shell -o /org/gnome/Shell -m org.gnome.Shell.Eval "$1" |
    sed -n "s/^(true, '\(.*\)')$/\1/p" | sed 's/^"\(.*\)"$/\1/'
}
shell_click() {  # shell_click X Y [COUNT]: COUNT clicks of the left button at X,Y
  shell_eval "const Clutter = imports.gi.Clutter, GLib = imports.gi.GLib;
    const seat = Clutter.get_default_backend().get_default_seat();
    global._bench = global._bench || seat.create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);
    const d = global._bench; let t = GLib.get_monotonic_time();
    d.notify_absolute_motion(t, $1, $2);
    for (let i = 0; i < ${3:-1}; i++) {
      d.notify_button(t += 20000, Clutter.BUTTON_PRIMARY, Clutter.ButtonState.PRESSED);
      d.notify_button(t += 20000, Clutter.BUTTON_PRIMARY, Clutter.ButtonState.RELEASED);
    }" >/dev/null
}
indicator='Object.values(imports.ui.main.panel.statusArea).find(a => a._indicator && a._indicator.id)'
icon_place() { shell_eval "const a = $indicator; const [x, y] = a.get_transformed_position();
  const [w, h] = a.get_transformed_size(); a ? Math.round(x + w / 2) + ' ' + Math.round(y + h / 2) : ''"; }
shell_menu() { shell_eval "const a = $indicator; a && a.menu.isOpen ? a.menu._getMenuItems().map(i =>
  i.label ? i.label.text : '-').join('|') : ''"; }
no_menu_open() { sleep 1 && shell_menu_closed && menu_closed; }
shell_up() { [[ $(shell_eval 1) == 1 ]]; }
has_icon() { [[ -n $(icon_place) ]]; }
shell_item_place() { shell_eval "const a = $indicator; const i = a.menu._getMenuItems()[$1];
  const [x, y] = i.get_transformed_position(); const [w, h] = i.get_transformed_size();
  Math.round(x + w / 2) + ' ' + Math.round(y + h / 2)"; }
shell_menu_open() { [[ -n $(shell_menu) ]]; }
shell_menu_closed() { [[ -z $(shell_menu) ]]; }
shell_shot() { bus call --session -d org.gnome.Shell -o /org/gnome/Shell/Screenshot -m org.gnome.Shell.Screenshot.Screenshot false false "$1" >/dev/null; }

run_gnome() {
  fresh gnome
  session_bus
  # A private system bus that starts no services: the shell asks it for logind, accounts and the like,
  # and goes on without them.
  sed -e "s|<listen>.*</listen>|<listen>unix:path=$dir/system_bus</listen>|" -e '/<user>/d' -e '/<pidfile>/d' \
    -e '/<standard_system_servicedirs/d' -e '/system-local.conf/d' -e '/<include ignore_missing="yes">\/etc/d' \
    -e 's|<type>system</type>|<type>system</type><fork/>|' /usr/share/dbus-1/system.conf >"$dir/system.conf"
  as_user dbus-daemon --config-file="$dir/system.conf"
  environment+=(DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/system_bus" XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME)
  local ext=$dir/data/gnome-shell/extensions/bench@vaspo
  mkdir -p "$ext"
  echo '{"uuid": "bench@vaspo", "name": "bench", "description": "unsafe mode for the bench", "shell-version": ["43"]}' \
    >"$ext/metadata.json"
  echo 'function init() { return { enable() { global.context.unsafe_mode = true; }, disable() {} }; }' >"$ext/extension.js"
  chown -R "$user" "$dir"
  as_user gsettings set org.gnome.shell enabled-extensions "['ubuntu-appindicators@ubuntu.com', 'bench@vaspo']"
  as_user gsettings set org.gnome.shell welcome-dialog-last-shown-version "'99'"
  start shell.log gnome-shell --headless --wayland --virtual-monitor 1280x800
  check gnome "GNOME Shell runs headless, in unsafe mode for the bench" wait_for 30 shell_up ||
    { tail -5 "$dir/shell.log"; stop_all; return; }
  check gnome "the AppIndicator extension is on" test "$(shell_eval "imports.ui.main.extensionManager.lookup('ubuntu-appindicators@ubuntu.com').state")" = 1
  shell_eval 'imports.ui.main.overview.hide()' >/dev/null
  wait_for 10 grep -q 'Using public X11 display' "$dir/shell.log"
  xdisplay=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$dir/shell.log")
  environment+=(WAYLAND_DISPLAY=wayland-0 DISPLAY="$xdisplay" XAUTHORITY="$(ls "$dir"/run/.mutter-Xwaylandauth.* | head -n1)")
  start_program
  check gnome "the tank shows (XWayland $xdisplay)" wait_for 15 tank_is IsViewable
  check gnome "its item is in the top bar" wait_for 15 has_icon
  local place
  place=$(icon_place)
  note gnome "the icon is at $place"
  shell_shot "$out/gnome-panel.png"
  note gnome "screenshot: $out/gnome-panel.png"
  # shellcheck disable=SC2086
  shell_click $place
  check gnome "a left click offers the menu: $(sleep 1; shell_menu)" wait_for 3 shell_menu_open
  check gnome "and not a second one of the program" menu_closed
  shell_shot "$out/gnome-menu.png"
  note gnome "screenshot: $out/gnome-menu.png"
  shell_click 640 600
  check gnome "a click elsewhere closes the menu" wait_for 3 shell_menu_closed
  sleep 1
  # shellcheck disable=SC2086
  shell_click $place 2
  check gnome "a double click hides the tank" wait_for 3 tank_is IsUnMapped
  check gnome "and leaves no menu open, the shell's or the program's" no_menu_open
  sleep 1
  # shellcheck disable=SC2086
  shell_click $place 2
  check gnome "a second double click brings it back" wait_for 3 tank_is IsViewable
  for n in 1 2; do
    sleep 1
    # shellcheck disable=SC2086
    shell_click $place
    check gnome "single click $n again offers the menu" wait_for 3 shell_menu_open
    # shellcheck disable=SC2046
    shell_click $(shell_item_place 0)
    check gnome "its first item, clicked, $([[ $n == 1 ]] && echo hides || echo "brings back") the tank" \
      wait_for 3 tank_is "$([[ $n == 1 ]] && echo IsUnMapped || echo IsViewable)"
  done
  check gnome "the extension never reads the tip (it has no ToolTip property)" sh -c \
    "! grep -rq ToolTip /usr/share/gnome-shell/extensions/ubuntu-appindicators@ubuntu.com/appIndicator.js"
  kill "$(program_pid)"
  check gnome "no error in the program's output" sh -c "! grep -qiE 'error|critical' '$dir/vaspo.log'"
  stop_all
}

# A screenshot through KWin's own D-Bus interface (permission checks off for the bench), as PNG.
kwin_shot() {
  as_user python3 - "$1" <<'PY'
import dbus, os, struct, sys, zlib
bus = dbus.SessionBus()
shot = dbus.Interface(bus.get_object("org.kde.KWin", "/org/kde/KWin/ScreenShot2"), "org.kde.KWin.ScreenShot2")
read, write = os.pipe()
meta = shot.CaptureWorkspace({}, dbus.types.UnixFd(write))
os.close(write)
data = b"".join(iter(lambda: os.read(read, 1 << 20), b""))
w, h, stride, fmt = (int(meta[k]) for k in ("width", "height", "stride", "format"))
rows = []
for y in range(h):
    line = data[y * stride:y * stride + 4 * w]
    if fmt in (4, 5, 6):  # QImage's ARGB32 kinds: B, G, R, A in memory
        line = b"".join(line[i + 2:i + 3] + line[i + 1:i + 2] + line[i:i + 1] + line[i + 3:i + 4] for i in range(0, len(line), 4))
    rows.append(b"\0" + line)
chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(b"".join(rows))) + chunk(b"IEND", b"")
open(sys.argv[1], "wb").write(png)
PY
}

run_kde() {
  fresh kde
  session_bus
  # A copy of kwin_wayland without its file capabilities, which a container may refuse to grant.
  cp /usr/bin/kwin_wayland "$dir/kwin_wayland"
  printf '%s\n' '#!/bin/sh' "echo \"\$XAUTHORITY\" > '$dir/xauthority'" "echo \"\$DISPLAY\" > '$dir/display'" \
    "exec kded5 > '$dir/kded.log' 2>&1" >"$dir/session.sh"
  chmod +x "$dir/session.sh"
  chown -R "$user" "$dir"
  environment+=(XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=5
    KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1)
  start kwin.log "$dir/kwin_wayland" --virtual --xwayland --width 1280 --height 800 --socket wayland-kde \
    --no-lockscreen --exit-with-session "$dir/session.sh"
  check kde "kwin_wayland --virtual --xwayland runs" wait_for 20 test -s "$dir/display" ||
    { tail -5 "$dir/kwin.log"; stop_all; return; }
  xdisplay=$(cat "$dir/display")
  environment+=(WAYLAND_DISPLAY=wayland-kde DISPLAY="$xdisplay" XAUTHORITY="$(cat "$dir/xauthority")")
  start_program
  check kde "the tank shows (XWayland $xdisplay)" wait_for 30 tank_is IsViewable
  sleep 2
  start plasma.log env QT_QPA_PLATFORM=wayland plasmashell
  local started=$SECONDS
  check kde "plasmashell started 2 s after the tank: the item registers" wait_for 30 is_registered
  note kde "registered after $((SECONDS - started)) s (kded5's watcher and plasmashell starting on two cores)"
  check kde "plasmashell hosts the items" wait_for 10 host_registered
  check kde "the item's title is ばすぽう" item_has Title "'ばすぽう'"
  sleep 3
  kwin_shot "$out/kde-panel.png" 2>"$dir/shot.log" && note kde "screenshot: $out/kde-panel.png" ||
    note kde "no screenshot: $(tail -n1 "$dir/shot.log")"
  check kde "the exported menu: $(menu_labels)" test "$(menu_labels)" = "タスクトレイに入れる(_T)|ばすぽうの終了(_X)..."
  activate 1262 790 >/dev/null
  check kde "Activate at the icon's place opens the menu there" wait_for 3 menu_open
  note kde "the menu opened at $(x_menu_at) for a click at 1262 790"
  as_user env DISPLAY="$xdisplay" xdotool key Escape
  activate 1262 790 >/dev/null; sleep 0.1; activate 1262 790 >/dev/null
  check kde "a double click hides the tank" wait_for 3 tank_is IsUnMapped
  kill "$(program_pid)"
  check kde "no error in the program's output" sh -c "! grep -qiE 'error|critical' '$dir/vaspo.log'"
  stop_all
}

[[ ${BASH_SOURCE[0]} != "$0" ]] && return  # sourced: the functions only
for desktop in "${desktops[@]}"; do
  case $desktop in
  sway) run_sway ;;
  kde) run_kde ;;
  gnome) run_gnome ;;
  *) echo "unknown desktop: $desktop" >&2 ;;
  esac
done

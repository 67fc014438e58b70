#!/usr/bin/env bash
# The installer under Wine, as a user without administrator rights runs it, in a Wine prefix of
# its own: a silent install puts the program, its Start-menu entry and its entry among the
# installed programs in place, and the installed vaspo.exe starts from its folder alone; the
# uninstaller refuses while the program runs, then removes all of that and the start at login,
# and keeps the user's fish, history and photos.
# Usage: bash tests/windows/installer.sh SETUP   (with a DISPLAY, e.g. from scripts/windows.sh)
set -euo pipefail
SETUP=$(realpath "$1")
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
ensure_packages wine64 xdotool binutils
VERSION=$(sed -n 's/^project(vaspo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

ok() { echo "ok: $*"; }
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
[[ -n ${DISPLAY:-} ]] || fail "no DISPLAY to run the installer on"

TMP=$(mktemp -d /tmp/vaspo-installer.XXXXXX)
cleanup() {
  wineserver -k 2> /dev/null || true
  rm -rf "$TMP"
}
trap cleanup EXIT
# What is installed must not need the build's libraries.
unset WINEPATH
# winemenubuilder would copy the Start-menu entry and its icon into this machine's own menus.
export WINEPREFIX=$TMP/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wineboot -i > "$TMP/wine.log" 2>&1
wine() { command wine "$@" 2>> "$TMP/wine.log"; }
win_env() { wine cmd /c "echo %$1%" | tr -d '\r'; }

UNINSTALL='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\VASPO'
RUN='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
APPROVED='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run'
FISH='HKCU\Software\OSKE\VASPO'
INSTDIR_WIN="$(win_env LOCALAPPDATA)\\Programs\\VASPO"
INSTDIR=$(winepath -u "$INSTDIR_WIN" 2> /dev/null)
LINK="$(winepath -u "$(win_env APPDATA)" 2> /dev/null)/Microsoft/Windows/Start Menu/Programs/ばすぽう.lnk"

has_value() { wine reg query "$1" /v "$2" > /dev/null 2>&1; }
# A value of the uninstall entry as the .reg text writes it: "text" (quotes and backslashes
# escaped) or dword:hex.
entry_value() {
  wine reg export "$UNINSTALL" "$TMP/entry.reg" /y > /dev/null
  iconv -f UTF-16 -t UTF-8 "$TMP/entry.reg" | tr -d '\r' | sed -n "s/^\"$1\"=//p"
}
escaped() { local s=${1//\\/\\\\}; echo "\"${s//\"/\\\"}\""; }
expect_value() {
  local got
  got=$(entry_value "$1")
  [[ $got == "$2" ]] || fail "uninstall entry $1 is ${got:-missing}, not $2"
}

install() {
  timeout 120 wine "$SETUP" /S 2>> "$TMP/wine.log" || fail "the silent install ended with $?"
}
# NSIS's uninstaller runs from a copy in %TEMP% and returns at once: wait for Wine to be idle.
uninstall() {
  timeout 60 wine "$INSTDIR/uninstall.exe" /S 2>> "$TMP/wine.log" || fail "the uninstaller did not start ($?)"
  timeout 120 wineserver -w || fail "the uninstaller did not end"
}

install
ok "silent install into $INSTDIR_WIN"
for file in vaspo.exe VASPO.HLP VASPO_en.HLP qt.conf Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll \
  libgcc_s_seh-1.dll libwinpthread-1.dll plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll \
  translations/qtbase_ja.qm translations/qtbase_en.qm uninstall.exe; do
  [[ -f $INSTDIR/$file ]] || fail "no $file in the install folder"
done
ok "the program, its libraries, plugins, Qt's texts, the help and the uninstaller are in the folder"
[[ -f $LINK ]] || fail "no Start-menu entry $LINK"
strings -a "$LINK" | grep -qixF "$INSTDIR_WIN\\vaspo.exe" || fail "the Start-menu entry does not start $INSTDIR_WIN\\vaspo.exe"
ok "Start-menu entry ばすぽう.lnk starts the installed vaspo.exe"

expect_value DisplayName '"ばすぽう"'
expect_value DisplayVersion "\"$VERSION\""
expect_value Publisher '"ばすぽう開発チーム"'
expect_value DisplayIcon "$(escaped "$INSTDIR_WIN\\vaspo.exe,0")"
expect_value InstallLocation "$(escaped "$INSTDIR_WIN")"
expect_value UninstallString "$(escaped "\"$INSTDIR_WIN\\uninstall.exe\"")"
expect_value QuietUninstallString "$(escaped "\"$INSTDIR_WIN\\uninstall.exe\" /S")"
expect_value NoModify dword:00000001
expect_value NoRepair dword:00000001
size=$((16#$(entry_value EstimatedSize | sed 's/^dword://')))
actual=$(du -sk "$INSTDIR" | cut -f1)
((size > actual * 9 / 10 && size < actual * 11 / 10)) || fail "EstimatedSize is $size KB; the folder holds $actual KB"
ok "uninstall entry: name, version $VERSION, publisher, icon, location, both uninstall commands, no modify/repair, $size KB"

# /REGDEL deletes the stored fish, says so in a message box and ends; every DLL from the folder
# or from Windows.
wine reg add "$FISH" /v FishName /d Kingyo /f > /dev/null
(cd "$INSTDIR" && WINEDEBUG=+loaddll timeout 60 wine vaspo.exe /REGDEL > "$TMP/regdel.log" 2>&1) &
program=$!
box=$(timeout 60 xdotool search --sync --onlyvisible --class vaspo.exe | head -n1) || fail "vaspo.exe /REGDEL showed no window"
xdotool windowfocus "$box"
sleep 0.5
xdotool key Return
status=0
wait "$program" || status=$?
((status == 0)) || fail "vaspo.exe /REGDEL ended with $status"
! wine reg query "$FISH" > /dev/null 2>&1 || fail "vaspo.exe /REGDEL left $FISH"
loaded=$(sed 's/\\\\/\\/g; s/.*:loaddll:.*Loaded L"\([^"]*\)".*/\1/p; d' "$TMP/regdel.log")
grep -qixF "$INSTDIR_WIN\\plugins\\platforms\\qwindows.dll" <<< "$loaded" || fail "no qwindows.dll loaded from the folder"
outside=$(grep -v -i -F -e "$INSTDIR_WIN\\" -e 'C:\windows\system32\' <<< "$loaded" || true)
[[ -z $outside ]] || fail "the installed vaspo.exe loaded from elsewhere:"$'\n'"$outside"
ok "the installed vaspo.exe /REGDEL deleted the fish, confirmed it and ended with 0, all DLLs from its folder or Windows"

# Not while it runs: a silent uninstall gives up and changes nothing.
(cd "$INSTDIR" && command wine vaspo.exe > /dev/null 2>&1) &
timeout 60 xdotool search --sync --onlyvisible --class vaspo.exe > /dev/null || fail "vaspo.exe showed no window"
status=0
timeout 60 wine "$INSTDIR/uninstall.exe" /S "_?=$INSTDIR_WIN" 2>> "$TMP/wine.log" || status=$?
((status != 0 && status != 124)) || fail "the uninstaller ended with $status while vaspo.exe ran"
[[ -f $INSTDIR/vaspo.exe && -f $INSTDIR/Qt6Core.dll && -f $LINK ]] || fail "the uninstaller removed files while vaspo.exe ran"
has_value "$UNINSTALL" DisplayName || fail "the uninstaller removed its entry while vaspo.exe ran"
wineserver -k
wineserver -w
ok "while vaspo.exe runs the uninstaller ends with $status and leaves everything"

# The user's things, and the start at login of this copy.
wine reg add "$FISH" /v FishName /d Kingyo /f > /dev/null
printf 'history\r\n' > "$INSTDIR/VASPO.HIS"
printf 'BM' > "$INSTDIR/20261209.bmp"
wine reg add "$RUN" /v VASPO /d "\"$INSTDIR_WIN\\vaspo.exe\"" /f > /dev/null
wine reg add "$APPROVED" /v VASPO /t REG_BINARY /d 030000000000000000000000 /f > /dev/null
uninstall
[[ -d $INSTDIR ]] || fail "the uninstaller removed the folder with the user's files"
left=$(cd "$INSTDIR" && find . -mindepth 1 | sort | tr '\n' ' ')
[[ $left == "./20261209.bmp ./VASPO.HIS " ]] || fail "after the uninstall the folder holds: $left"
ok "uninstalled: every program file and folder gone; VASPO.HIS and 20261209.bmp kept"
[[ ! -e $LINK ]] || fail "the Start-menu entry is still there"
! wine reg query "$UNINSTALL" > /dev/null 2>&1 || fail "the uninstall entry is still there"
! has_value "$RUN" VASPO || fail "the Run value VASPO is still there"
! has_value "$APPROVED" VASPO || fail "the StartupApproved value VASPO is still there"
has_value "$FISH" FishName || fail "the fish $FISH is gone"
ok "Start-menu entry, uninstall entry, Run and StartupApproved values gone; the fish kept"

# Again into the folder with the user's files, whose start at login now belongs to another copy.
install
[[ -f $INSTDIR/vaspo.exe && -f $INSTDIR/VASPO.HIS ]] || fail "the second install went wrong"
wine reg add "$RUN" /v VASPO /d '"D:\vaspo\vaspo.exe"' /f > /dev/null
uninstall
has_value "$RUN" VASPO || fail "the uninstaller removed the Run value of another copy"
[[ -f $INSTDIR/VASPO.HIS && -f $INSTDIR/20261209.bmp && ! -e $INSTDIR/vaspo.exe ]] ||
  fail "the second uninstall went wrong"
ok "installed again beside the user's files and uninstalled; another copy's Run value kept"
echo "installer.sh: all passed"

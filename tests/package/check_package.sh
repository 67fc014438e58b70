#!/usr/bin/env bash
# The Debian package: built by scripts/package.sh (or the .deb given), lintian-clean,
# its files where they belong, and the program unpacked into a throwaway root
# writing into the user's data folder and reading the installed help.
# Usage: bash tests/package/check_package.sh [DEB]   (as root on Debian 12)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
ensure_packages "${TEST_PACKAGES[@]}" strace

if (($#)); then
    deb=$(realpath "$1")
else
    deb=$(bash scripts/package.sh | tee /dev/stderr | tail -n1)
fi
failed=0
fail() { echo "FAIL: $*"; failed=1; }

lintian --fail-on error,warning "$deb" || fail "lintian on $deb"

# Every file outside the package's doc folder, and nothing more.
expected=$( {
    printf '%s\n' /usr/games/vaspo /usr/share/games/vaspo/VASPO.HLP /usr/share/games/vaspo/VASPO_en.HLP \
        /usr/share/man/man6/vaspo.6.gz \
        /usr/share/applications/org.example.vaspo.desktop /usr/share/metainfo/org.example.vaspo.metainfo.xml
    (cd assets/icons && find . -type f | sed 's|^\.|/usr/share/icons|')
} | sort)
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./|/|' | sort)
diff <(echo "$expected") <(grep -v '^/usr/share/doc/vaspo/' <<<"$files") || fail "file list (< expected, > packaged)"
grep -qx /usr/share/doc/vaspo/copyright <<<"$files" || fail "no copyright file"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 fonts-ipafont-gothic qt6-translations-l10n; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

# Unpacked as apt would, the program's folder not writable for its user.
tmp=$(mktemp -d)
chmod 755 "$tmp"
root=$tmp/root
home=$tmp/home
dpkg -x "$deb" "$root"
chmod -R a-w "$root"
xvfb=""
program=""
cleanup() {
    [[ -n $program ]] && kill -KILL "$program" 2>/dev/null
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    chmod -R u+w "$tmp"
    rm -rf "$tmp"
}
trap cleanup EXIT
as_user=()
((EUID == 0)) && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)

exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [[ -s $tmp/display ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$tmp/display")"

# Day numbers count from 1989-12-31 in the local calendar.
today=$((($(date -d "$(date +%F)" +%s) - $(date -d 1989-12-31 +%s) + 43200) / 86400))
version=$(dpkg-deb -f "$deb" Version)
# Starts the installed program with a fish last seen DAYS_AGO days ago, traced,
# in a fresh home of its own.
start() {
    local day=$((today - $1))
    rm -rf "$home"
    mkdir -p "$home/config/OSKE" "$home/runtime"
    printf '[General]\nVersion=%s\nFishName=Gin\nSex=0\nStartDay=%s\nEatFood=%s\nWaterDay=%s\nLastRunDay=%s\n' \
        "$version" "$day" "$day" "$day" "$day" >"$home/config/OSKE/VASPO.conf"
    chmod 700 "$home/runtime"
    ((EUID == 0)) && chown -R nobody:nogroup "$home"
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/runtime \
        QT_QPA_PLATFORM=xcb strace -f -qq -e trace=openat -o "$tmp/trace" \
        "${as_user[@]}" "$root/usr/games/vaspo" >"$tmp/program.log" 2>&1 &
    program=$!
}
stop() { kill -KILL "$program" 2>/dev/null; wait "$program" 2>/dev/null || true; program=""; }
appears() { for _ in $(seq 150); do [[ -e $1 ]] && return 0; sleep 0.1; done; return 1; }

# A fish that died while the program was closed goes into the history at start.
start 60
appears "$home/data/OSKE/VASPO/VASPO.HIS" || fail "no history in the data folder: $(ls -R "$home")"
stop

# The help menu shows the installed help.
start 0
window=$(timeout 20 xdotool search --sync --onlyvisible --name "Gin - ばすぽう" | head -n1) || true
if [[ -z $window ]]; then
    fail "no tank window: $(cat "$tmp/program.log")"
else
    xdotool windowfocus --sync "$window" key alt+h
    sleep 0.5
    xdotool key h
    timeout 20 xdotool search --sync --onlyvisible --name "ばすぽう ヘルプ" >/dev/null || fail "no help window"
    grep -q "openat(.*\"$root/usr/share/games/vaspo/VASPO.HLP\", O_RDONLY" "$tmp/trace" ||
        fail "the installed help was not read"
fi
stop

if ((failed)); then
    echo "package checks failed"
    exit 1
fi
echo "package checks passed: $deb"

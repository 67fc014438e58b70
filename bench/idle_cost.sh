#!/usr/bin/env bash
# Benchmark (not a test): what the running tank costs while nobody touches it.
# Runs build/vaspo on a private virtual X display for SECONDS (default 60) and
# prints the CPU time it used and its peak memory. Build it first (scripts/run.sh
# or scripts/test.sh). Usage: bash bench/idle_cost.sh [SECONDS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
secs=${1:-60}
settle=3
[[ -x build/vaspo ]] || { echo "build/vaspo is missing: build it first with bash scripts/test.sh" >&2; exit 1; }
ensure_packages xvfb

tmp=$(mktemp -d)
xpid="" apid=""
cleanup() {
  [[ -n $apid ]] && kill -KILL "$apid" 2>/dev/null
  [[ -n $xpid ]] && kill "$xpid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# A stored fish of today, so that the program starts straight into its tank.
day=$(( ($(date -u -d "$(date +%F)" +%s) - $(date -u -d 1989-12-31 +%s)) / 86400 ))
mkdir -p "$tmp/config/OSKE" "$tmp/runtime"
chmod 700 "$tmp/runtime"
cat > "$tmp/config/OSKE/VASPO.conf" <<INI
[General]
Version=0.32
FishName=ベンチ
Sex=0
Speed=800
Stress=0
WaterConc=255
StartDay=$day
EatFood=$day
WaterDay=$day
LastRunDay=$day
_StartDay=$(date +%Y/%m/%d)
FormWidth=5580
FormHeight=3105
FormTop=1500
FormLeft=1500
INI

# Private X display; Xvfb writes its display number to fd 3.
exec 3> "$tmp/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
exec 3>&-
for _ in $(seq 50); do [[ -s $tmp/displayfd ]] && break; sleep 0.1; done
[[ -s $tmp/displayfd ]] || { echo "Xvfb did not start" >&2; exit 1; }

DISPLAY=":$(head -n1 "$tmp/displayfd")" QT_QPA_PLATFORM=xcb \
  XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime" \
  build/vaspo > "$tmp/vaspo.log" 2>&1 &
apid=$!

# utime + stime of a process, in clock ticks (the fields after "pid (name) ").
ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
alive() { kill -0 "$apid" 2>/dev/null || { echo "vaspo exited early:" >&2; cat "$tmp/vaspo.log" >&2; exit 1; }; }

sleep "$settle"; alive
a0=$(ticks "$apid"); x0=$(ticks "$xpid")
sleep "$secs"; alive
a1=$(ticks "$apid"); x1=$(ticks "$xpid")
hwm_kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$apid/status")

kill -TERM "$apid"
for _ in $(seq 50); do kill -0 "$apid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$apid" 2>/dev/null; then end="still running 5 s after SIGTERM (killed)"; else
  wait "$apid" && end="exited with status 0" || end="exited with status $?"; fi
apid=""

hz=$(getconf CLK_TCK)
awk -v s="$secs" -v a=$((a1 - a0)) -v x=$((x1 - x0)) -v hz="$hz" -v kb="$hwm_kb" 'BEGIN {
  printf "duration:          %d s (after %d s settling)\n", s, '"$settle"'
  printf "CPU used (vaspo):  %.2f s\n", a / hz
  printf "CPU per minute:    %.3f s/min\n", a / hz * 60 / s
  printf "peak memory:       %.1f MiB (VmHWM)\n", kb / 1024
  printf "CPU used (Xvfb):   %.2f s (drawing on the X server side)\n", x / hz
}'
echo "on SIGTERM vaspo:  $end"

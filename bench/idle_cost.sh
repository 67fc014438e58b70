#!/usr/bin/env bash
# Benchmark (not a test): what the running tank costs while nobody touches it,
# side by side with a bare Qt window that has an idle 200 ms timer.
# On a private virtual X display with a window manager (openbox) it measures,
# one after the other for SECONDS each (default 60): the bare program, the
# tank shown, and the tank minimised. It prints the CPU time each used and its
# peak memory. Build first (scripts/run.sh or scripts/test.sh).
# Usage: bash bench/idle_cost.sh [SECONDS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
secs=${1:-60}
settle=3
[[ -x build/vaspo ]] || { echo "build/vaspo is missing: build it first with bash scripts/test.sh" >&2; exit 1; }
ensure_packages xvfb openbox xdotool
cmake --build build --target bare_timer >/dev/null

tmp=$(mktemp -d)
xpid="" wpid="" apid=""
cleanup() {
  [[ -n $apid ]] && kill -KILL "$apid" 2>/dev/null
  [[ -n $wpid ]] && kill "$wpid" 2>/dev/null
  [[ -n $xpid ]] && kill "$xpid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# A stored fish of today, so that the program starts straight into its tank.
day=$(( ($(date -u -d "$(date +%F)" +%s) - $(date -u -d 1989-12-31 +%s)) / 86400 ))
mkdir -p "$tmp/config/OSKE" "$tmp/runtime"
chmod 700 "$tmp/runtime"
write_fish() {
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
}

# Private X display (Xvfb writes its number to fd 3) with a window manager.
exec 3> "$tmp/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
exec 3>&-
for _ in $(seq 50); do [[ -s $tmp/displayfd ]] && break; sleep 0.1; done
[[ -s $tmp/displayfd ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$tmp/displayfd")" QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime" XDG_DATA_HOME="$tmp/data"
openbox >/dev/null 2>&1 &
wpid=$!
sleep 1

# CPU time of all threads of a process, in nanoseconds (the first field of
# each thread's schedstat; far finer than the clock ticks of /proc/<pid>/stat).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ t += $1 } END { printf "%d", t }'; }

# measure NAME TITLE MINIMISE COMMAND...: starts COMMAND, lets it settle, optionally
# minimises its window (found by TITLE), measures, ends it with SIGTERM.
measure() {
  local name=$1 title=$2 minimise=$3
  shift 3
  write_fish
  "$@" > "$tmp/app.log" 2>&1 &
  apid=$!
  sleep "$settle"
  if [[ $minimise == yes ]]; then
    xdotool search --sync --name "$title" windowminimize --sync >/dev/null
    sleep 1
  fi
  kill -0 "$apid" 2>/dev/null || { echo "$name exited early:" >&2; cat "$tmp/app.log" >&2; exit 1; }
  local a0 x0 a1 x1 kb
  a0=$(cpu_ns "$apid"); x0=$(cpu_ns "$xpid")
  sleep "$secs"
  a1=$(cpu_ns "$apid"); x1=$(cpu_ns "$xpid")
  kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$apid/status")
  kill -TERM "$apid"
  local end="still running 5 s after SIGTERM (killed)"
  for _ in $(seq 50); do kill -0 "$apid" 2>/dev/null || break; sleep 0.1; done
  if ! kill -0 "$apid" 2>/dev/null; then wait "$apid" && end="exited with status 0" || end="exited with status $?"; fi
  kill -KILL "$apid" 2>/dev/null || true
  apid=""
  awk -v n="$name" -v s="$secs" -v a=$((a1 - a0)) -v x=$((x1 - x0)) -v kb="$kb" -v e="$end" 'BEGIN {
    printf "%-22s CPU %6.3f s in %d s = %5.3f ms/s   Xvfb %6.3f s   peak %.1f MiB   %s\n", n, a / 1e9, s, a / 1e6 / s, x / 1e9, kb / 1024, e
  }'
}

echo "idle cost over $secs s each (after $settle s settling), $(nproc) CPUs"
measure "bare Qt, 200 ms timer" "bare timer" no build/bench/bare_timer
measure "tank shown" "ベンチ - ばすぽう" no build/vaspo
measure "tank minimised" "ベンチ - ばすぽう" yes build/vaspo

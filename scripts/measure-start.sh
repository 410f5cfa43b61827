#!/usr/bin/env bash
# Measures a cold start: the time from launch to the first frame, and the resident memory
# of the running show, with the flat look and with 3D stones.
#   scripts/measure-start.sh PATH/TO/tenukiro [RUNS]
# --render is timed from launch to exit (the picture is written just before it ends);
# /s and -root run under a private Xvfb and report their first presented frame through
# TENUKIRO_TRACE_START. Every figure is the median of RUNS runs (default 7): wall-clock
# milliseconds and processor milliseconds (user + system), then VmRSS and VmHWM in MB of the
# show a few seconds after its start. The load average is printed before and after, since
# wall-clock times mean little on a busy machine.
set -euo pipefail
PROGRAM=$(realpath "${1:?usage: measure-start.sh PATH/TO/tenukiro [RUNS]}")
RUNS=${2:-7}
SETTLE=${TENUKIRO_SETTLE_SECONDS:-4}
WORK=$(mktemp -d)
export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime" XDG_DATA_HOME="$WORK/data"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
XVFB_PID=
APP_PID=
cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 200); do [ -s "$WORK/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$WORK/display")" QT_QPA_PLATFORM=xcb

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2)}'; }

# render_once 0|1: "WALL CPU" in milliseconds of one --render run.
render_once() {
  local timing
  timing=$( { TIMEFORMAT='%R %U %S'; time "$PROGRAM" --render "$WORK/out.png" --size 1920x1080 --at 0 \
    --seed 1 --set "With3DEffect=$1" >/dev/null 2>&1; } 2>&1)
  awk '{printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000}' <<<"$timing"
}

# show_once MODE 0|1: "WALL CPU RSS HWM" of one show started as MODE (/s or -root).
show_once() {
  local err="$WORK/err" line
  TENUKIRO_TRACE_START=$(date +%s%N) "$PROGRAM" "$1" --seed 1 --set "With3DEffect=$2" 2>"$err" &
  APP_PID=$!
  for _ in $(seq 600); do grep -q "first frame" "$err" && break; sleep 0.05; done
  line=$(grep "first frame" "$err" || echo "never 0 0")
  sleep "$SETTLE"
  local rss hwm
  rss=$(awk '/^VmRSS/ {print int($2 / 1024)}' "/proc/$APP_PID/status")
  hwm=$(awk '/^VmHWM/ {print int($2 / 1024)}' "/proc/$APP_PID/status")
  kill "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=
  # "tenukiro: first frame presented W ms after launch, C ms of processor time"
  awk -v rss="$rss" -v hwm="$hwm" '{print $5, $9, rss, hwm}' <<<"$line"
}

# column N of the collected runs, as a median
col() { awk -v n="$1" '{print $n}' "$WORK/runs" | median; }

echo "program: $PROGRAM"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-8s %-5s %9s %8s %7s %7s\n' mode look wall_ms cpu_ms rss_mb hwm_mb
for effect in 0 1; do
  look=$([ "$effect" = 1 ] && echo 3D || echo flat)
  : >"$WORK/runs"
  render_once "$effect" >/dev/null  # warms the page cache
  for _ in $(seq "$RUNS"); do render_once "$effect" >>"$WORK/runs"; done
  printf '%-8s %-5s %9s %8s %7s %7s\n' --render "$look" "$(col 1)" "$(col 2)" - -
  for mode in /s -root; do
    : >"$WORK/runs"
    for _ in $(seq "$RUNS"); do show_once "$mode" "$effect" >>"$WORK/runs"; done
    printf '%-8s %-5s %9s %8s %7s %7s\n' "$mode" "$look" "$(col 1)" "$(col 2)" "$(col 3)" "$(col 4)"
  done
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"

#!/usr/bin/env bash
# Measures a cold start: the time from launch to the first frame, and the resident memory
# of the running show, with the flat look and with 3D stones.
#   scripts/measure-start.sh PATH/TO/tenukiro [RUNS] [screens]
# With "screens", /s instead runs on an X screen of two 1920x1080 monitors, once with the show
# on the primary monitor alone (AllScreens=0) and once with a show on each (AllScreens=1); the
# figures then add the processor time the show spends per second once it runs (cpu_ms_s).
# --render is timed from launch to exit (the picture is written just before it ends);
# /s and -root run under a private Xvfb and report their first presented frame through
# TENUKIRO_TRACE_START. Every figure is the median of RUNS runs (default 7): wall-clock
# milliseconds and processor milliseconds (user + system), then VmRSS and VmHWM in MB of the
# show a few seconds after its start. The load average is printed before and after, since
# wall-clock times mean little on a busy machine.
set -euo pipefail
PROGRAM=$(realpath "${1:?usage: measure-start.sh PATH/TO/tenukiro [RUNS]}")
RUNS=${2:-7}
SCREENS=${3:-}
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

SCREEN_SIZE=$([ "$SCREENS" = screens ] && echo 3840x1080 || echo 1920x1080)
Xvfb -displayfd 3 -screen 0 "${SCREEN_SIZE}x24" -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 200); do [ -s "$WORK/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$WORK/display")" QT_QPA_PLATFORM=xcb
if [ "$SCREENS" = screens ]; then
  xrandr --setmonitor left 1920/508x1080/286+0+0 screen >/dev/null
  xrandr --setmonitor right 1920/508x1080/286+1920+0 none >/dev/null
fi

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2)}'; }

# render_once 0|1: "WALL CPU" in milliseconds of one --render run.
render_once() {
  local timing
  timing=$( { TIMEFORMAT='%R %U %S'; time "$PROGRAM" --render "$WORK/out.png" --size 1920x1080 --at 0 \
    --seed 1 --set "With3DEffect=$1" >/dev/null 2>&1; } 2>&1)
  awk '{printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000}' <<<"$timing"
}

# processor_ms PID: user + system time of a process so far.
processor_ms() { awk -v tick="$(getconf CLK_TCK)" '{print int(($14 + $15) * 1000 / tick)}' "/proc/$1/stat"; }

# show_once MODE 0|1 [SETTINGS...]: "WALL CPU RSS HWM CPU_PER_S" of one show started as MODE
# (/s or -root), its first frame being the last of the $WINDOWS windows' first frames; the
# last figure is the processor time per second over the settling time.
WINDOWS=1
show_once() {
  local err="$WORK/err" line before after
  : >"$err"
  TENUKIRO_TRACE_START=$(date +%s%N) "$PROGRAM" "$1" --seed 1 --set "With3DEffect=$2" "${@:3}" 2>"$err" &
  APP_PID=$!
  for _ in $(seq 600); do [ "$(grep -c "first frame" "$err")" -ge "$WINDOWS" ] && break; sleep 0.05; done
  line=$(grep "first frame" "$err" | sed -n "${WINDOWS}p")
  [ -n "$line" ] || line="tenukiro: first frame presented never ms after launch, never ms"
  before=$(processor_ms "$APP_PID")
  sleep "$SETTLE"
  after=$(processor_ms "$APP_PID")
  local rss hwm
  rss=$(awk '/^VmRSS/ {print int($2 / 1024)}' "/proc/$APP_PID/status")
  hwm=$(awk '/^VmHWM/ {print int($2 / 1024)}' "/proc/$APP_PID/status")
  kill "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=
  # "tenukiro: first frame presented W ms after launch, C ms of processor time"
  awk -v rss="$rss" -v hwm="$hwm" -v busy=$(((after - before) / SETTLE)) '{print $5, $9, rss, hwm, busy}' <<<"$line"
}

# column N of the collected runs, as a median
col() { awk -v n="$1" '{print $n}' "$WORK/runs" | median; }

echo "program: $PROGRAM"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
if [ "$SCREENS" = screens ]; then
  printf '%-12s %-5s %9s %8s %7s %7s %8s\n' screens look wall_ms cpu_ms rss_mb hwm_mb cpu_ms_s
  for effect in 0 1; do
    look=$([ "$effect" = 1 ] && echo 3D || echo flat)
    for all in 0 1; do
      WINDOWS=$((all + 1))
      : >"$WORK/runs"
      for _ in $(seq "$RUNS"); do show_once /s "$effect" --set "AllScreens=$all" >>"$WORK/runs"; done
      printf '%-12s %-5s %9s %8s %7s %7s %8s\n' "AllScreens=$all" "$look" "$(col 1)" "$(col 2)" "$(col 3)" \
        "$(col 4)" "$(col 5)"
    done
  done
  echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
  exit 0
fi
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

#!/usr/bin/env bash
# The GL library is mapped only when a sphere is first needed: a show with the flat look
# never loads it (nor the sphere module), a show with 3D stones does.
source "$(dirname "$0")/common.bash"
start_xvfb 800x600

# start_show MODE 0|1: starts the show and waits (generously: the machine may be busy) until
# its first frame is on the screen.
start_show() {
  TENUKIRO_TRACE_START=$(date +%s%N) "$TENUKIRO" "$1" --seed 3 --set "With3DEffect=$2" --set StoneRadius=12 \
    2>"$WORK/err" &
  APP_PID=$!
  for _ in $(seq 300); do grep -q 'first frame' "$WORK/err" 2>/dev/null && return 0; sleep 0.1; done
  fail "$1 presented no frame: $(cat "$WORK/err")"
}

stop_show() {
  kill "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=
}

# mapped PATTERN: whether the running show has a file matching PATTERN mapped.
mapped() { grep -qi "$1" "/proc/$APP_PID/maps"; }

for mode in /s -root; do
  start_show "$mode" 0
  sleep 3  # the show goes on to its first stones
  mapped libQt6Gui || fail "$mode: its memory map was not read"
  mapped 'libOSMesa\|tenukiro_spheres' && fail "$mode with the flat look loaded the GL library"
  stop_show
  start_show "$mode" 1
  for _ in $(seq 100); do mapped tenukiro_spheres && break; sleep 0.1; done
  mapped tenukiro_spheres || fail "$mode with 3D stones did not load the sphere module"
  mapped libOSMesa || fail "$mode with 3D stones did not load the GL library"
  stop_show
done
echo "lean start: ok"

#!/usr/bin/env bash
# The saver on two monitors (a nested X server with two Xinerama heads side by side, 1024x768
# and 800x600, and no RandR, so that Wine takes its monitors from Xinerama): with AllScreens 0
# the show on the primary monitor and the other one covered black; with AllScreens 1 a show on
# each; either way one input on any monitor ends the saver, every window of it gone.
source "$(dirname "$0")/../wine.bash"
start_xvfb 1900x800
# A white root: a monitor left uncovered shows white.
Xephyr -displayfd 4 -screen 1024x768 -screen 800x600 +xinerama -extension RANDR -wr -nolisten tcp -noreset \
  4>"$WORK/nested" 2>"$WORK/xephyr.log" &
NESTED_PID=$!
trap 'kill "$NESTED_PID" 2>/dev/null || true; wine_cleanup' EXIT
for _ in $(seq 100); do [ -s "$WORK/nested" ] && break; sleep 0.1; done
[ -s "$WORK/nested" ] || fail "Xephyr did not start: $(tail -n 3 "$WORK/xephyr.log")"
export DISPLAY=":$(head -n1 "$WORK/nested")"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo -ext XINERAMA | grep -q "head #1: 800x600 @ 1024,0" || fail "no second head: $(xdpyinfo -ext XINERAMA | tail -n 2)"
wineboot -i >"$WORK/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -n 5 "$WORK/wineboot.log")"

# The system lists both monitors, the primary one first.
monitors=$(wine "$BUILD/tests/win32/host_files_test.exe" monitors | tr -d '\r' | tr '\n' ' ')
[ "$monitors" = "1024x768+0+0 800x600+1024+0 " ] || fail "the monitors are listed as '$monitors'"

write_position_record "$WORK/position.sgf"
record=$(winepath -w "$WORK/position.sgf")
PRIMARY=1024x768+0+0
SECOND=800x600+1024+0

# wait_on NAME REGION HEX: screenshots until the region shows the colour, at most 20 s.
wait_on() {
  for _ in $(seq 80); do
    shot "$1"
    region_has "$WORK/$1.png" "$2" "$3" && return 0
    sleep 0.25
  done
  fail "$1: no #$3 in $2 ($WORK/$1.png)"
}

# ends_all NAME: the saver has ended with status 0 and left no window.
ends_all() {
  local status
  status=$(wait_for_status 15)
  [ "$status" = 0 ] || fail "$1: the saver ended with $status"
  xdotool search --classname tenukiro.scr >/dev/null 2>&1 && fail "$1: a window of the saver stays"
  return 0
}

start_saver /s "$record"
wait_on primary_only "$PRIMARY" FFAA55
sleep 1
shot primary_only
black=$(count_colour "$WORK/primary_only.png" "$SECOND" 000000)
[ "$black" -eq 480000 ] || fail "the second monitor is not covered black ($black black pixels of 480000)"
press_key a
ends_all "one show"

# Each monitor's show is laid out for that monitor: its board fits the smaller one. The pointer
# waits on the second monitor before the saver starts, and a click there ends both shows.
reg_set AllScreens REG_DWORD 1
xdotool mousemove 1400 300
start_saver /s "$record"
wait_on every_monitor "$SECOND" FFAA55
wait_on every_monitor "$PRIMARY" FFAA55
sleep 1
shot every_monitor
second_board=$(convert "$WORK/every_monitor.png" -crop "$SECOND" +repage -fill black +opaque "#FFAA55" -format "%@" info:)
read -r width height left top <<<"$(tr 'x+' '  ' <<<"$second_board")"
[ "$((left + width))" -le 800 ] && [ "$((top + height))" -le 600 ] || fail "the second show's board ($second_board) overruns its monitor"
xdotool click 1
ends_all "a show on each monitor"
echo "monitors: the second one black, then a show on each ($second_board); one input ended all"

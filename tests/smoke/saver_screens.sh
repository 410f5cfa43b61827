#!/usr/bin/env bash
# /s shows the show on the primary screen and blanks every other screen in black, until it ends.
# One X screen split into two RandR monitors gives Qt two screens; -noreset keeps the monitors
# when the last client leaves.
source "$(dirname "$0")/common.bash"
start_xvfb 1600x600
xrandr --setmonitor left 800/200x600/150+0+0 screen
xrandr --setmonitor right 800/200x600/150+800+0 none
xsetroot -solid '#00FF00'

"$TENUKIRO" /s --set ScreenBackgroundColorRed=10 --set ScreenBackgroundColorGreen=20 \
  --set ScreenBackgroundColorBlue=200 --set PasswordDelay=100 &
APP_PID=$!
wait_for_window Tenukiro
sleep 1
import -window root "$WORK/shot.png"
[ "$(pixel_at "$WORK/shot.png" 5 5)" = "10,20,200" ] || fail "the primary's corner is $(pixel_at "$WORK/shot.png" 5 5)"
[ "$(pixel_at "$WORK/shot.png" 795 595)" = "10,20,200" ] || fail "the show does not reach the primary's corner"
region_has "$WORK/shot.png" 800x600+0+0 FFAA55 || fail "no board on the primary screen"
for point in "800 0" "1200 300" "1599 599"; do
  [ "$(pixel_at "$WORK/shot.png" $point)" = "0,0,0" ] || fail "the other screen is not black at $point"
done

# A move on the other screen counts: past the threshold from the first position, the saver ends.
xdotool mousemove 1000 300
sleep 0.3
xdotool mousemove 1300 300
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "a move on the blank screen did not end the saver"
wait "$APP_PID" || fail "the saver exited with an error"
APP_PID=
import -window root "$WORK/after.png"
[ "$(pixel_at "$WORK/after.png" 1200 300)" = "0,255,0" ] || fail "the black window outlived the saver"
echo "saver screens: ok"

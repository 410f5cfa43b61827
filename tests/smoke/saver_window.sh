#!/usr/bin/env bash
# /s covers the screen with the show and ends on a key press.
source "$(dirname "$0")/common.bash"
start_xvfb 800x600

"$TENUKIRO" /s --set ScreenBackgroundColorRed=10 --set ScreenBackgroundColorGreen=20 \
  --set ScreenBackgroundColorBlue=200 --set PasswordDelay=100 &
APP_PID=$!
wait_for_window Tenukiro
sleep 1
import -window root "$WORK/shot.png"
[ "$(pixel_at "$WORK/shot.png" 5 5)" = "10,20,200" ] || fail "top-left is $(pixel_at "$WORK/shot.png" 5 5)"
[ "$(pixel_at "$WORK/shot.png" 795 595)" = "10,20,200" ] || fail "bottom-right is not the show"
region_has "$WORK/shot.png" 800x600+0+0 FFAA55 || fail "no board on the screen"

# Resting the pointer where it is does not end the saver; a key does.
xdotool mousemove 400 300
sleep 0.5
kill -0 "$APP_PID" 2>/dev/null || fail "the saver ended without input"
xdotool key a
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "the saver did not end on a key press"
wait "$APP_PID" || fail "the saver exited with an error"
APP_PID=
echo "saver window: ok"

#!/usr/bin/env bash
# /s on a Wayland session with no X server: overlay surfaces cover both outputs, the board on the
# first announced and black on the other (AllScreens 1: a show on each); a key ends it with 0.
source "$(dirname "$0")/../common.bash"
source "$(dirname "$0")/sway.bash"
start_sway
colours=(--set ScreenBackgroundColorRed=10 --set ScreenBackgroundColorGreen=20 --set ScreenBackgroundColorBlue=200
         --set PasswordDelay=100)

"$TENUKIRO" /s "${colours[@]}" 2>"$WORK/app.log" &
APP_PID=$!
wait_for_board 0 || fail "no board on the first output: $(cat "$WORK/app.log")"
shot one
[ "$(pixel_at "$WORK/one.png" 5 5)" = "10,20,200" ] || fail "the first output's corner is $(pixel_at "$WORK/one.png" 5 5)"
[ "$(pixel_at "$WORK/one.png" 639 479)" = "10,20,200" ] || fail "the show does not reach the first output's corner"
for point in "640 0" "960 240" "1279 479"; do
  [ "$(pixel_at "$WORK/one.png" $point)" = "0,0,0" ] || fail "the other output is not black at $point"
done
press_until_ends space "$APP_PID" || fail "a key did not end the saver"
wait "$APP_PID" || fail "the saver ended with status $?: $(cat "$WORK/app.log")"
APP_PID=
shot after
[ "$(pixel_at "$WORK/after.png" 960 240)" = "0,255,0" ] || fail "the black surface outlived the saver"

# --window: an ordinary window with the show, which Escape closes.
"$TENUKIRO" --window "${colours[@]}" 2>"$WORK/app.log" &
APP_PID=$!
wait_for_board 0 || wait_for_board 640 || fail "--window shows no board: $(cat "$WORK/app.log")"
press_until_ends Escape "$APP_PID" || fail "Escape did not close the window"
wait "$APP_PID" || fail "the window ended with status $?"
APP_PID=

"$TENUKIRO" /s "${colours[@]}" --set AllScreens=1 2>"$WORK/app.log" &
APP_PID=$!
wait_for_board 640 || fail "AllScreens=1: no board on the second output: $(cat "$WORK/app.log")"
shot both
region_has "$WORK/both.png" 640x480+0+0 FFAA55 || fail "AllScreens=1: no board on the first output"
[ "$(pixel_at "$WORK/both.png" 645 5)" = "10,20,200" ] || fail "AllScreens=1: the second output's corner is not the show's"

# An output that goes loses its surface; one that comes back gets one again.
swaymsg output HEADLESS-2 disable >/dev/null
sleep 1
kill -0 "$APP_PID" 2>/dev/null || fail "the saver ended when an output went: $(cat "$WORK/app.log")"
swaymsg output HEADLESS-2 enable >/dev/null
wait_for_board 640 || fail "the output that came back shows no board"

# The compositor going away ends the show cleanly.
kill "$SWAY_PID"
ends_within 50 "$APP_PID" || fail "the saver outlived its compositor"
status=0
wait "$APP_PID" || status=$?
APP_PID=
[ "$status" -eq 0 ] || fail "the saver ended with status $status when the compositor went: $(cat "$WORK/app.log")"
echo "wayland saver outputs: ok"

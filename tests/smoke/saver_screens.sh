#!/usr/bin/env bash
# /s shows the show on the primary screen and blanks every other screen in black, until it ends;
# with AllScreens a show of its own on every screen, all ending on one input, and screens that go
# and come while it runs lose or get their window.
# One X screen split into two RandR monitors gives Qt two screens; -noreset keeps the monitors
# when the last client leaves.
source "$(dirname "$0")/common.bash"
start_xvfb 1600x600
xrandr --setmonitor left 800/200x600/150+0+0 screen
xrandr --setmonitor right 800/200x600/150+800+0 none
xsetroot -solid '#00FF00'

# board_width FILE WxH+X+Y: the width of the board in that region of a screenshot.
board_width() {
  convert "$1" -crop "$2" +repage -fill black +opaque "#FFAA55" -fill white -opaque "#FFAA55" -trim -format %w info:
}
shows_on_both() {  # shows_on_both FILE: a board on each monitor
  region_has "$1" 800x600+0+0 FFAA55 && region_has "$1" 800x600+800+0 FFAA55
}
wait_for_both() {  # wait_for_both FILE: a screenshot with a board on each monitor, or a failure
  for _ in $(seq 50); do
    import -window root "$1"
    shows_on_both "$1" && return 0
    sleep 0.2
  done
  fail "$2"
}
# ends_by EVENT: the saver ends soon after EVENT, with exit 0.
ends_by() {
  for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$APP_PID" 2>/dev/null && fail "$1 did not end the shows"
  wait "$APP_PID" || fail "the shows ended with an error: $(cat "$WORK/app.log")"
  APP_PID=
}

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
ends_by "a move on the blank screen"
import -window root "$WORK/after.png"
[ "$(pixel_at "$WORK/after.png" 1200 300)" = "0,255,0" ] || fail "the black window outlived the saver"


printf '(;SZ[9])' >"$WORK/nine.sgf"
printf '(;SZ[19])' >"$WORK/nineteen.sgf"
every_screen=(/s --set AllScreens=1 --set PasswordDelay=100 --set GridPosition=0 --set RandomAccess=0
  --set FinalPositionTime=100 --set NumOfFile=2 --set "File0=$WORK/nine.sgf" --set "File1=$WORK/nineteen.sgf")

"$TENUKIRO" "${every_screen[@]}" >"$WORK/app.log" 2>&1 &
APP_PID=$!
wait_for_both "$WORK/every.png" "AllScreens=1 shows no board on both screens"
# The second show starts on the next record of the list: a larger board.
nine=$(board_width "$WORK/every.png" 800x600+0+0) nineteen=$(board_width "$WORK/every.png" 800x600+800+0)
[ "$nine" -lt "$nineteen" ] || fail "both screens start on one record (boards $nine and $nineteen wide)"

# A screen unplugged during the show loses its show; one plugged in gets one; nothing crashes.
xrandr --delmonitor right >/dev/null
sleep 1
kill -0 "$APP_PID" 2>/dev/null || fail "the saver died when a screen went: $(cat "$WORK/app.log")"
import -window root "$WORK/removed.png"
region_has "$WORK/removed.png" 800x600+0+0 FFAA55 || fail "no board left on the primary screen"
[ "$(pixel_at "$WORK/removed.png" 1200 300)" = "0,255,0" ] || fail "the gone screen's show stayed"
xrandr --setmonitor again 800/200x600/150+800+0 none >/dev/null
wait_for_both "$WORK/again.png" "the screen plugged in got no show"

# One key ends every show.
xdotool key space
ends_by "a key"
import -window root "$WORK/ended.png"
for point in "400 300" "1200 300"; do
  [ "$(pixel_at "$WORK/ended.png" $point)" = "0,255,0" ] || fail "a show outlived the key at $point"
done

# A mouse move over the second screen's show ends them too.
"$TENUKIRO" "${every_screen[@]}" >"$WORK/app.log" 2>&1 &
APP_PID=$!
wait_for_both "$WORK/every.png" "AllScreens=1 shows no board on both screens"
xdotool mousemove 1000 300
sleep 0.3
xdotool mousemove 1300 300
ends_by "a move over the second show"
echo "saver screens: ok"

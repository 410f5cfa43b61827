#!/usr/bin/env bash
# --render writes the show's full frame of a long game as a PNG: the board colour, both stone
# colours and the screen background must be there, at several sizes.
source "$(dirname "$0")/common.bash"
unset DISPLAY
own_records >/dev/null
game="$WORK/records/random-19x19-1.sgf"

has_colour() {  # has_colour FILE R,G,B
  local colours
  colours=$(convert "$1" -format %c histogram:info:-)
  [[ "$colours" == *"($2)"* ]]
}

# The last one is a host's small preview of a 1024 x 768 screen: R = 2.
for sizes in 1920x1080:1920x1080 800x600:800x600 152x112:1024x768; do
  size=${sizes%:*}
  out="$WORK/board-$size.png"
  "$TENUKIRO" --render "$out" --size "$size" --screen "${sizes#*:}" --step 120 --set With3DEffect=0 --set GridPosition=0 \
    --set BackColorRed=200 --set BackColorGreen=150 --set BackColorBlue=60 \
    --set WhiteColorRed=240 --set WhiteColorGreen=240 --set WhiteColorBlue=230 \
    --set BlackColorRed=10 --set BlackColorGreen=20 --set BlackColorBlue=30 "$game" \
    || fail "--render failed at $size"
  [ "$(identify -format %wx%h "$out")" = "$size" ] || fail "$out is not $size"
  has_colour "$out" "200,150,60" || fail "no board colour at $size"
  has_colour "$out" "240,240,230" || fail "no white stones at $size"
  has_colour "$out" "10,20,30" || fail "no black stones at $size"
  # Centred: the screen background shows in the corners, the board in the middle.
  [ "$(pixel_at "$out" 0 0)" = "0,0,0" ] || fail "corner of $size is not screen background"
done

# The board point at the window's centre of an empty 19 x 19 board is the centre star point.
printf '(;SZ[19])' >"$WORK/empty.sgf"
"$TENUKIRO" --render "$WORK/empty.png" --size 400x400 --set GridPosition=0 "$WORK/empty.sgf" || fail "empty board"
[ "$(pixel_at "$WORK/empty.png" 200 200)" = "0,0,0" ] || fail "no star point at the centre"
[ "$(pixel_at "$WORK/empty.png" 205 205)" = "255,170,85" ] || fail "no board colour beside the centre"

# Bad sizes are refused or give no picture, never a crash.
"$TENUKIRO" --render "$WORK/x.png" --size 10 "$game" 2>/dev/null && fail "a malformed size was accepted"
set +e
"$TENUKIRO" --render "$WORK/x.png" --size 0x0 "$game" 2>/dev/null; status=$?
set -e
[ "$status" -eq 1 ] || fail "an empty client area gave status $status"
echo "render snapshot ok"

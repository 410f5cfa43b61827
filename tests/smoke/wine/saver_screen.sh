#!/usr/bin/env bash
# The Windows saver under Wine: a bad switch exits 2, /a ends by itself; /s covers the screen with
# the board and its black and white stones, and a key ends it with status 0; the board colour
# comes from the registry.
source "$(dirname "$0")/../wine.bash"
start_wine

set +e
wine "$SAVER" /x >"$WORK/bad.out" 2>&1
status=$?
set -e
[ "$status" = 2 ] || fail "a bad switch exited $status, not 2"
# The password change asks the system's library and ends, whatever the library does.
timeout 30 wine "$SAVER" /a 0 >"$WORK/password.out" 2>&1 || fail "/a 0 exited $?"

write_position_record "$WORK/position.sgf"
record=$(winepath -w "$WORK/position.sgf")

start_saver /s "$record"
wait_for_colour board FFAA55
sleep 1
shot board
box=$(board_box "$WORK/board.png" FFAA55)
[ "$(count_colour "$WORK/board.png" 1024x768+0+0 FFAA55)" -gt 100000 ] || fail "the board is too small ($box)"
black=$(stone_pixels "$WORK/board.png" "$box" dark)
white=$(stone_pixels "$WORK/board.png" "$box" light)
[ "$black" -gt 120 ] || fail "no black stones on the board ($black pixels)"
[ "$white" -gt 120 ] || fail "no white stones on the board ($white pixels)"
press_key a
status=$(wait_for_status 15)
[ "$status" = 0 ] || fail "the saver ended with $status after a key"

# Colours are three registry integers; a value written as a number is read as one.
key='HKCU\Software\Quorvane\Tenukiro\Config'
wine reg add "$key" /v BackColorRed /t REG_DWORD /d 40 /f >/dev/null 2>&1
wine reg add "$key" /v BackColorGreen /t REG_DWORD /d 140 /f >/dev/null 2>&1
wine reg add "$key" /v BackColorBlue /t REG_DWORD /d 200 /f >/dev/null 2>&1
start_saver /s "$record"
wait_for_colour blue_board 288CC8
region_has "$WORK/blue_board.png" 1024x768+0+0 FFAA55 && fail "the default board colour is still shown"
press_key a
status=$(wait_for_status 15)
[ "$status" = 0 ] || fail "the saver ended with $status after a key"
echo "saver: board of $box, $black black and $white white stone pixels"

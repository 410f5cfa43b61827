#!/usr/bin/env bash
# The full-screen show of a two-position record: the board, then after the positions'
# time the transition word "ZANKIRO" in the screen text colour, then the board again.
source "$(dirname "$0")/common.bash"
start_xvfb 640x480
echo "(;SZ[9];B[ee])" >"$WORK/one.sgf"
# Two positions of 1 s, 0.5 s blank, 2.8 s transition, 0.5 s blank.
"$TENUKIRO" /s --set NumOfFile=1 --set "File0=$WORK/one.sgf" --set CommonPositionTime=40 \
  --set FinalPositionTime=40 --set SplashDelay=49 --set ScreenTextColorRed=250 --set ScreenTextColorGreen=1 \
  --set ScreenTextColorBlue=2 --set PasswordDelay=1000 &
APP_PID=$!
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# wait_until HEX [absent HEX] TIMEOUT_MS: polls screenshots until colour HEX shows.
wait_until() {
  local want=$1 timeout=$2 start
  start=$(now_ms)
  while [ $(( $(now_ms) - start )) -lt "$timeout" ]; do
    import -window root "$WORK/shot.png" 2>/dev/null || true
    region_has "$WORK/shot.png" 640x480+0+0 "$want" && return 0
    sleep 0.1
  done
  return 1
}

wait_until FFAA55 10000 || fail "the board never showed"
board_at=$(now_ms)
region_has "$WORK/shot.png" 640x480+0+0 FA0102 && fail "transition word together with the board"
wait_until FA0102 10000 || fail "the transition word never showed"
word_at=$(now_ms)
region_has "$WORK/shot.png" 640x480+0+0 FFAA55 && fail "board still shown during the transition"
[ $((word_at - board_at)) -ge 1500 ] || fail "the word came $((word_at - board_at)) ms after the board, too early"
wait_until FFAA55 10000 || fail "the record did not start again"
again_at=$(now_ms)
[ $((again_at - word_at)) -ge 2000 ] || fail "the transition lasted only $((again_at - word_at)) ms"
echo "show timeline: ok (word after $((word_at - board_at)) ms, board again after $((again_at - word_at)) ms)"

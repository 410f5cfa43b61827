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

# wait_until HEX TIMEOUT_MS: polls screenshots until colour HEX shows. A screenshot can take
# long on a loaded machine, so it notes when the last screenshot without HEX began (MISS_AT: HEX
# came later) and when the one with it ended (HIT_AT: HEX was there by then).
wait_until() {
  local want=$1 timeout=$2 start shot_at
  start=$(now_ms)
  MISS_AT=$start
  while [ $(( $(now_ms) - start )) -lt "$timeout" ]; do
    shot_at=$(now_ms)
    import -window root "$WORK/shot.png" 2>/dev/null || true
    if region_has "$WORK/shot.png" 640x480+0+0 "$want"; then HIT_AT=$(now_ms); return 0; fi
    MISS_AT=$shot_at
    sleep 0.1
  done
  return 1
}

# Each interval is checked by its longest possible length, so a slow screenshot never fails it.
wait_until FFAA55 10000 || fail "the board never showed"
board_after=$MISS_AT
region_has "$WORK/shot.png" 640x480+0+0 FA0102 && fail "transition word together with the board"
wait_until FA0102 10000 || fail "the transition word never showed"
word_by=$HIT_AT word_after=$MISS_AT
region_has "$WORK/shot.png" 640x480+0+0 FFAA55 && fail "board still shown during the transition"
[ $((word_by - board_after)) -ge 1500 ] || fail "the word came $((word_by - board_after)) ms after the board, too early"
wait_until FFAA55 10000 || fail "the record did not start again"
again_by=$HIT_AT
[ $((again_by - word_after)) -ge 2000 ] || fail "the transition lasted only $((again_by - word_after)) ms"
echo "show timeline: ok (word at most $((word_by - board_after)) ms after the board, board again at most $((again_by - word_after)) ms after the word)"

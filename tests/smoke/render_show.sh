#!/usr/bin/env bash
# --render --at and --frames run the show on a simulated clock: the same seed gives
# the same pictures, and the transition word comes when the timing says.
source "$(dirname "$0")/common.bash"
unset DISPLAY
echo "(;SZ[9];B[ee])" >"$WORK/one.sgf"
colours=(--set ScreenTextColorRed=250 --set ScreenTextColorGreen=1 --set ScreenTextColorBlue=2)

# Two positions of 1 s and five end ticks: the word shows from 2600 ms to 3600 ms.
"$TENUKIRO" --render "$WORK/before.png" --size 320x240 --at 2599 "${colours[@]}" "$WORK/one.sgf"
"$TENUKIRO" --render "$WORK/word.png" --size 320x240 --at 2600 "${colours[@]}" "$WORK/one.sgf"
region_has "$WORK/before.png" 320x240+0+0 FA0102 && fail "the word came before 2600 ms"
region_has "$WORK/before.png" 320x240+0+0 FFAA55 && fail "the board still showed at 2599 ms"
region_has "$WORK/word.png" 320x240+0+0 FA0102 || fail "no word at 2600 ms"

# A comment holds its position for the position's, the page's and one line's time: 3000 ms.
echo "(;SZ[9];B[aa]C[one two];W[bb])" >"$WORK/comment.sgf"
"$TENUKIRO" --frames "$WORK/comment" --size 320x240 --until 4500 --set Comment=1 "$WORK/comment.sgf"
frames=$(cd "$WORK/comment" && echo *.png)
[ "$frames" = "000000000.png 000001000.png 000004000.png" ] || fail "comment frames: $frames"

# A random game (a missing file) with random colours, twice with one seed, once with another.
for run in a b c; do
  seed=11; [ "$run" = c ] && seed=12
  "$TENUKIRO" --frames "$WORK/$run" --size 160x120 --screen 640x480 --until 30000 --seed "$seed" \
    --set RandomColors=1 "$WORK/missing.sgf"
  (cd "$WORK/$run" && md5sum -- *.png) >"$WORK/$run.sums"
done
[ "$(wc -l <"$WORK/a.sums")" -ge 20 ] || fail "too few frames: $(wc -l <"$WORK/a.sums")"
cmp -s "$WORK/a.sums" "$WORK/b.sums" || fail "the same seed gave other pictures"
cmp -s "$WORK/a.sums" "$WORK/c.sums" && fail "another seed gave the same pictures"
# A folder stands for the records under it, in name order: the show starts with the first.
mkdir -p "$WORK/games/b" "$WORK/games/a"
echo "(;SZ[13];B[gg])" >"$WORK/games/b/first.SGF"
echo "(;SZ[9];W[ee])" >"$WORK/games/b/second.sgf"
echo "not a record" >"$WORK/games/a/notes.txt"
for name in folder first second; do
  case $name in
    folder) record=$WORK/games ;; first) record=$WORK/games/b/first.SGF ;; second) record=$WORK/games/b/second.sgf ;;
  esac
  "$TENUKIRO" --render "$WORK/$name.png" --size 160x120 --at 1500 --set RandomAccess=0 "$record"
done
cmp -s "$WORK/folder.png" "$WORK/first.png" || fail "a folder did not start with its first record"
cmp -s "$WORK/folder.png" "$WORK/second.png" && fail "the two records gave the same picture"
echo "render show: ok"

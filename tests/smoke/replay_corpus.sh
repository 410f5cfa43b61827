#!/usr/bin/env bash
# --replay plays every corpus record to its end and writes one JSON line per step.
source "$(dirname "$0")/common.bash"
unset DISPLAY
corpus=${TENUKIRO_CORPUS_DIR:-$(cd "$(dirname "$0")/../../.." && pwd)/shared/corpus}
[ -d "$corpus" ] || { echo "no corpus at $corpus; skipped"; exit 0; }

count=0
while IFS= read -r -d '' file; do
  lines=$("$TENUKIRO" --replay "$file" --seed 1 | wc -l) || fail "--replay failed on $file"
  [ "$lines" -ge 1 ] || fail "no steps for $file"
  count=$((count + 1))
done < <(find "$corpus" -name '*.sgf' -print0)
[ "$count" -gt 300 ] || fail "only $count corpus files found"

# Same seed, same random game for a file that cannot be read.
a=$("$TENUKIRO" --replay /nonexistent.sgf --seed 7 | md5sum)
b=$("$TENUKIRO" --replay /nonexistent.sgf --seed 7 | md5sum)
[ "$a" = "$b" ] || fail "--seed does not reproduce the random game"
[ "$("$TENUKIRO" --replay /nonexistent.sgf --seed 7 | wc -l)" -eq 361 ] || fail "the random game is not 361 steps"
echo "replay corpus: $count files ok"

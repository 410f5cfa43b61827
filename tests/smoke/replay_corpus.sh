#!/usr/bin/env bash
# --replay plays every corpus record to its end and writes at least one JSON line. The speed collection
# of 1.3 million nodes is left out, as in the replay test program: it alone takes longer than many files.
source "$(dirname "$0")/common.bash"
unset DISPLAY
needs_corpus

count=0
while IFS= read -r -d '' file; do
  lines=$("$TENUKIRO" --replay "$file" --seed 1 | wc -l) || fail "--replay failed on $file"
  [ "$lines" -ge 1 ] || fail "no steps for $file"
  count=$((count + 1))
done < <(find "$CORPUS" -name '*.sgf' -size -1000k -print0)
[ "$count" -gt 300 ] || fail "only $count corpus files found"
echo "replay corpus: $count files ok"

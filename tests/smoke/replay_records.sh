#!/usr/bin/env bash
# --replay plays each of the project's own records to its end, one JSON line per node, and
# --seed reproduces the random game of a file that cannot be read.
source "$(dirname "$0")/common.bash"
unset DISPLAY

count=0
while IFS=$'\t' read -r nodes file; do
  lines=$("$TENUKIRO" --replay "$file" --seed 1 | wc -l) || fail "--replay failed on $file"
  [ "$lines" -eq "$nodes" ] || fail "$lines steps for the $nodes nodes of $file"
  count=$((count + 1))
done < <(own_records)
[ "$count" -gt 10 ] || fail "only $count records made"

a=$("$TENUKIRO" --replay /nonexistent.sgf --seed 7 | md5sum)
b=$("$TENUKIRO" --replay /nonexistent.sgf --seed 7 | md5sum)
[ "$a" = "$b" ] || fail "--seed does not reproduce the random game"
[ "$("$TENUKIRO" --replay /nonexistent.sgf --seed 7 | wc -l)" -eq 361 ] || fail "the random game is not 361 steps"
echo "replay records: $count files ok"

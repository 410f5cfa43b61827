#!/usr/bin/env bash
# Makes the record harnesses' seeds from the project's own test records and keeps the
# smallest set that reaches the same coverage: scripts/make-fuzz-seeds.sh BUILD_DIR FUZZ_BUILD_DIR
# BUILD_DIR is a build with the tests (for make_test_records), FUZZ_BUILD_DIR a fuzz build.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1; fuzz_build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tests/make_test_records" "$work/records" >/dev/null
mkdir -p "$work/sgf" "$work/record"
# The record harness reads its display settings from the last two bytes: each record is
# tried with a few mixes of switches and stone radii.
settings=('\xff\x03' '\x00\x00' '\x55\x51' '\xaa\xa2' '\x0f\xf0')
for path in "$work"/records/*.sgf; do
  name=$(basename "$path" .sgf)
  cp "$path" "$work/sgf/$name"
  for i in "${!settings[@]}"; do
    { cat "$path"; printf "${settings[$i]}"; } >"$work/record/$name-$i"
  done
done
for harness in fuzz_sgf_parse:sgf fuzz_render_record:record; do
  name=${harness%%:*}
  rm -rf "fuzz/seeds/$name"
  mkdir -p "fuzz/seeds/$name"
  "$fuzz_build/fuzz/$name" -merge=1 -max_len=16384 "fuzz/seeds/$name" "$work/${harness##*:}" 2>&1 | grep -E 'MERGE-OUTER: [0-9]+ new files'
done

#!/usr/bin/env bash
# Runs every fuzz harness of a fuzz build for a bounded time: scripts/run-fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1; seconds=$2
corpus_dir=${TENUKIRO_CORPUS_DIR:-$(cd .. && pwd)/shared/corpus}
shopt -s nullglob
for harness in "$build"/fuzz/fuzz_*; do
  [ -x "$harness" ] || continue
  work=$(mktemp -d)
  mkdir -p "$work/corpus"
  echo "fuzzing $(basename "$harness") for ${seconds}s"
  # Hand-made seeds of a harness sit in fuzz/seeds/<harness>/.
  seeds=(fuzz/seeds/"$(basename "$harness")")
  [ -d "${seeds[0]}" ] || seeds=()
  ASAN_OPTIONS=detect_leaks=1 "$harness" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
    -artifact_prefix="$work/" "$work/corpus" "$corpus_dir" "${seeds[@]}" >"$work/log" 2>&1 || {
      tail -n 60 "$work/log"; echo "fuzzer $(basename "$harness") failed; artifacts in $work" >&2; exit 1; }
  tail -n 2 "$work/log"
  rm -rf "$work"
done

#!/usr/bin/env bash
# Runs every fuzz harness of a fuzz build for a bounded time: scripts/run-fuzzers.sh BUILD_DIR SECONDS
# A harness starts from its seeds (fuzz/seeds/<harness>/) and, when present, the external
# corpus; it works in memory and ends with a line of its runs, speed and coverage.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1; seconds=$2
corpus_dir=${TENUKIRO_CORPUS_DIR:-$(cd .. && pwd)/shared/corpus}
# The harnesses that read records share the record tokens.
declare -A dictionaries=([fuzz_sgf_parse]=fuzz/sgf.dict [fuzz_render_record]=fuzz/sgf.dict)
scratch=/dev/shm
[ -d "$scratch" ] && [ -w "$scratch" ] || scratch=${TMPDIR:-/tmp}
# A small quarantine keeps each fuzzer's memory near what its inputs need.
export ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=16:malloc_context_size=10
shopt -s nullglob
for harness in "$build"/fuzz/fuzz_*; do
  [ -x "$harness" ] || continue
  name=$(basename "$harness")
  work=$(mktemp -d "$scratch/$name.XXXXXX")
  mkdir -p "$work/corpus"
  inputs=("$work/corpus")
  [ -d "fuzz/seeds/$name" ] && inputs+=("fuzz/seeds/$name")
  [ -d "$corpus_dir" ] && inputs+=("$corpus_dir")
  options=(-max_total_time="$seconds" -max_len=16384 -rss_limit_mb=1024 -malloc_limit_mb=512 -artifact_prefix="$work/")
  [ -n "${dictionaries[$name]:-}" ] && options+=(-dict="${dictionaries[$name]}")
  echo "fuzzing $name for ${seconds}s"
  "$harness" "${options[@]}" "${inputs[@]}" >"$work/log" 2>&1 || {
    tail -n 60 "$work/log"
    mkdir -p "$build/fuzz-artifacts" && cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* "$build/fuzz-artifacts/" 2>/dev/null || true
    echo "fuzzer $name failed; artifacts in $build/fuzz-artifacts" >&2
    rm -rf "$work"
    exit 1
  }
  # "#123 DONE cov: 640 ft: 3809 corp: ... exec/s: 9000 rss: ..." and "Done 123 runs in 60 second(s)"
  awk -v name="$name" '
    $2 == "DONE" { for (i = 1; i <= NF; ++i) { if ($i == "cov:") cov = $(i + 1); if ($i == "ft:") ft = $(i + 1); if ($i == "exec/s:") speed = $(i + 1) } }
    /^Done /   { runs = $2; secs = $5 }
    END        { printf "%s: %s runs in %s s, %s exec/s, cov %s, ft %s\n", name, runs, secs, speed, cov, ft }' "$work/log"
  rm -rf "$work"
done

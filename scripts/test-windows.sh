#!/usr/bin/env bash
# Cross-compiles the Windows screen saver and runs its smoke tests under Wine:
# scripts/test-windows.sh [DIR] (default DIR: build-windows).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-windows}
scripts/build-windows.sh "$dir"
failed=0
for test in tests/smoke/wine/*.sh; do
  start=$(date +%s)
  if bash "$test" "$dir" >"$dir/$(basename "$test" .sh).log" 2>&1; then
    echo "passed  $(basename "$test") ($(($(date +%s) - start)) s)"
  else
    echo "FAILED  $(basename "$test") ($(($(date +%s) - start)) s)"
    sed 's/^/    /' "$dir/$(basename "$test" .sh).log"
    failed=1
  fi
done
exit "$failed"

#!/usr/bin/env bash
# Records the golden frames anew after an intended change of the picture:
#   scripts/update-golden.sh [BUILD_DIR]     (default: build)
# Builds the frames' test program in that tree, writes tests/golden/*.png from this build, and
# leaves the changed pictures for `git diff` to show.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
if [ ! -f "$dir/CMakeCache.txt" ]; then
  echo "update-golden: '$dir' is not a configured build tree (scripts/build.sh $dir first)" >&2
  exit 1
fi
cmake --build "$dir" --target test_golden
TENUKIRO_UPDATE_GOLDEN=1 "$dir/tests/test_golden" --gtest_filter='Frames/*'
git status --short tests/golden

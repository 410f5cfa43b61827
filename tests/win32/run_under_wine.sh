#!/usr/bin/env bash
# Runs a Windows test program under Wine with a display and a prefix of its own:
# tests/win32/run_under_wine.sh PROGRAM.exe
source "$(dirname "$0")/../smoke/common.bash"
[ -f "$1" ] || { echo "no $1 (no Windows build); skipped"; exit 77; }
command -v wine >/dev/null || { echo "no wine; skipped"; exit 77; }
start_xvfb 1280x1024
export WINEPREFIX="$WORK/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >"$WORK/wineboot.log" 2>&1 || fail "wineboot failed"
trap 'wineserver -k 2>/dev/null || true; cleanup' EXIT
wine "$1"

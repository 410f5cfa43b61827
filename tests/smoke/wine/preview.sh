#!/usr/bin/env bash
# "/p HWND": the saver runs as a child covering the client area of a window made by another program
# (preview_host.exe, standing in for the system's settings), and ends when that window is destroyed.
# Under Wine a child of another process's window may not reach the screen, so the check is on the
# window itself; whether pixels reached the host's window is reported only.
source "$(dirname "$0")/../wine.bash"
start_wine

write_position_record "$WORK/position.sgf"
set +e
wine "$BUILD/preview_host.exe" "$SAVER" 6 >"$WORK/preview.out" 2>&1
status=$?
set -e
cat "$WORK/preview.out"
grep -q "^child 152x112" "$WORK/preview.out" || fail "no preview window covering the host's client area"
grep -q "^exit 0" "$WORK/preview.out" || fail "the preview did not end with status 0 when its host window went"
[ "$status" = 0 ] || fail "preview_host exited $status"

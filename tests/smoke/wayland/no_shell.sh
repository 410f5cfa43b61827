#!/usr/bin/env bash
# A compositor that offers neither layer-shell nor xdg-shell surfaces gets one line and status 1,
# and nothing falls back to an X server; a Wayland display that does not answer, when forced, too.
source "$(dirname "$0")/../common.bash"
unset DISPLAY
COMPOSITOR=${TENUKIRO_BARE_COMPOSITOR:?set TENUKIRO_BARE_COMPOSITOR to the bare_compositor program}
"$COMPOSITOR" >"$WORK/socket" 2>"$WORK/compositor.log" &
COMPOSITOR_PID=$!
trap 'kill $COMPOSITOR_PID 2>/dev/null; wait $COMPOSITOR_PID 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 50); do [ -s "$WORK/socket" ] && break; sleep 0.1; done
export WAYLAND_DISPLAY=$(head -n1 "$WORK/socket")
[ -n "$WAYLAND_DISPLAY" ] || fail "the bare compositor did not start: $(cat "$WORK/compositor.log")"

for mode in /s --window; do
  status=0
  timeout 20 "$TENUKIRO" $mode >"$WORK/out.log" 2>"$WORK/err.log" || status=$?
  [ "$status" -eq 1 ] || fail "$mode: status $status, not 1: $(cat "$WORK/err.log")"
  [ "$(wc -l <"$WORK/err.log")" -eq 1 ] || fail "$mode: not one line: $(cat "$WORK/err.log")"
  grep -q "neither layer-shell nor xdg-shell" "$WORK/err.log" || fail "$mode: $(cat "$WORK/err.log")"
done

status=0
WAYLAND_DISPLAY=nothing-here TENUKIRO_PLATFORM=wayland timeout 20 "$TENUKIRO" /s 2>"$WORK/err.log" || status=$?
[ "$status" -eq 1 ] || fail "an unreachable forced display: status $status: $(cat "$WORK/err.log")"
grep -q "cannot connect to the Wayland display" "$WORK/err.log" || fail "unreachable: $(cat "$WORK/err.log")"
echo "wayland without a shell: ok"

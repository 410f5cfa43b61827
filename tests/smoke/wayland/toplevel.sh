#!/usr/bin/env bash
# Where the compositor has no layer shell (weston), /s makes a full-screen toplevel on each output
# and draws into it; SIGTERM ends it with 0, and so does the compositor going away. Weston's
# headless screenshots come out empty here, so the protocol log tells what was made.
source "$(dirname "$0")/../common.bash"
command -v weston >/dev/null || { echo "skipped: weston is not installed"; exit 77; }
unset DISPLAY
WESTON_PID=""
trap '[ -n "$WESTON_PID" ] && kill $WESTON_PID 2>/dev/null; wait 2>/dev/null; cleanup' EXIT
start_weston() {
  weston --backend=headless-backend.so --use-pixman --width=640 --height=480 --socket=tenukiro-test \
    --idle-time=0 >"$WORK/weston.log" 2>&1 &
  WESTON_PID=$!
  for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/tenukiro-test" ] && break; sleep 0.1; done
  [ -S "$XDG_RUNTIME_DIR/tenukiro-test" ] || fail "weston did not start: $(tail -n 5 "$WORK/weston.log")"
  export WAYLAND_DISPLAY=tenukiro-test
}
start_weston

WAYLAND_DEBUG=1 "$TENUKIRO" /s --set PasswordDelay=100 2>"$WORK/app.log" &
APP_PID=$!
for _ in $(seq 100); do [ "$(grep -c 'wl_surface@[0-9]*\.attach' "$WORK/app.log")" -ge 2 ] && break; sleep 0.1; done
grep -q 'xdg_toplevel@[0-9]*\.set_fullscreen(wl_output@' "$WORK/app.log" || fail "no full-screen toplevel was asked for"
grep -q 'zwlr_layer' "$WORK/app.log" && fail "a layer surface was asked of a compositor without one"
grep -q 'xdg_surface@[0-9]*\.ack_configure' "$WORK/app.log" || fail "the toplevel was never configured"
# The show goes on: frames after the first one, paced by the compositor's frame callbacks.
[ "$(grep -c 'wl_surface@[0-9]*\.attach' "$WORK/app.log")" -ge 2 ] || fail "fewer than two frames were sent"
grep -q 'wl_callback@[0-9]*\.done' "$WORK/app.log" || fail "no frame callback came back"
sigterm_ends_app /s

"$TENUKIRO" /s 2>"$WORK/app2.log" &
APP_PID=$!
sleep 1
kill "$WESTON_PID"
wait "$WESTON_PID" 2>/dev/null || true
WESTON_PID=""
for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
status=0
wait "$APP_PID" || status=$?
APP_PID=
[ "$status" -eq 0 ] || fail "the compositor going away: status $status: $(cat "$WORK/app2.log")"
echo "wayland toplevel: ok"

#!/usr/bin/env bash
# A GNOME session (a headless mutter, no X server): no layer shell, so /s makes a full-screen
# toplevel; no idle protocol, so --idle reads GNOME's idle monitor on the session bus. --idle 3
# shows the show after 3 s without input, a key ends it, it returns 3 s later; SIGTERM ends the
# watcher and its show, and so does the compositor going away.
source "$(dirname "$0")/../common.bash"
source "$(dirname "$0")/mutter.bash"
start_mutter
start_input

# Mutter has no screenshots to offer here: the protocol log tells what was made and shown.
WAYLAND_DEBUG=1 "$TENUKIRO" /s --set PasswordDelay=100 2>"$WORK/app.log" &
APP_PID=$!
for _ in $(seq 200); do grep -q 'wl_callback@[0-9]*\.done' "$WORK/app.log" && break; sleep 0.1; done
grep -q 'xdg_toplevel@[0-9]*\.set_fullscreen(wl_output@' "$WORK/app.log" || fail "no full-screen toplevel was asked for"
grep -q 'zwlr_layer' "$WORK/app.log" && fail "a layer surface was asked of a compositor without one"
grep -q 'xdg_toplevel@[0-9]*\.configure(640, 480' "$WORK/app.log" || fail "the toplevel was not made 640x480"
grep -q 'xdg_surface@[0-9]*\.ack_configure' "$WORK/app.log" || fail "the toplevel was never configured"
grep -q 'wl_surface@[0-9]*\.attach' "$WORK/app.log" || fail "no frame was sent"
grep -q 'wl_callback@[0-9]*\.done' "$WORK/app.log" || fail "no frame was shown (no frame callback came back)"
sigterm_ends_app /s

# Input first: the session is idle since mutter started, and an idle time counts from input.
press 57
start_idle_watcher 3 "$WORK/idle.log"

# While the show runs the watcher sleeps on the bus: its processor time stays where it was.
ticks() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
before=$(ticks)
sleep 2
[ $(( $(ticks) - before )) -le 2 ] || fail "the watcher used processor time while it waited"

# The key reaches the show once its toplevel has the keyboard: typed until the show ends.
first=$(saver_pids)
for _ in 1 2 3 4 5; do
  press 57
  ends_within 20 "$first" && break
done
kill -0 "$first" 2>/dev/null && fail "a key did not end the saver"
ended=$(date +%s%N)
wait_for_saver || fail "the saver did not come back: $(cat "$WORK/idle.log")"
again=$(( ($(date +%s%N) - ended) / 1000000 ))
[ "$again" -ge 2500 ] || fail "the saver came back after $again ms"
[ "$(saver_pids)" != "$first" ] || fail "the same saver is still running"

second=$(saver_pids)
sigterm_ends_app --idle
ends_within 50 "$second" || fail "the watcher left its saver running"

# The compositor going away ends the watcher with 0, and its show. (The show shows that the
# watch was made: before that, mutter gone would be a session with no idle time to watch.)
press 57
"$TENUKIRO" --idle 3 --set PasswordDelay=100 2>"$WORK/idle2.log" &
APP_PID=$!
wait_for_saver || fail "no saver within 20 s: $(cat "$WORK/idle2.log")"
third=$(saver_pids)
stop_mutter_only
ends_within 100 "$APP_PID" || fail "the watcher outlived the compositor"
status=0
wait "$APP_PID" || status=$?
APP_PID=
[ "$status" -eq 0 ] || fail "the compositor going away: status $status: $(cat "$WORK/idle2.log")"
ends_within 50 "$third" || fail "the show outlived the compositor"
echo "gnome session: ok"

#!/usr/bin/env bash
# --idle on an X11 session (MIT-SCREEN-SAVER's idle time): the saver after 2 s without input,
# ended by a key, back 2 s later; SIGTERM ends the watcher with 0 and its saver with it.
source "$(dirname "$0")/common.bash"
start_xvfb 640x480
unset WAYLAND_DISPLAY
start_idle_watcher 2 "$WORK/app.log"
wait_for_window Tenukiro
# A loaded machine may map the window before the saver takes the keyboard: the key is pressed
# again until the saver has ended.
for _ in $(seq 20); do
  pressed=$(date +%s%N)
  xdotool key space
  for _ in $(seq 5); do [ -z "$(saver_pids)" ] && break 2; sleep 0.1; done
done
[ -z "$(saver_pids)" ] || fail "a key did not end the saver"
wait_for_saver || fail "the saver did not come back: $(cat "$WORK/app.log")"
again=$(( ($(date +%s%N) - pressed) / 1000000 ))
[ "$again" -ge 1800 ] || fail "the saver came back $again ms after the key, before 2 s of idle time"
saver=$(saver_pids)
sigterm_ends_app --idle
ends_within 50 "$saver" || fail "the watcher left its saver running"
echo "x11 idle watcher: ok"

#!/usr/bin/env bash
# --idle 3 on a Wayland session: after 3 s without input the saver shows, a key ends it, and it
# shows again 3 s later; the watcher sleeps meanwhile and ends with 0 on SIGTERM, ending a show.
# sway 1.7 tells idle time through KDE's idle protocol (a session without input devices is idle).
source "$(dirname "$0")/../common.bash"
source "$(dirname "$0")/sway.bash"
start_sway
status=0
"$TENUKIRO" --idle 0 2>"$WORK/err.log" || status=$?
[ "$status" -eq 2 ] || fail "--idle 0: status $status"
grep -q "'--idle' needs a number of seconds" "$WORK/err.log" || fail "--idle 0: $(cat "$WORK/err.log")"

start_idle_watcher 3 "$WORK/app.log"
wait_for_board 0 || fail "the saver shows no board"

# While the show runs the watcher sleeps: its processor time stays where it was.
ticks() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
before=$(ticks)
sleep 2
[ $(( $(ticks) - before )) -le 2 ] || fail "the watcher used processor time while it waited"

first=$(saver_pids)
press_until_ends space "$first" || fail "a key did not end the saver"
ended=$(date +%s%N)
wait_for_saver || fail "the saver did not come back: $(cat "$WORK/app.log")"
again=$(( ($(date +%s%N) - ended) / 1000000 ))
[ "$again" -ge 2500 ] || fail "the saver came back after $again ms"
[ "$(saver_pids)" != "$first" ] || fail "the same saver is still running"

second=$(saver_pids)
sigterm_ends_app --idle
ends_within 50 "$second" || fail "the watcher left its saver running"
echo "wayland idle watcher: ok"

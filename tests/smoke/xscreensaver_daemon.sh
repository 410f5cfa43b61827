#!/usr/bin/env bash
# XScreenSaver itself runs the installed hack: a user's ~/.xscreensaver names it in its
# programs: list, `xscreensaver-command -activate` shows the board on the whole screen,
# and -deactivate ends the hack. The daemon refuses to launch hacks as root, so as root
# the test makes a throw-away user for it.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/installed.bash"
for tool in xscreensaver xscreensaver-command; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
chmod 755 "$WORK"  # the daemon's user reaches its home and the install through it
PREFIX="$WORK/prefix"
install_into "$PREFIX"
HACK="$PREFIX/libexec/xscreensaver/tenukiro"
SAVER_HOME="$WORK/home"
mkdir -p "$SAVER_HOME/.config" "$SAVER_HOME/runtime"
chmod 700 "$SAVER_HOME/runtime"

SAVER_USER="" DAEMON_PID=""
stop_daemon() {
  set +e  # every step of the cleanup is tried
  if [ -n "$DAEMON_PID" ]; then
    xscreensaver-command -exit >/dev/null 2>&1 || kill "$DAEMON_PID" 2>/dev/null
    wait "$DAEMON_PID" 2>/dev/null
  fi
  if [ -n "$SAVER_USER" ]; then
    pkill -KILL -u "$SAVER_USER" 2>/dev/null  # what the daemon left of the user's processes
    for _ in $(seq 50); do userdel "$SAVER_USER" 2>/dev/null && break; sleep 0.1; done
  fi
  cleanup
}
trap stop_daemon EXIT
trap 'exit 1' INT TERM

as_saver_user=()
if [ "$(id -u)" -eq 0 ]; then
  if ! command -v useradd >/dev/null || ! command -v runuser >/dev/null; then skip "root without useradd and runuser"; fi
  SAVER_USER="tkxss$$"
  useradd --no-create-home --home-dir "$SAVER_HOME" --shell /usr/sbin/nologin "$SAVER_USER" ||
    skip "cannot make a user for the daemon"
  chown -R "$SAVER_USER:" "$SAVER_HOME"
  as_saver_user=(runuser -u "$SAVER_USER" --)
fi

start_xvfb 640x480
# Bright blue around the board, so that a glance at a corner tells the hack's picture.
# Hacks run at nice 10 by default, which beside the other tests' processes starves
# this one for many seconds.
cat >"$SAVER_HOME/.xscreensaver" <<EOF
mode: one
selected: 0
timeout: 0:30:00
lock: False
fade: False
unfade: False
splash: False
dpmsEnabled: False
nice: 0
programs: \\
  $HACK --root --set ScreenBackgroundColorRed=10 --set ScreenBackgroundColorGreen=20 --set ScreenBackgroundColorBlue=200 --set StoneRadius=10 \\n\\

EOF
[ -n "$SAVER_USER" ] && chown "$SAVER_USER:" "$SAVER_HOME/.xscreensaver"

# In a session of its own: runuser, when stopped, signals its whole process group.
setsid "${as_saver_user[@]}" env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$SAVER_HOME" DISPLAY="$DISPLAY" \
  XDG_CONFIG_HOME="$SAVER_HOME/.config" XDG_RUNTIME_DIR="$SAVER_HOME/runtime" \
  xscreensaver -no-splash -verbose >"$WORK/daemon.log" 2>&1 &
DAEMON_PID=$!

daemon_says() { xscreensaver-command "$@" >>"$WORK/command.log" 2>&1; }
for _ in $(seq 100); do daemon_says -time && break; sleep 0.1; done
daemon_says -time || fail "the daemon did not start: $(cat "$WORK/daemon.log")"

hack_pids() { ps -e -o pid=,args= | awk -v hack="$HACK" '$2 == hack { print $1 }'; }

activated=$(date +%s%N)
daemon_says -activate || fail "-activate was refused: $(cat "$WORK/command.log")"
for _ in $(seq 100); do [ -n "$(hack_pids)" ] && break; sleep 0.1; done
HACK_PIDS=$(hack_pids)
[ -n "$HACK_PIDS" ] || fail "the daemon started no hack: $(cat "$WORK/daemon.log")"

# The hack draws into the daemon's window over the whole screen: the blue around the
# board, and the board's own colour.
shown=""
for _ in $(seq 50); do
  import -window root "$WORK/shot.png"
  if [ "$(pixel_at "$WORK/shot.png" 3 3)" = "10,20,200" ] && [ "$(pixel_at "$WORK/shot.png" 636 476)" = "10,20,200" ] &&
    region_has "$WORK/shot.png" 640x480+0+0 FFAA55; then
    shown=$((($(date +%s%N) - activated) / 1000000))
    break
  fi
  sleep 0.2
done
[ -n "$shown" ] || fail "no board on the screen (corner $(pixel_at "$WORK/shot.png" 3 3)): $(cat "$WORK/daemon.log")"

daemon_says -deactivate || fail "-deactivate was refused"
for _ in $(seq 100); do
  alive=""
  for pid in $HACK_PIDS; do kill -0 "$pid" 2>/dev/null && alive+=" $pid"; done
  [ -z "$alive" ] && break
  sleep 0.1
done
[ -z "$alive" ] || fail "the hack (pid$alive) outlived -deactivate"
import -window root "$WORK/after.png"
[ "$(pixel_at "$WORK/after.png" 3 3)" != "10,20,200" ] || fail "the show stayed on the screen after -deactivate"
grep -q "running as root" "$WORK/daemon.log" && fail "the daemon ran as root"
echo "xscreensaver daemon: ok, the board was on the screen ${shown} ms after -activate"

# Shared by the GNOME tests (sourced after common.bash): a headless mutter with one 640x480
# monitor and no X server, on a session bus of the test's own. As root mutter runs as a user
# the test makes; the bus admits every user, so that the program (and the input helper) can
# reach it from here.
for tool in mutter dbus-daemon gdbus; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -x "${TENUKIRO_MUTTER_INPUT:-}" ] || fail "TENUKIRO_MUTTER_INPUT names no program"
unset DISPLAY WAYLAND_DISPLAY
MUTTER_USER="" MUTTER_PID="" BUS_PID="" INPUT_PID=""
stop_mutter() {
  set +e  # every step of the cleanup is tried
  [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null && wait "$APP_PID" 2>/dev/null
  APP_PID=
  [ -n "$INPUT_PID" ] && { exec 5>&-; kill "$INPUT_PID" 2>/dev/null; wait "$INPUT_PID" 2>/dev/null; }
  [ -n "$MUTTER_PID" ] && { kill "$MUTTER_PID" 2>/dev/null; wait "$MUTTER_PID" 2>/dev/null; }
  [ -n "$BUS_PID" ] && { kill "$BUS_PID" 2>/dev/null; wait "$BUS_PID" 2>/dev/null; }
  if [ -n "$MUTTER_USER" ]; then
    pkill -KILL -u "$MUTTER_USER" 2>/dev/null
    for _ in $(seq 50); do userdel "$MUTTER_USER" 2>/dev/null && break; sleep 0.1; done
  fi
  cleanup
}
trap stop_mutter EXIT
trap 'exit 1' INT TERM

start_bus() {
  cat >"$WORK/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=$WORK/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
  dbus-daemon --config-file="$WORK/bus.conf" --nofork --print-address=3 3>"$WORK/bus-address" 2>"$WORK/bus.log" &
  BUS_PID=$!
  for _ in $(seq 100); do [ -s "$WORK/bus-address" ] && break; sleep 0.1; done
  [ -s "$WORK/bus-address" ] || fail "dbus-daemon did not start: $(cat "$WORK/bus.log")"
  DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$WORK/bus-address")
  export DBUS_SESSION_BUS_ADDRESS
}

monitor_answers() {
  gdbus call --session --dest org.gnome.Mutter.IdleMonitor --object-path /org/gnome/Mutter/IdleMonitor/Core \
    --method org.gnome.Mutter.IdleMonitor.GetIdletime >/dev/null 2>&1
}

start_mutter() {
  chmod 755 "$WORK"
  start_bus
  local runtime="$WORK/mutter-runtime" as_user=()
  mkdir -p "$runtime"
  if [ "$(id -u)" -eq 0 ]; then
    command -v useradd >/dev/null && command -v runuser >/dev/null || { echo "skipped: root without useradd"; exit 77; }
    MUTTER_USER="tkmut$$"
    useradd --no-create-home --home-dir "$WORK" --shell /usr/sbin/nologin "$MUTTER_USER" || fail "cannot make a user"
    chown "$MUTTER_USER:" "$runtime"
    as_user=(runuser -u "$MUTTER_USER" --)
  fi
  chmod 700 "$runtime"
  setsid "${as_user[@]}" env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$WORK" XDG_RUNTIME_DIR="$runtime" \
    DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" \
    mutter --headless --wayland --no-x11 --virtual-monitor 640x480 >"$WORK/mutter.log" 2>&1 &
  MUTTER_PID=$!
  export XDG_RUNTIME_DIR="$runtime"
  for _ in $(seq 200); do
    local socket
    socket=$(ls "$runtime" 2>/dev/null | grep -E '^wayland-[0-9]+$' | head -n1 || true)
    if [ -n "$socket" ] && monitor_answers; then
      export WAYLAND_DISPLAY=$socket
      return 0
    fi
    kill -0 "$MUTTER_PID" 2>/dev/null || break
    sleep 0.1
  done
  fail "mutter did not start: $(tail -n 5 "$WORK/mutter.log")"
}

# The input helper, fed through descriptor 5; `press CODE` types one key.
start_input() {
  mkfifo "$WORK/input"
  "$TENUKIRO_MUTTER_INPUT" <"$WORK/input" >"$WORK/input.log" 2>&1 &
  INPUT_PID=$!
  exec 5>"$WORK/input"
  for _ in $(seq 100); do grep -q ready "$WORK/input.log" && return 0; sleep 0.1; done
  fail "no remote-desktop session: $(cat "$WORK/input.log")"
}
press() { echo "key $1" >&5; }

# Ends mutter, leaving the bus: as when the compositor ends within the session.
stop_mutter_only() {
  if [ -n "$MUTTER_USER" ]; then pkill -TERM -u "$MUTTER_USER" -x mutter; else kill "$MUTTER_PID"; fi
  wait "$MUTTER_PID" 2>/dev/null || true
  MUTTER_PID=
}

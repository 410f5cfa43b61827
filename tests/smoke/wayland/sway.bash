# Shared by the Wayland tests (sourced after common.bash): a headless sway session with two
# outputs and no X server. sway refuses to run as root, so as root it runs as a user the test
# makes; the program, grim and wtype connect to its socket from here.
for tool in sway grim wtype swaymsg; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
unset DISPLAY
SWAY_USER="" SWAY_PID=""
stop_sway() {
  set +e  # every step of the cleanup is tried
  [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null && wait "$APP_PID" 2>/dev/null
  APP_PID=
  if [ -n "$SWAY_PID" ]; then kill "$SWAY_PID" 2>/dev/null; wait "$SWAY_PID" 2>/dev/null; fi
  if [ -n "$SWAY_USER" ]; then
    pkill -KILL -u "$SWAY_USER" 2>/dev/null
    for _ in $(seq 50); do userdel "$SWAY_USER" 2>/dev/null && break; sleep 0.1; done
  fi
  cleanup
}
trap stop_sway EXIT
trap 'exit 1' INT TERM

start_sway() {  # start_sway: two 640x480 outputs side by side
  chmod 755 "$WORK"
  local runtime="$WORK/sway-runtime" as_user=()
  mkdir -p "$runtime"
  cat >"$WORK/sway.conf" <<CONF
output HEADLESS-1 mode 640x480 position 0 0 bg #00FF00 solid_color
output HEADLESS-2 mode 640x480 position 640 0 bg #00FF00 solid_color
CONF
  if [ "$(id -u)" -eq 0 ]; then
    command -v useradd >/dev/null && command -v runuser >/dev/null || { echo "skipped: root without useradd"; exit 77; }
    SWAY_USER="tkway$$"
    useradd --no-create-home --home-dir "$WORK" --shell /usr/sbin/nologin "$SWAY_USER" || fail "cannot make a user for sway"
    chown "$SWAY_USER:" "$runtime"
    as_user=(runuser -u "$SWAY_USER" --)
  fi
  chmod 700 "$runtime"
  setsid "${as_user[@]}" env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$WORK" XDG_RUNTIME_DIR="$runtime" \
    WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=2 WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$WORK/sway.conf" >"$WORK/sway.log" 2>&1 &
  SWAY_PID=$!
  export XDG_RUNTIME_DIR="$runtime"
  for _ in $(seq 100); do
    local socket
    socket=$(ls "$runtime" 2>/dev/null | grep -E '^wayland-[0-9]+$' | head -n1 || true)
    if [ -n "$socket" ] && SWAYSOCK=$(ls "$runtime"/sway-ipc.*.sock 2>/dev/null | head -n1) && [ -n "$SWAYSOCK" ]; then
      export WAYLAND_DISPLAY=$socket SWAYSOCK
      swaymsg -t get_outputs >/dev/null 2>&1 && return 0
    fi
    sleep 0.1
  done
  fail "sway did not start: $(tail -n 5 "$WORK/sway.log")"
}

# shot NAME: both outputs side by side in $WORK/NAME.png (1280x480)
shot() { grim "$WORK/$1.png" || fail "grim failed"; }

wait_for_board() {  # wait_for_board X-OFFSET: until the output at that offset shows the board's colour
  for _ in $(seq 100); do
    shot wait
    region_has "$WORK/wait.png" "640x480+$1+0" FFAA55 && return 0
    sleep 0.2
  done
  return 1
}

# press_until_ends KEY PID: types KEY until the process ends (at most 5 times). A session without
# input devices gets its keyboard from wtype's virtual one as the key is typed, and a client binds
# the new keyboard only as it hears of it: the first key can come before that.
press_until_ends() {
  for _ in 1 2 3 4 5; do
    wtype -k "$1"
    ends_within 20 "$2" && return 0
  done
  return 1
}

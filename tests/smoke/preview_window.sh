#!/usr/bin/env bash
# /p ID, -window-id and -root with $XSCREENSAVER_WINDOW draw inside a window that
# another program owns, and end when that window goes away.
source "$(dirname "$0")/common.bash"
start_xvfb 800x600
BLUE=(--set ScreenBackgroundColorRed=0 --set ScreenBackgroundColorGreen=0 --set ScreenBackgroundColorBlue=255)

# xev's window stands for the host's preview window.
start_host() {
  xev -geometry 320x240+100+100 >/dev/null 2>&1 &
  HOST_PID=$!
  wait_for_window "Event Tester"
  HOST=$(xdotool search --name "Event Tester" | head -n1)
}

check_preview_then_close_host() {  # label
  # The screen background fills the host window's corner, the board its middle (drawn once
  # the sphere renderer is loaded, which a busy machine may take a while over).
  for _ in $(seq 50); do
    import -window root "$WORK/shot.png"
    [ "$(pixel_at "$WORK/shot.png" 103 103)" = "0,0,255" ] && region_has "$WORK/shot.png" 320x240+100+100 FFAA55 &&
      break
    sleep 0.1
  done
  [ "$(pixel_at "$WORK/shot.png" 103 103)" = "0,0,255" ] || fail "$1: host window not drawn into"
  region_has "$WORK/shot.png" 320x240+100+100 FFAA55 || fail "$1: no board in the host window"
  [ "$(pixel_at "$WORK/shot.png" 50 50)" != "0,0,255" ] || fail "$1: drew outside the host window"
  region_has "$WORK/shot.png" 90x90+0+0 FFAA55 && fail "$1: board drawn outside the host window"
  kill "$HOST_PID"; wait "$HOST_PID" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$APP_PID" 2>/dev/null && fail "$1: the preview outlived its host window"
  wait "$APP_PID" || fail "$1: the preview exited with an error"
  APP_PID=
}

start_host
"$TENUKIRO" /p "$HOST" "${BLUE[@]}" &
APP_PID=$!
# The preview follows its host window's size.
sleep 0.5
xdotool windowsize "$HOST" 420 330
for _ in $(seq 30); do
  import -window root "$WORK/grown.png"
  [ "$(pixel_at "$WORK/grown.png" 515 425)" = "0,0,255" ] && break
  sleep 0.1
done
[ "$(pixel_at "$WORK/grown.png" 515 425)" = "0,0,255" ] || fail "/p: the grown host window was not drawn into"
xdotool windowsize "$HOST" 320 240
sleep 0.5
check_preview_then_close_host "/p"

start_host
"$TENUKIRO" -window-id "$(printf '0x%X' "$HOST")" "${BLUE[@]}" &
APP_PID=$!
check_preview_then_close_host "-window-id"

start_host
XSCREENSAVER_WINDOW=$(printf '0x%X' "$HOST") "$TENUKIRO" --root "${BLUE[@]}" &
APP_PID=$!
check_preview_then_close_host "-root"

# XScreenSaver ends a hack with SIGTERM.
start_host
"$TENUKIRO" /p "$HOST" "${BLUE[@]}" &
APP_PID=$!
sleep 0.5
kill -TERM "$APP_PID"
for _ in $(seq 30); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "SIGTERM did not end the preview"
APP_PID=
kill "$HOST_PID"
echo "preview window: ok"

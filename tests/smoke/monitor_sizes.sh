#!/usr/bin/env bash
# A show is scaled against a monitor, not against the X screen. Two RandR monitors of
# different sizes side by side: a window over either one (as XScreenSaver gives each
# monitor, run with --root) shows the board at the size it has on a single screen of that
# monitor's size, and a small preview window (-window-id) on the second monitor shows it
# at the size a preview of that size has beside the primary monitor alone.
source "$(dirname "$0")/common.bash"
WINDOW_TOOL=${TENUKIRO_X11_WINDOW:?set TENUKIRO_X11_WINDOW to the x11_window program}

# board_in WxH+X+Y root|preview: the size of the board drawn in a window of that geometry.
board_in() {
  local geometry=$1 mode=$2 width height x y id window_pid size=""
  read -r width height x y <<<"$(tr 'x+' '  ' <<<"$geometry")"
  # A connection the server drops as the machine is loaded ends the window's program: it is made again.
  for _ in 1 2 3; do
    rm -f "$WORK/window.id"
    "$WINDOW_TOOL" "$width" "$height" "$x" "$y" >"$WORK/window.id" 2>"$WORK/window.err" &
    window_pid=$!
    for _ in $(seq 400); do
      [ -s "$WORK/window.id" ] && break
      kill -0 "$window_pid" 2>/dev/null || break
      sleep 0.05
    done
    [ -s "$WORK/window.id" ] && break
    wait "$window_pid" 2>/dev/null || true
  done
  id=$(cat "$WORK/window.id")
  [ -n "$id" ] || fail "no window for $geometry: $(cat "$WORK/window.err")"
  if [ "$mode" = root ]; then
    XSCREENSAVER_WINDOW=$id "$TENUKIRO" --root --set GridPosition=0 >"$WORK/app.log" 2>&1 &
  else
    "$TENUKIRO" -window-id "$id" --set GridPosition=0 >"$WORK/app.log" 2>&1 &
  fi
  APP_PID=$!
  # The board's colour fills the board to its edge: its bounding box is the board. A loaded
  # machine may catch the board half drawn, so the size counts once two pictures agree.
  local previous=""
  for _ in $(seq 100); do
    import -window root "$WORK/shot.png"
    if region_has "$WORK/shot.png" "$geometry" FFAA55; then
      size=$(convert "$WORK/shot.png" -crop "$geometry" +repage -fill black +opaque "#FFAA55" \
        -fill white -opaque "#FFAA55" -trim -format %wx%h info:)
      [ "$size" = "$previous" ] && break
      previous=$size
    fi
    sleep 0.1
  done
  kill "$APP_PID" "$window_pid"
  wait "$APP_PID" || fail "the show in $geometry ($mode) ended with an error: $(cat "$WORK/app.log")"
  wait "$window_pid" 2>/dev/null || true
  APP_PID=
  echo "$size"
}

# Each monitor's size as a single screen, and a preview beside the primary alone.
start_xvfb 960x600
alone_primary=$(board_in 960x600+0+0 root)
alone_preview=$(board_in 320x240+100+100 preview)
stop_xvfb
start_xvfb 640x480
alone_other=$(board_in 640x480+0+0 root)
stop_xvfb

start_xvfb 1600x600
# No monitor is marked primary: the first one listed is.
xrandr --setmonitor first 960/240x600/150+0+0 screen >/dev/null
xrandr --setmonitor other 640/160x480/120+960+0 none >/dev/null
on_primary=$(board_in 960x600+0+0 root)
on_other=$(board_in 640x480+960+0 root)
preview_on_other=$(board_in 320x240+1100+100 preview)

echo "board alone / beside: primary $alone_primary / $on_primary, other $alone_other / $on_other," \
  "preview $alone_preview / $preview_on_other"
[ "$on_primary" = "$alone_primary" ] || fail "on the primary monitor the board is $on_primary, alone $alone_primary"
[ "$on_other" = "$alone_other" ] || fail "on the other monitor the board is $on_other, alone $alone_other"
[ "$preview_on_other" = "$alone_preview" ] || fail "the preview's board is $preview_on_other, beside the primary alone $alone_preview"
[ "$alone_primary" != "$alone_other" ] || fail "the two monitor sizes gave one board size: the test proves nothing"
echo "monitor sizes: ok"

#!/usr/bin/env bash
# The configuration dialog on a display scaled to 150 % (Wine's LogPixels 144) against 100 %: the
# dialog, the preview's board and the hand-drawn colour bars all grow by half, as they do on
# Windows for a program whose manifest says it handles scaling itself. Screenshots go to
# $CONFIG_SHOTS when it is set.
source "$(dirname "$0")/../wine.bash"
start_xvfb 1400x1000
wineboot -i >"$WORK/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -n 5 "$WORK/wineboot.log")"
TITLE='^Tenukiro Configuration$'

box_of() {  # box_of FILE REGION HEX: the box (W H X Y) of the colour inside the region
  convert "$1" -crop "$2" +repage -fill black +opaque "#$3" -format "%@" info: | tr 'x+' '  '
}

# measure DPI: prints the dialog's width, the preview board's width and the width of the grid
# background's colour bar, the dialog open on its colours page.
measure() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  reg_set LastPage REG_SZ 2
  wineserver -w  # the next program starts a server that reads the new scale
  start_saver /c
  wait_for_window "$TITLE" || fail "$1 DPI: no dialog"
  local dialog X Y WIDTH HEIGHT SCREEN WINDOW
  dialog=$(xdotool search --name "$TITLE" | head -n1)
  sleep 2
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  shot "colours-$1"
  [ -n "${CONFIG_SHOTS:-}" ] && cp "$WORK/colours-$1.png" "$CONFIG_SHOTS/"
  # The preview is in the right half of the dialog, the colour page in the left.
  read -r board _ <<<"$(box_of "$WORK/colours-$1.png" "$((WIDTH / 2))x${HEIGHT}+$((X + WIDTH / 2))+$Y" FFAA55)"
  read -r bar _ <<<"$(box_of "$WORK/colours-$1.png" "$((WIDTH * 45 / 100))x${HEIGHT}+$X+$Y" FFAA55)"
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  xdotool key Escape
  [ "$(wait_for_status 15)" = 0 ] || fail "$1 DPI: the dialog did not end with status 0"
  echo "$WIDTH ${board:-0} ${bar:-0}"
}

read -r width96 board96 bar96 <<<"$(measure 96)"
read -r width144 board144 bar144 <<<"$(measure 144)"
echo "dialog $width96 -> $width144, preview board $board96 -> $board144, colour bar $bar96 -> $bar144 pixels wide"
grows_by_half() {  # grows_by_half WHAT SMALL LARGE: LARGE is 1.5 times SMALL within 6 %
  [ "$2" -gt 0 ] || fail "$1: nothing measured at 96 DPI"
  local ratio=$((1000 * $3 / $2))
  [ "$ratio" -ge 1410 ] && [ "$ratio" -le 1590 ] || fail "$1 grew from $2 to $3 pixels, not by half"
}
grows_by_half "the dialog" "$width96" "$width144"
grows_by_half "the preview's board" "$board96" "$board144"
grows_by_half "the colour bar" "$bar96" "$bar144"
echo "scale: the dialog, its preview and its colour bars follow the display's scale"

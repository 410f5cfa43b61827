#!/usr/bin/env bash
# A bare tenukiro and /c open the configuration dialog; Return is OK and writes the
# profile, Escape is Cancel and changes only the tab; /c:ID keeps the dialog above that window.
source "$(dirname "$0")/common.bash"
start_xvfb 1024x768
CONF="$XDG_CONFIG_HOME/Quorvane/Tenukiro.conf"
mkdir -p "$(dirname "$CONF")"
TITLE="Tenukiro Configuration"

open_dialog() {  # arguments of tenukiro
  "$TENUKIRO" "$@" &
  APP_PID=$!
  wait_for_window "$TITLE"
  DIALOG=$(xdotool search --name "$TITLE" | head -n1)
  sleep 0.5
}

press() {  # key
  # Without a window manager the keyboard follows the pointer: give the dialog the focus.
  xdotool windowfocus --sync "$DIALOG" key "$1"
}

wait_for_exit() {  # label
  for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$APP_PID" 2>/dev/null && fail "$1: the dialog did not close"
  wait "$APP_PID" || fail "$1: exited with an error"
  APP_PID=
}

keys_of() { grep -o '^[A-Za-z0-9]*=' "$CONF" | sort; }

# Escape: only LastPage is written (the dialog opened on the tab it names and keeps it).
printf '[Config]\nLastPage=2\nStoneRadius=20\n' >"$CONF"
open_dialog
[ "$(xdotool getwindowname "$DIALOG")" = "$TITLE" ] || fail "title is '$(xdotool getwindowname "$DIALOG")'"
press Escape
wait_for_exit "Escape"
[ "$(keys_of | tr '\n' ' ')" = "LastPage= StoneRadius= " ] || fail "Escape wrote $(keys_of | tr '\n' ' ')"
grep -q '^LastPage=2$' "$CONF" || fail "Escape lost LastPage"

# Return, with /c: OK writes every setting, an empty list as a count of 0.
open_dialog /c
press Return
wait_for_exit "Return"
grep -q '^NumOfFile=0$' "$CONF" || fail "OK wrote no NumOfFile"
grep -q '^StoneRadius=20$' "$CONF" || fail "OK lost StoneRadius"
grep -q '^CommonPositionTime=40$' "$CONF" || fail "OK wrote no CommonPositionTime"
grep -q '^BackColorGreen=170$' "$CONF" || fail "OK wrote no colours"
grep -q 'BeforeSplashDelay' "$CONF" && fail "OK wrote BeforeSplashDelay"

# /c:ID: the dialog is transient for that window.
xev -geometry 200x150+10+10 >/dev/null 2>&1 &
HOST_PID=$!
wait_for_window "Event Tester"
HOST=$(xdotool search --name "Event Tester" | head -n1)
open_dialog "/c:$HOST"
xprop -id "$DIALOG" WM_TRANSIENT_FOR | grep -i "$(printf '0x%x' "$HOST")" >/dev/null ||
  fail "not transient for $HOST: $(xprop -id "$DIALOG" WM_TRANSIENT_FOR)"
press Escape
wait_for_exit "/c:ID"
kill "$HOST_PID"
echo "configuration dialog: ok"

#!/usr/bin/env bash
# The Windows program's /c under Wine: the configuration dialog opens on the tab LastPage names,
# keys change values on every page and in the file list (Ctrl+A selects all files, Remove takes
# them), Return is OK, and the registry then holds what was typed.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/wine.bash"
needs_windows_build
command -v xdotool >/dev/null || { echo "no xdotool; skipped"; exit 77; }
start_xvfb 1280x1024
start_wine
install_program
TITLE="Tenukiro Configuration"

reg_set NumOfFile REG_SZ 2
reg_set File0 REG_SZ 'C:\Tenukiro\Tenukiro.sgf'
reg_set File1 REG_SZ 'C:\Tenukiro\Tenukiro.sgf'
reg_set LastPage REG_SZ 2

(cd "$APP" && exec wine Tenukiro.scr /c) &
APP_PID=$!
for _ in $(seq 200); do xdotool search --name "^$TITLE\$" >/dev/null 2>&1 && break; sleep 0.1; done
DIALOG=$(xdotool search --name "^$TITLE\$" | head -n1)
[ -n "$DIALOG" ] || fail "the dialog never appeared"
sleep 1

keys() {  # xdotool key names; the dialog gets the focus first (the keyboard follows the pointer)
  xdotool windowfocus --sync "$DIALOG" 2>/dev/null || true
  xdotool key --delay 60 "$@"
  sleep 0.3
}
shot() {  # NAME: a screenshot kept in $CONFIG_SHOTS when that is set
  [ -n "${CONFIG_SHOTS:-}" ] && import -window root "$CONFIG_SHOTS/$1.png"
  return 0
}

# LastPage opens the colours tab. The tab order: file list, its buttons, the two options, the
# page's controls, the tab control, OK. Ctrl+Tab goes to the next tab, with Shift to the previous.
shot colours
# The file list has the focus: Ctrl+A selects both files, Remove takes them.
keys ctrl+a Tab Tab space
# Random display order off, priority on; on the colours page, 3D effect off.
keys Tab Tab Tab space Tab space Tab space
# Others: the last two switches (star points, lines) off.
keys ctrl+Tab
shot others
keys shift+Tab space shift+Tab space
# Spatial: custom height 25, radius 20, custom grid at 5, -3.
keys ctrl+shift+Tab ctrl+shift+Tab
shot spatial
keys shift+Tab space Tab Home shift+End 2 5
keys shift+Tab shift+Tab shift+Tab shift+Tab Home shift+End 2 0
keys Tab Down Tab Home shift+End 5 Tab Home shift+End minus 3
# Temporal: the transition time slider to its end.
keys ctrl+shift+Tab
shot temporal
keys shift+Tab End
keys Return

for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && { shot stuck; fail "Return did not close the dialog"; }
wait "$APP_PID" || fail "the program exited with an error"
APP_PID=

failures=0
expect() {  # NAME VALUE
  local got
  got=$(reg_value "$1")
  if [ "$got" != "$2" ]; then
    echo "FAIL: $1 is '$got', expected '$2'" >&2
    failures=$((failures + 1))
  fi
}
expect NumOfFile 0
expect RandomAccess 0
expect SgfPriority 1
expect With3DEffect 0
expect StarPoints 0
expect Lines 0
expect AssistantCustomHeight 1
expect AssistantHeight 25
expect StoneRadius 20
expect GridPosition 2
expect GridX 5
expect GridY -3
expect SplashDelay 100
expect LastPage 0
[ "$failures" -eq 0 ] || fail "$failures registry values differ"
echo "ok: the dialog wrote what was typed"

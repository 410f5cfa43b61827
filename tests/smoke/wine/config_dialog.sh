#!/usr/bin/env bash
# The Windows program's /c under Wine, in English and in French: the configuration dialog opens
# on the tab LastPage names; the file order dialog sorts the files and OK keeps that order; Add
# appends the files chosen together; the About box opens from the system menu; keys change values
# on every page (a spin and the colour chooser too) and in the file list (Ctrl+A selects all files, Remove takes them);
# Default puts the options back; a number out of range refuses OK; Return is OK, and the
# registry then holds what was typed.
# Screenshots go to $CONFIG_SHOTS when it is set.
source "$(dirname "$0")/../wine.bash"
start_wine

keys() {  # xdotool key names, to the window $FOCUS (the keyboard follows the pointer without a window manager)
  xdotool windowfocus --sync "$FOCUS" 2>/dev/null || true
  xdotool key --delay 60 "$@"
  sleep 0.3
}
snap() {  # NAME: a screenshot kept in $CONFIG_SHOTS
  [ -n "${CONFIG_SHOTS:-}" ] && import -window root "$CONFIG_SHOTS/$LANGUAGE-$1.png"
  return 0
}
window_named() {  # TITLE: waits for the window and prints its number
  local found=
  for _ in $(seq 100); do
    found=$(xdotool search --name "^$1\$" 2>/dev/null | head -n1) && [ -n "$found" ] && break
    sleep 0.1
  done
  [ -n "$found" ] || { snap missing; fail "$LANGUAGE: no window '$1'"; }
  echo "$found"
}
window_gone() {  # TITLE: waits until no window has that name
  for _ in $(seq 50); do
    xdotool search --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "$LANGUAGE: the window '$1' stays"
}
fresh_profile() {  # three files, LastPage 2, InitialDir
  wine reg delete "$CONFIG_KEY" /f >/dev/null 2>&1 || true
  reg_set NumOfFile REG_SZ 3
  reg_set File0 REG_SZ 'C:\Tenukiro\b.sgf'
  reg_set File1 REG_SZ 'C:\Tenukiro\c.sgf'
  reg_set File2 REG_SZ 'C:\Tenukiro\a.sgf'
  reg_set LastPage REG_SZ 2
  reg_set InitialDir REG_SZ "$FOLDER"
}
start_dialog() {  # the dialog gets the focus
  SAVER_LOCALE=$LOCALE start_saver /c
  DIALOG=$(window_named "$TITLE")
  FOCUS=$DIALOG
  sleep 1
}
close_with_return() {
  FOCUS=$DIALOG
  keys Return
  for _ in $(seq 100); do [ -s "$WORK/saver.status" ] && break; sleep 0.1; done
  [ -s "$WORK/saver.status" ] || { snap stuck; fail "$LANGUAGE: Return did not close the dialog"; }
  [ "$(cat "$WORK/saver.status")" = 0 ] || fail "$LANGUAGE: the program exited with $(cat "$WORK/saver.status")"
}
failures=0
expect() {  # NAME VALUE
  local got
  got=$(reg_value "$1")
  if [ "$got" != "$2" ]; then
    echo "FAIL: $LANGUAGE: $1 is '$got', expected '$2'" >&2
    failures=$((failures + 1))
  fi
}

# The file order dialog, Add and the About box: the list in the file order dialog has the focus,
# Sort is the third button after it; the file dialog starts in InitialDir, where two names typed
# at once are chosen together; Alt+Space opens the system menu, whose last item is About. Return
# on a button presses it: the focus goes back to the file list before OK.
order_add_and_about() {
  fresh_profile
  start_dialog
  keys Tab Tab Tab Tab space
  FOCUS=$(window_named "$ORDER_TITLE")
  keys Tab Tab Tab space
  snap order
  keys shift+Tab shift+Tab space
  FOCUS=$DIALOG
  keys shift+Tab shift+Tab shift+Tab space
  FOCUS=$(window_named "$ADD_TITLE")
  sleep 1
  xdotool windowfocus --sync "$FOCUS" 2>/dev/null || true
  xdotool type --delay 30 '"Tenukfra.html" "Tenukeng.html"'
  snap add
  keys Return
  FOCUS=$DIALOG
  keys shift+Tab
  keys alt+space Up Return
  FOCUS=$(window_named "$ABOUT_TITLE")
  snap about
  keys Return
  close_with_return
  expect File0 'C:\Tenukiro\a.sgf'
  expect File1 'C:\Tenukiro\b.sgf'
  expect File2 'C:\Tenukiro\c.sgf'
  expect NumOfFile 5
  expect File3 "$FOLDER\Tenukfra.html"
  expect File4 "$FOLDER\Tenukeng.html"
  expect InitialDir "$FOLDER"
  expect LastPage 2
}

# The tab order: file list, its buttons, the two options, the page's controls, the tab control,
# OK. Ctrl+Tab goes to the next tab, with Shift to the previous one.
every_page() {
  fresh_profile
  start_dialog
  snap colours
  # The file list has the focus: Ctrl+A selects the files, Remove takes them.
  keys ctrl+a Tab Tab space
  # Random display order off, priority on; on the colours page, 3D effect off.
  keys Tab Tab Tab space Tab space Tab space
  # The screen background: the colour chooser, cancelled, writes nothing; then red, with OK.
  keys Tab Tab Tab space
  FOCUS=$(window_named "$CHOOSER_TITLE")
  snap chooser
  keys Escape
  window_gone "$CHOOSER_TITLE"
  [ -z "$(reg_value CustColorGreen0)" ] || fail "$LANGUAGE: a cancelled colour chooser wrote its custom colours"
  FOCUS=$DIALOG
  keys space
  choose_red_with_ok "$(window_named "$CHOOSER_TITLE")"
  # Others: the show on every screen on, the last two switches (star points, lines) off.
  keys ctrl+Tab
  snap others
  keys shift+Tab space shift+Tab space shift+Tab space
  # Spatial: custom height 25, radius 22, custom grid at 5, -3.
  keys ctrl+shift+Tab ctrl+shift+Tab
  snap spatial
  keys shift+Tab space Tab Home shift+End 2 5
  # The arrow keys in an edit step it through its spin: 20 becomes 22.
  keys shift+Tab shift+Tab shift+Tab shift+Tab Home shift+End 2 0 Up Up
  keys Tab Down Tab Home shift+End 5 Tab Home shift+End minus 3
  # Temporal: the transition time slider to its end.
  keys ctrl+shift+Tab
  snap temporal
  keys shift+Tab End
  close_with_return
  expect NumOfFile 0
  expect RandomAccess 0
  expect SgfPriority 1
  expect With3DEffect 0
  expect StarPoints 0
  expect Lines 0
  expect AllScreens 1
  expect AssistantCustomHeight 1
  expect AssistantHeight 25
  expect StoneRadius 22
  expect GridPosition 2
  expect GridX 5
  expect GridY -3
  expect SplashDelay 100
  expect LastPage 0
  expect ScreenBackgroundColorRed 255
  expect ScreenBackgroundColorGreen 0
  expect CustColorGreen0 170
  expect CustColorBlue0 85
  expect CustColorGreen15 255
}

# choose_red_with_ok WINDOW: in the colour chooser, the first swatch of the second row of basic
# colours (red), then OK (its place measured on Wine's chooser, in both languages).
choose_red_with_ok() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  sleep 1  # the chooser is placed after it appears
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + 17)) $((Y + 53)) click 1
  sleep 0.3
  xdotool mousemove $((X + 42)) $((Y + HEIGHT - 18)) click 1
  window_gone "$CHOOSER_TITLE"
}

# Default puts back every option but leaves the files: Default is the last button but one, before
# the file list in the tab order.
defaults() {
  fresh_profile
  reg_set StoneRadius REG_SZ 30
  reg_set RandomAccess REG_SZ 0
  reg_set Lines REG_SZ 0
  reg_set With3DEffect REG_SZ 0
  reg_set CommonPositionTime REG_SZ 70
  reg_set BackColorRed REG_SZ 10
  start_dialog
  keys shift+Tab shift+Tab space Tab Tab
  close_with_return
  expect NumOfFile 3
  expect StoneRadius 12
  expect RandomAccess 1
  expect Lines 1
  expect With3DEffect 1
  expect CommonPositionTime 40
  expect BackColorRed 255
}

# A custom width out of its range refuses OK with a message and writes nothing; corrected, OK
# writes it. The width edit is the second tab stop before the tab control on the spatial page.
refusal() {
  fresh_profile
  reg_set LastPage REG_SZ 1
  reg_set AssistantCustomWidth REG_SZ 1
  start_dialog
  keys ctrl+Tab ctrl+shift+Tab shift+Tab shift+Tab Home shift+End 1 5 0 Return
  FOCUS=$(window_named Tenukiro)
  snap refusal
  [ -z "$(reg_value CommonPositionTime)" ] || fail "$LANGUAGE: a refused OK wrote the settings"
  keys Return
  FOCUS=$DIALOG
  keys 2 5
  close_with_return
  expect AssistantWidth 25
  expect CommonPositionTime 40
}

# The build folder as the program sees it, where the help pages are.
FOLDER=$(winepath -w "$BUILD" 2>/dev/null | tr -d '\r')
FOLDER=${FOLDER%\\}
LANGUAGE=en LOCALE=en_US.UTF-8 TITLE="Tenukiro Configuration" ORDER_TITLE="Change SGF file order" ABOUT_TITLE="About Tenukiro"
ADD_TITLE="Add..." CHOOSER_TITLE="Color"
order_add_and_about
every_page
LANGUAGE=fr LOCALE=fr_FR.UTF-8 TITLE="Configuration de Tenukiro " ORDER_TITLE="Modification de l'ordre des fichiers SGF" ADD_TITLE="Ajouter..." CHOOSER_TITLE="Couleurs"
# (xdotool matches window names byte by byte: the accented capital is matched by a dot)
ABOUT_TITLE=".* propos de Tenukiro"
order_add_and_about
every_page
defaults
refusal
[ "$failures" -eq 0 ] || fail "$failures registry values differ"
echo "ok: in both languages the dialog wrote what was typed"

#!/usr/bin/env bash
# The language follows the user's locale, which Wine takes from LANG and LC_ALL: French texts under
# a French locale; English under an English one and under any other language (German here).
source "$(dirname "$0")/../wine.bash"
start_wine

write_position_record "$WORK/position.sgf"
record=$(winepath -w "$WORK/position.sgf")

shot_in() {  # shot_in LOCALE NAME: the saver's picture under that locale
  SAVER_LOCALE=$1 start_saver /s "$record"
  wait_for_colour "$2" FFAA55
  sleep 1.5
  shot "$2"
  press_key a
  local status
  status=$(wait_for_status 15)
  [ "$status" = 0 ] || fail "$2: the saver ended with $status"
}

shot_in en_US.UTF-8 english
shot_in fr_FR.UTF-8 french
shot_in de_DE.UTF-8 german

# The game information lines under the board are texts of the language; the board is not.
box=$(board_box "$WORK/english.png" FFAA55)
read -r width height left top <<<"$(echo "$box" | tr 'x+' '  ')"
board="${width}x${height}+${left}+${top}"
info="1024x80+0+$((top + height))"
differs() {  # differs A B REGION
  [ "$(compare -metric AE -crop "$3" "$WORK/$1.png" "$WORK/$2.png" null: 2>&1 || true)" != 0 ]
}
differs english french "$board" && fail "the board changed with the language"
differs english french "$info" || fail "the French locale did not give French texts"
differs english german "$info" && fail "the German locale did not give English texts"
echo "language: English and French texts from the locale"

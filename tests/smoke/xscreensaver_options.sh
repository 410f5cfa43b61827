#!/usr/bin/env bash
# Every choice of the installed XScreenSaver settings page is a command line the hack
# accepts: every menu at its first, default and last entry, each box ticked and not,
# all of them at once, and the records given as a file and as a folder. (That each
# value is one the program keeps is checked against its setting table in test_settings.)
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/installed.bash"
unset DISPLAY
PREFIX="$WORK/prefix"
install_into "$PREFIX"
XML="$PREFIX/share/xscreensaver/config/tenukiro.xml"
HACK="$PREFIX/libexec/xscreensaver/tenukiro"

xpath() { xmllint --xpath "$1" "$XML"; }
read -ra command_args <<<"$(xpath 'string(//command/@arg)')"
[ "${#command_args[@]}" -gt 0 ] || fail "the settings page names no command"

runs=0
run_hack() {  # run_hack ARGUMENT-TEXT [RECORD]: the words of the text, then the record
  local words
  read -ra words <<<"$1"
  "$HACK" "${command_args[@]}" "${words[@]}" --render "$WORK/out.png" --size 320x240 --at 0 "${@:2}" \
    >"$WORK/out.log" 2>&1 || fail "'$1 ${*:2}' was refused: $(cat "$WORK/out.log")"
  [ "$(identify -format %wx%h "$WORK/out.png")" = 320x240 ] || fail "'$1' drew no picture"
  rm "$WORK/out.png"
  runs=$((runs + 1))
}

run_hack ""  # every choice at its default adds nothing
first_entries="" last_entries=""
menus=$(xpath 'count(//select)')
for ((menu = 1; menu <= menus; menu++)); do
  entries=$(xpath "count(//select[$menu]/option)")
  first=$(xpath "string(//select[$menu]/option[1]/@arg-set)")
  last=$(xpath "string(//select[$menu]/option[$entries]/@arg-set)")
  run_hack "$first"
  run_hack "$last"
  first_entries+=" $first" last_entries+=" $last"
done
# Every box in the state that adds its switch, all at once too.
boxes=$(xpath 'count(//boolean)') all_boxes=""
for ((box = 1; box <= boxes; box++)); do
  for state in arg-set arg-unset; do
    switch=$(xpath "string(//boolean[$box]/@$state)")
    [ -n "$switch" ] || continue  # this state adds nothing: the default run above
    run_hack "$switch"
    all_boxes+=" $switch"
  done
done
run_hack "$first_entries $all_boxes"
run_hack "$last_entries $all_boxes"

[ "$(xpath 'string(//file/@arg)')" = "%" ] || fail "the records are not given after the switches"
run_hack "$last_entries" "$PREFIX/share/tenukiro/Tenukiro.sgf"
run_hack "$last_entries" "$PREFIX/share/tenukiro"

[ "$runs" -ge 20 ] || fail "only $runs command lines were tried"
echo "xscreensaver options: $runs command lines accepted"

#!/usr/bin/env bash
# Records in a folder whose name is not ASCII: named on the command line as a folder (the saver
# walks it) and as the registry's list entry (a registry string), each shows its white stones,
# which neither the bundled record's first position nor a random game has.
source "$(dirname "$0")/../wine.bash"
start_wine

folder="$WORK/parties é 記録"
mkdir -p "$folder"
write_position_record "$folder/première.sgf"

shows_record() {  # shows_record NAME: the saver shows the record's stones, then ends on a key
  wait_for_colour "$1" FFAA55
  sleep 1
  shot "$1"
  local box white
  box=$(board_box "$WORK/$1.png" FFAA55)
  white=$(stone_pixels "$WORK/$1.png" "$box" light)
  [ "$white" -gt 120 ] || fail "$1: the record's white stones are not shown ($white pixels)"
  press_key a
  local status
  status=$(wait_for_status 15)
  [ "$status" = 0 ] || fail "$1: the saver ended with $status"
}

start_saver /s "$(winepath -w "$folder")"
shows_record folder_argument

key='HKCU\Software\Quorvane\Tenukiro\Config'
wine reg add "$key" /v NumOfFile /t REG_DWORD /d 1 /f >/dev/null 2>&1
wine reg add "$key" /v File0 /t REG_SZ /d "$(winepath -w "$folder/première.sgf")" /f >/dev/null 2>&1
# reg prints in the console's code page: only the ASCII part of the name is compared.
wine reg query "$key" /v File0 | LC_ALL=C grep -aq "premi.*re\.sgf" || fail "the registry does not hold the file name"
start_saver /s
shows_record registry_list
echo "records: a non-ASCII folder and file name both shown"

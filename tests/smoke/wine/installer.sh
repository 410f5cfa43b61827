#!/usr/bin/env bash
# The Windows installer under Wine: a silent install puts the saver into the system folder and
# its data files into Program Files\Tenukiro, with an uninstall entry; the installed saver's /s
# shows the bundled record (its assistant appears) and /c opens the dialog; installing again
# keeps the user's settings; the silent uninstall leaves no file and no entry, and keeps the
# settings, as the uninstall by hand does when its question gets the default answer. The saver copied alone into an empty folder shows the bundled record too (it carries
# it), and the installer speaks French under a French locale. First the host's own checks of
# carried files and scaled sizes (tests/win32/host_files_test.cpp), run from a folder of their own.
source "$(dirname "$0")/../wine.bash"
start_wine

mkdir "$WORK/checks"
cp "$BUILD/tests/win32/host_files_test.exe" "$WORK/checks/"
wine "$WORK/checks/host_files_test.exe" || fail "the host's file and scaling checks failed"

setup=$(ls "$BUILD"/Tenukiro-*-setup.exe 2>/dev/null | head -n1)
[ -n "$setup" ] || fail "no Tenukiro-<version>-setup.exe in $BUILD"
version=$(basename "$setup" | sed -E 's/^Tenukiro-(.*)-setup\.exe$/\1/')
drive="$WINEPREFIX/drive_c"
installed=("$drive/windows/system32/Tenukiro.scr" "$drive/Program Files/Tenukiro/Tenukiro.sgf"
           "$drive/Program Files/Tenukiro/Tenukeng.html" "$drive/Program Files/Tenukiro/Tenukfra.html"
           "$drive/Program Files/Tenukiro/License.txt" "$drive/Program Files/Tenukiro/Uninstall.exe")
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tenukiro'

entry() {  # entry NAME: the uninstall entry's value as reg prints it (type and data)
  wine reg query "$UNINSTALL_KEY" /v "$1" 2>/dev/null | tr -d '\r' | grep -i "^ *$1 " | sed -E 's/^ *[^ ]+ +([^ ]+) +/\1 /'
}

install_silently() {
  timeout 60 wine "$setup" /S >"$WORK/setup.out" 2>&1 || fail "the silent install exited $?"
  for file in "${installed[@]}"; do [ -f "$file" ] || fail "the install left out $file"; done
  cmp -s "$drive/windows/system32/Tenukiro.scr" "$SAVER" || fail "the installed saver is not the one built"
}

# shows_bundled_record NAME: the saver, just started, shows the bundled record: the board, and the
# assistant (in the flat look its body is pure green), which a random game in its place lacks.
shows_bundled_record() {
  wait_for_colour "$1" FFAA55
  wait_for_colour "$1" 00FF00
  [ "$(count_colour "$WORK/$1.png" 1024x768+0+0 00FF00)" -gt 400 ] || fail "$1: no assistant ($WORK/$1.png)"
  press_key a
  local status
  status=$(wait_for_status 15)
  [ "$status" = 0 ] || fail "$1: the saver ended with $status"
}

install_silently
[ "$(entry DisplayName)" = "REG_SZ Tenukiro" ] || fail "DisplayName is '$(entry DisplayName)'"
[ "$(entry DisplayVersion)" = "REG_SZ $version" ] || fail "DisplayVersion is '$(entry DisplayVersion)'"
[ "$(entry Publisher)" = "REG_SZ Quorvane" ] || fail "Publisher is '$(entry Publisher)'"
entry DisplayIcon | grep -qi 'system32\\Tenukiro.scr,0$' || fail "DisplayIcon is '$(entry DisplayIcon)'"
entry UninstallString | grep -qi '"C:\\Program Files\\Tenukiro\\Uninstall.exe"$' ||
  fail "UninstallString is '$(entry UninstallString)'"
quiet=$(entry QuietUninstallString | sed -E 's/^REG_SZ +//')
[[ "$quiet" == *'Uninstall.exe" /S' ]] || fail "QuietUninstallString is '$quiet'"
size=$(entry EstimatedSize | awk '{print $2}')
[ "$((size))" -gt 1000 ] || fail "EstimatedSize is '$size' kB"

# The flat look draws the assistant's body in its plain colour; the setting must outlive a reinstall.
reg_set With3DEffect REG_DWORD 0
SAVER='C:\windows\system32\Tenukiro.scr'
start_saver /s
shows_bundled_record installed
start_saver /c
dialog=$(wait_for_window '^Tenukiro Configuration$' && xdotool search --name '^Tenukiro Configuration$' | head -n1) ||
  fail "the installed saver's /c opened no dialog"
sleep 1
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key Escape
[ "$(wait_for_status 15)" = 0 ] || fail "the installed saver's dialog did not end with status 0"

SAVER="$BUILD/Tenukiro.scr"
install_silently
[ "$(reg_value With3DEffect)" = 0 ] || fail "installing again lost the settings"

# removed_all HOW: the installed files, their folder and the entry are gone, the settings kept.
# The uninstaller copies itself away and runs from there: the files go a moment after it returns.
removed_all() {
  for _ in $(seq 100); do
    left=()
    for file in "${installed[@]}"; do [ -e "$file" ] && left+=("$file"); done
    [ ${#left[@]} -eq 0 ] && ! wine reg query "$UNINSTALL_KEY" >/dev/null 2>&1 && break
    sleep 0.2
  done
  [ ${#left[@]} -eq 0 ] || fail "the $1 uninstall left ${left[*]}"
  [ ! -e "$drive/Program Files/Tenukiro" ] || fail "the $1 uninstall left the folder Program Files\\Tenukiro"
  wine reg query "$UNINSTALL_KEY" >/dev/null 2>&1 && fail "the $1 uninstall left its entry"
  [ "$(reg_value With3DEffect)" = 0 ] || fail "the $1 uninstall removed the settings"
  return 0
}
eval "wine $(sed 's/\\/\\\\/g' <<<"$quiet")" >"$WORK/uninstall.out" 2>&1 || fail "the silent uninstall exited $?"
removed_all silent

# Uninstalling by hand, Return all along: "Uninstall", then the default answer to whether the
# settings go too (No), then "Close".
install_silently
(wine 'C:\Program Files\Tenukiro\Uninstall.exe' >/dev/null 2>&1 &)
wait_for_window '^Tenukiro Uninstall' || fail "the uninstaller showed no window"
for _ in $(seq 20); do
  window=$(xdotool search --name '^Tenukiro Uninstall' 2>/dev/null | tail -n1) || break
  sleep 1.5
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key Return
done
removed_all "default"

# The saver alone in a folder of its own, nothing beside it.
mkdir "$WORK/alone"
cp "$BUILD/Tenukiro.scr" "$WORK/alone/"
SAVER="$WORK/alone/Tenukiro.scr"
start_saver /s
shows_bundled_record alone

# The installer's pages follow the locale as the program's texts do.
title_under() {  # title_under LOCALE: the caption of the installer's window
  (env LANG="$1" LC_ALL="$1" wine "$setup" >/dev/null 2>&1 &)
  local window=
  for _ in $(seq 100); do
    window=$(xdotool search --name 'Tenukiro' 2>/dev/null | head -n1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "$1: the installer showed no window"
  xdotool getwindowname "$window"
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}
english=$(title_under en_US.UTF-8)
french=$(title_under fr_FR.UTF-8)
[[ "$english" == *Setup* ]] || fail "the English installer's caption is '$english'"
[[ "$french" == *Installation* ]] || fail "the French installer's caption is '$french'"
echo "installer: installed, shown, configured, kept the settings, uninstalled; captions '$english', '$french'"

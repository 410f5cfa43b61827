# Shared by the tests that run the Windows build under Wine (sourced after common.bash): a Wine
# prefix of its own in the test's folder, the program, and registry reads.
WINDOWS_BUILD=${TENUKIRO_WINDOWS_BUILD:-${2:-}/../build-windows}

# needs_windows_build: sets SCR to the Windows program, or ends the test as skipped when the
# Windows build or Wine is absent.
needs_windows_build() {
  SCR="$WINDOWS_BUILD/Tenukiro.scr"
  [ -f "$SCR" ] || { echo "no Windows build at $WINDOWS_BUILD; skipped"; exit 77; }
  command -v wine >/dev/null || { echo "no wine; skipped"; exit 77; }
}

start_wine() {  # a fresh prefix; Wine may not offer to install Mono or Gecko
  export WINEPREFIX="$WORK/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineboot -i >"$WORK/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -3 "$WORK/wineboot.log")"
  trap 'wineserver -k 2>/dev/null || true; cleanup' EXIT
}

# install_program: the program with the files it reads beside it, in a folder of the prefix's C: drive.
install_program() {
  APP="$WINEPREFIX/drive_c/Tenukiro"
  mkdir -p "$APP"
  cp "$SCR" "$APP/"
  for file in Tenukiro.sgf Tenukeng.html Tenukfra.html; do
    [ -f "$WINDOWS_BUILD/$file" ] && cp "$WINDOWS_BUILD/$file" "$APP/"
  done
  return 0
}

CONFIG_KEY='HKCU\Software\Quorvane\Tenukiro\Config'

reg_set() {  # NAME TYPE DATA
  wine reg add "$CONFIG_KEY" /v "$1" /t "$2" /d "$3" /f >/dev/null 2>&1 || fail "reg add $1 failed"
}

# reg_value NAME: the value as the profile reads it: a number in decimal (a DWORD as a signed
# 32-bit number), a text as it is; nothing when the value is missing.
reg_value() {
  local line type data
  line=$(wine reg query "$CONFIG_KEY" /v "$1" 2>/dev/null | tr -d '\r' | grep -i "^ *$1 ") || return 0
  type=$(awk '{print $2}' <<<"$line")
  data=$(sed -E 's/^ *[^ ]+ +[^ ]+ +//' <<<"$line")
  if [ "$type" = REG_DWORD ]; then
    data=$((data))
    [ "$data" -ge 2147483648 ] && data=$((data - 4294967296))
  fi
  echo "$data"
}

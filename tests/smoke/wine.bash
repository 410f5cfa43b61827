# Shared by the Windows tests under Wine (sourced, not a test itself): a private Xvfb display, a
# private Wine prefix started once, and helpers to run the saver and read its pixels.
# $1 of the test is the Windows build folder (Tenukiro.scr and preview_host.exe).
source "$(dirname "${BASH_SOURCE[0]}")/common.bash" "${1:?usage: test.sh path/to/build-windows}"
BUILD=$(cd "$1" && pwd)
SAVER="$BUILD/Tenukiro.scr"
[ -f "$SAVER" ] || fail "no $SAVER: build it with scripts/build-windows.sh"

export WINEPREFIX="$WORK/wine"
export WINEDEBUG=-all
# No offer to install Mono or Gecko: the saver needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# Wine names Unix files through the locale's charset: without a UTF-8 locale (a fresh machine has
# LANG unset) a folder such as "parties é 記録" cannot even be made from Windows.
if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
  unset LC_ALL LC_CTYPE
  export LANG=C.UTF-8
fi

# The prefix's server goes before the prefix does.
wine_cleanup() {
  wineserver -k 2>/dev/null || true
  cleanup
}
trap wine_cleanup EXIT

start_wine() {  # start_wine: Xvfb and a fresh prefix, made once per test
  start_xvfb 1024x768
  wineboot -i >"$WORK/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -n 5 "$WORK/wineboot.log")"
}

# start_saver [ARGUMENTS...]: runs "Tenukiro.scr ARGUMENTS" in the background, under the locale
# $SAVER_LOCALE when it is set; SAVER_PID is its wine process and $WORK/saver.status gets its exit
# status.
start_saver() {
  rm -f "$WORK/saver.status"
  local locale=()
  [ -n "${SAVER_LOCALE:-}" ] && locale=("LANG=$SAVER_LOCALE" "LC_ALL=$SAVER_LOCALE")
  (
    set +e
    env "${locale[@]}" wine "$SAVER" "$@" >"$WORK/saver.out" 2>&1
    echo $? >"$WORK/saver.status"
  ) &
  SAVER_PID=$!
}

# saver_window: the id of the saver's mapped top-level X window, once it exists.
saver_window() {
  for _ in $(seq 150); do
    for window in $(xdotool search --classname tenukiro.scr 2>/dev/null); do
      if xwininfo -id "$window" 2>/dev/null | grep IsViewable >/dev/null; then
        echo "$window"
        return 0
      fi
    done
    sleep 0.1
  done
  fail "the saver's window never appeared"
}

# shot NAME: a screenshot of the whole screen, $WORK/NAME.png
shot() { import -window root "$WORK/$1.png"; }

# wait_for_colour NAME HEX: screenshots until one shows the colour, at most 20 s.
wait_for_colour() {
  for _ in $(seq 80); do
    shot "$1"
    region_has "$WORK/$1.png" 1024x768+0+0 "$2" && return 0
    sleep 0.25
  done
  fail "no #$2 on the screen ($WORK/$1.png)"
}

# wait_for_status SECONDS: the saver's exit status once it has ended, or a failure.
wait_for_status() {
  for _ in $(seq $(($1 * 10))); do
    [ -s "$WORK/saver.status" ] && { cat "$WORK/saver.status"; return 0; }
    sleep 0.1
  done
  fail "the saver did not end within $1 s"
}

# press_key KEY: gives the saver's window the keyboard (without a window manager Wine sees keys
# only in the window it was told has the focus) and sends the key.
press_key() {
  local window
  window=$(saver_window)
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key "$1"
}

# count_colour FILE WxH+X+Y HEX: how many pixels of the region have the colour.
count_colour() {
  convert "$1" -crop "$2" +repage -format %c histogram:info:- | awk -v c="#$3" 'toupper($3) == toupper(c) {sub(":", "", $1); n = $1} END {print n + 0}'
}

# A record of one position: black and white stones, a comment for the balloon and the game's
# information, so that the picture holds still.
write_position_record() {  # write_position_record FILE
  cat >"$1" <<'SGF'
(;GM[1]FF[4]SZ[19]KM[6.5]PB[Kuroda]PW[Shirai]RE[W+3.5]DT[2024-05-01]EV[Test match]
OP[SgfPriority:1][Comment:1][Informations:1][Assistant:1]MT[60000]
AB[dd][pd][dp][qq]AW[pp][dq][cn][qc]C[The opening: four corners taken, two by each side.])
SGF
}

# board_box FILE: the geometry (WxH+X+Y) of the board, found by its colour HEX.
board_box() {  # board_box FILE HEX
  convert "$1" -fill black +opaque "#$2" -format "%@" info:
}

# stone_pixels FILE BOX dark|light: pixels of the box inside a dark or light disc of radius 4 or more.
# Grid lines, star points and text are thinner than that; only stones are left.
stone_pixels() {
  local threshold=(-threshold 30% -negate)
  [ "$3" = light ] && threshold=(-threshold 80%)
  convert "$1" -crop "$2" +repage -colorspace gray "${threshold[@]}" -morphology Erode Disk:4 \
    -format "%[fx:round(mean*w*h)]" info:
}

# The profile's key, and its values as the program reads them.
CONFIG_KEY='HKCU\Software\Quorvane\Tenukiro\Config'

reg_set() {  # reg_set NAME TYPE DATA
  wine reg add "$CONFIG_KEY" /v "$1" /t "$2" /d "$3" /f >/dev/null 2>&1 || fail "reg add $1 failed"
}

# reg_value NAME: a number in decimal (a DWORD as a signed 32-bit number) or a text as it is;
# nothing when the value is missing.
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

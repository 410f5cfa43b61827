# Shared by the end-to-end tests (sourced, not a test itself): a private Xvfb display, a private profile folder,
# and helpers to read pixels from a screenshot. Source it; $1 of the test is the binary.
set -euo pipefail
TENUKIRO=${1:?usage: test.sh path/to/tenukiro}
WORK=$(mktemp -d)
export XDG_CONFIG_HOME="$WORK/config"
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cleanup() {
  [ -n "${KEEP_SHOTS:-}" ] && cp "$WORK"/*.png "$KEEP_SHOTS"/ 2>/dev/null
  [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null || true
  stop_xvfb
  rm -rf "$WORK"
}
trap cleanup EXIT

# A server is waited for as it ends: one still ending when another test's server starts would
# remove the socket of the display number the new one has just taken.
stop_xvfb() {
  [ -n "${XVFB_PID:-}" ] || return 0
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=
}

start_xvfb() {  # start_xvfb [SIZE [more Xvfb arguments...]]
  local size=${1:-1024x768}
  shift || true
  rm -f "$WORK/display"  # a test may start a second server after the first
  # -noreset: a server resetting as its last client leaves (a screenshot, a window search) drops
  # the connection a program is making at that moment, which fails it on a busy machine.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset "$@" 3>"$WORK/display" 2>"$WORK/xvfb.log" &
  XVFB_PID=$!
  for _ in $(seq 400); do [ -s "$WORK/display" ] && break; sleep 0.05; done
  [ -s "$WORK/display" ] || fail "Xvfb did not start: $(tail -n 3 "$WORK/xvfb.log")"
  export DISPLAY=":$(head -n1 "$WORK/display")"
  export QT_QPA_PLATFORM=xcb
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.05; done
  fail "no connection to Xvfb on $DISPLAY: $(tail -n 3 "$WORK/xvfb.log")"
}

# pixel_at FILE X Y -> "R,G,B"
pixel_at() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# region_has FILE WxH+X+Y HEX: whether the region holds a pixel of colour #HEX (e.g. FFAA55).
region_has() {
  convert "$1" -crop "$2" +repage -format %c histogram:info:- | grep -i "#$3" >/dev/null
}

# shot_when_still FILE HEX: a picture of the screen once it shows colour #HEX and two pictures
# in a row agree (a loaded machine may be caught mid-drawing); the last picture after 10 s.
shot_when_still() {
  local previous="$WORK/still-previous.png"
  rm -f "$previous"
  for _ in $(seq 50); do
    import -window root "$1"
    if region_has "$1" "$(xdpyinfo | awk '/dimensions:/ {print $2}')+0+0" "$2"; then
      [ -f "$previous" ] && [ "$(compare -metric AE "$1" "$previous" null: 2>&1 || true)" = "0" ] && return 0
      cp "$1" "$previous"
    fi
    sleep 0.2
  done
}

wait_for_window() {  # wait_for_window NAME
  for _ in $(seq 100); do
    xdotool search --name "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "window '$1' never appeared" >&2
  return 1
}

fail() { echo "FAIL: $*" >&2; exit 1; }

ends_within() {  # ends_within TENTHS PID: whether the process ends in that time
  for _ in $(seq "$1"); do kill -0 "$2" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}

# The idle watcher's own saver: another test may be running a watcher of its own.
saver_pids() { pgrep -P "$APP_PID" -f -x "tenukiro /s --set PasswordDelay=100" || true; }
wait_for_saver() { for _ in $(seq 200); do [ -n "$(saver_pids)" ] && return 0; sleep 0.1; done; return 1; }

# start_idle_watcher SECONDS LOG: runs `--idle SECONDS` as $APP_PID and waits for its saver,
# which must not come before SECONDS of idle time.
start_idle_watcher() {
  local started
  started=$(date +%s%N)
  "$TENUKIRO" --idle "$1" --set PasswordDelay=100 2>"$2" &
  APP_PID=$!
  wait_for_saver || fail "no saver within 20 s: $(cat "$2")"
  local waited=$(( ($(date +%s%N) - started) / 1000000 ))
  [ "$waited" -ge $(( $1 * 1000 - 100 )) ] || fail "the saver came after $waited ms, before $1 s of idle time"
}

# sigterm_ends_app WHAT: SIGTERM ends the program under test ($APP_PID) with status 0.
sigterm_ends_app() {
  local status=0
  kill -TERM "$APP_PID"
  wait "$APP_PID" || status=$?
  APP_PID=
  [ "$status" -eq 0 ] || fail "$1, SIGTERM: status $status"
}

# needs_corpus: sets CORPUS to the external record corpus, or ends the test with the status CTest reports as
# skipped (SKIP_RETURN_CODE in tests/CMakeLists.txt).
needs_corpus() {
  CORPUS=${TENUKIRO_CORPUS_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)/shared/corpus}
  [ -d "$CORPUS" ] || { echo "no corpus at $CORPUS; skipped"; exit 77; }
}

# own_records: writes the project's own test records into $WORK/records and prints a line per record: its number
# of nodes, a tab, its path.
own_records() {
  "${TENUKIRO_MAKE_TEST_RECORDS:?set TENUKIRO_MAKE_TEST_RECORDS to the make_test_records program}" "$WORK/records"
}

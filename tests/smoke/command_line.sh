#!/usr/bin/env bash
# The command line's outcomes, without a display.
source "$(dirname "$0")/common.bash"
unset DISPLAY

"$TENUKIRO" --help | grep -q '^usage: tenukiro' || fail "--help prints no usage"
"$TENUKIRO" --version | grep -q '^tenukiro ' || fail "--version"
"$TENUKIRO" /a 1 || fail "/a 1 should exit 0"

set +e
"$TENUKIRO" /x 2>"$WORK/err"; status=$?
set -e
[ "$status" -eq 2 ] || fail "/x exited $status, not 2"
grep -q "'/x'" "$WORK/err" || fail "/x message does not name the argument: $(cat "$WORK/err")"
[ "$(wc -l <"$WORK/err")" -ge 1 ] || fail "no message for /x"

set +e
"$TENUKIRO" --no-such-option 2>"$WORK/err"; status=$?
set -e
[ "$status" -eq 2 ] || fail "unknown option exited $status"

# Nothing is written to the profile outside the dialog.
"$TENUKIRO" /a 1
"$TENUKIRO" /p
[ -z "$(find "$XDG_CONFIG_HOME" -type f)" ] || fail "a profile file was written"
echo "command line: ok"

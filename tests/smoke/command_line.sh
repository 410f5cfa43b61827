#!/usr/bin/env bash
# The command line's outcomes, without a display.
source "$(dirname "$0")/common.bash"
unset DISPLAY

"$TENUKIRO" --help | grep '^usage: tenukiro' >/dev/null || fail "--help prints no usage"
"$TENUKIRO" --version | grep '^tenukiro ' >/dev/null || fail "--version"
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

set +e
"$TENUKIRO" --set StoneRadius=abc /s 2>"$WORK/err"; status=$?
set -e
[ "$status" -eq 2 ] || fail "a setting that is not a number exited $status"
grep -q "'StoneRadius'.*'abc'" "$WORK/err" || fail "the bad setting is not named: $(cat "$WORK/err")"

"$TENUKIRO" --replay "$WORK/missing.sgf" >"$WORK/steps" 2>"$WORK/err" || fail "--replay of a missing record failed"
grep -q "cannot read '$WORK/missing.sgf'" "$WORK/err" || fail "a missing record passed in silence"
[ -s "$WORK/steps" ] || fail "no random game stood in for the missing record"

# Nothing is written to the profile outside the dialog.
"$TENUKIRO" /a 1
"$TENUKIRO" /p
[ -z "$(find "$XDG_CONFIG_HOME" -type f)" ] || fail "a profile file was written"
echo "command line: ok"

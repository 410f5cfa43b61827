#!/usr/bin/env bash
# The Windows platform files under Wine (platform_checks.exe: paths, charsets, wide file names,
# folders, the registry profile, fonts, WGL spheres); then the registry values it wrote, read back
# by the system's own tool with the types the program gave them.
source "$(dirname "$0")/../wine.bash"
start_wine

set +e
wine "$BUILD/platform_checks.exe" >"$WORK/checks.out" 2>&1
status=$?
set -e
cat "$WORK/checks.out"
[ "$status" = 0 ] || fail "platform checks failed"

key='HKCU\Software\Quorvane\TenukiroPlatformCheck\Config'
query() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n {print $2, $3}'; }
[ "$(query BackColorRed)" = "REG_DWORD 0xc" ] || fail "BackColorRed reads back as '$(query BackColorRed)'"
[ "$(query CommonPositionTime)" = "REG_DWORD 0xfffffffd" ] || fail "CommonPositionTime reads back as '$(query CommonPositionTime)'"
[ "$(query NumOfFile)" = "REG_SZ many" ] || fail "NumOfFile reads back as '$(query NumOfFile)'"
[ "$(query File0 | cut -d' ' -f1)" = REG_SZ ] || fail "File0 is no registry string"
echo "platform: checks passed; registry values read back with their types"

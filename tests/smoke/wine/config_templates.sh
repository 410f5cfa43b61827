#!/usr/bin/env bash
# The configuration dialog's templates in English and French: every caption is the program's
# text and fits its control, no two controls overlap, the pages fit under the tabs
# (tests/win32/config_templates_test.cpp).
source "$(dirname "$0")/../wine.bash"
start_wine
wine "$BUILD/tests/win32/config_templates_test.exe" || fail "the templates test found faults"

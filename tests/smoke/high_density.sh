#!/usr/bin/env bash
# A full-screen show at scale factor 2 is the same picture, pixel for pixel, as at scale factor 1:
# the show draws in device pixels and the toolkit scales nothing up.
source "$(dirname "$0")/common.bash"
start_xvfb 800x600

# The first position stays on screen for 1000 s; grid lines and text show any scaling.
shot_at_scale() {  # shot_at_scale FACTOR FILE
  QT_SCALE_FACTOR=$1 "$TENUKIRO" /s --seed 3 --set CommonPositionTime=100 --set GridPosition=0 \
    --set Indices=1 --set Informations=1 --set PasswordDelay=100 &
  APP_PID=$!
  wait_for_window Tenukiro
  shot_when_still "$2" FFAA55
  kill "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=
}

shot_at_scale 1 "$WORK/scale1.png"
shot_at_scale 2 "$WORK/scale2.png"
region_has "$WORK/scale1.png" 800x600+0+0 FFAA55 || fail "no board at scale factor 1"
differing=$(compare -metric AE "$WORK/scale1.png" "$WORK/scale2.png" null: 2>&1 || true)
[ "$differing" = "0" ] || fail "$differing pixels differ between scale factors 1 and 2"
echo "high density: ok"

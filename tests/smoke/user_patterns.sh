#!/usr/bin/env bash
# Pattern files are looked for in the user's data folder first, and may be run-length encoded.
source "$(dirname "$0")/common.bash"
unset DISPLAY
printf '(;SZ[9];B[ee])' >"$WORK/game.sgf"
mkdir -p "$WORK/data/tenukiro" "$WORK/home"

# A 4 x 4 8-bit BMP, one palette colour (R 0x12, G 0x34, B 0x56), as four runs of four pixels.
{
  printf 'BM\x4C\x00\x00\x00\x00\x00\x00\x00\x3A\x00\x00\x00'
  printf '\x28\x00\x00\x00\x04\x00\x00\x00\x04\x00\x00\x00\x01\x00\x08\x00\x01\x00\x00\x00\x12\x00\x00\x00'
  printf '\x00\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00'
  printf '\x56\x34\x12\x00'
  printf '\x04\x00\x00\x00\x04\x00\x00\x00\x04\x00\x00\x00\x04\x00\x00\x00\x00\x01'
} >"$WORK/data/tenukiro/BACKGR.BMP"

render() {  # render OUT
  "$TENUKIRO" --render "$1" --size 320x240 --step 1 --set CustomPatterns=1 --set With3DEffect=0 "$WORK/game.sgf"
}
XDG_DATA_HOME="$WORK/data" render "$WORK/xdg.png"
region_has "$WORK/xdg.png" 320x240+0+0 123456 || fail "the board pattern of \$XDG_DATA_HOME/tenukiro was not used"

# Without XDG_DATA_HOME the folder is ~/.local/share/tenukiro.
mkdir -p "$WORK/home/.local/share"
mv "$WORK/data/tenukiro" "$WORK/home/.local/share/"
(unset XDG_DATA_HOME; HOME="$WORK/home" render "$WORK/home.png")
region_has "$WORK/home.png" 320x240+0+0 123456 || fail "the board pattern of ~/.local/share/tenukiro was not used"

XDG_DATA_HOME="$WORK/data" render "$WORK/none.png"
region_has "$WORK/none.png" 320x240+0+0 123456 && fail "a pattern was found where there is none"
region_has "$WORK/none.png" 320x240+0+0 FFAA55 || fail "no plain board without a pattern"
echo "user patterns: ok"

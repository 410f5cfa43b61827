#!/usr/bin/env bash
# `cmake --install` lays out the program, its data, the manual page, the desktop entries and
# the XScreenSaver hack; the program finds its data from bin/ and from the hack's folder.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/installed.bash"
unset DISPLAY
PREFIX="$WORK/prefix"
install_into "$PREFIX"

for file in bin/tenukiro share/tenukiro/Tenukiro.sgf share/tenukiro/Tenukeng.html share/tenukiro/Tenukfra.html \
  share/man/man6/tenukiro.6.gz share/applications/tenukiro.desktop share/tenukiro/tenukiro-idle.desktop share/icons/hicolor/256x256/apps/tenukiro.png \
  libexec/xscreensaver/tenukiro share/xscreensaver/config/tenukiro.xml lib/tenukiro/tenukiro_spheres.so \
  share/applications/screensavers/tenukiro.desktop; do
  [ -f "$PREFIX/$file" ] || fail "$file was not installed"
done
[ -x "$PREFIX/bin/tenukiro" ] || fail "the program is not executable"
[ "$(readlink "$PREFIX/libexec/xscreensaver/tenukiro")" = ../../bin/tenukiro ] ||
  fail "the hack is not a relative link to the program"
"$PREFIX/libexec/xscreensaver/tenukiro" --version | grep -x 'tenukiro [0-9.]*' >/dev/null || fail "the hack gives no version"

# The bundled record, found beside the program in the build tree, under share/ when
# installed, from the hack's link and from a copy of the program in the hack's folder.
show_picture "$TENUKIRO" "$WORK/beside.png"
cp "$PREFIX/bin/tenukiro" "$PREFIX/libexec/xscreensaver/copy"
for program in bin/tenukiro libexec/xscreensaver/tenukiro libexec/xscreensaver/copy; do
  show_picture "$PREFIX/$program" "$WORK/installed.png"
  cmp -s "$WORK/beside.png" "$WORK/installed.png" || fail "$program does not show the bundled record"
done
# Without its data a copy shows a random game instead: the comparison can tell.
mkdir "$WORK/alone" && cp "$PREFIX/bin/tenukiro" "$WORK/alone/"
show_picture "$WORK/alone/tenukiro" "$WORK/alone.png"
cmp -s "$WORK/beside.png" "$WORK/alone.png" && fail "a copy without data drew the bundled record"

# 3D stones come from the sphere module, found from bin/ and from the hack's folder; a copy
# without it draws the flat look, and draws spheres again once the module is put beside it.
show_picture "$TENUKIRO" "$WORK/beside-flat.png" --set With3DEffect=0
show_picture "$TENUKIRO" "$WORK/beside-3d.png" --set With3DEffect=1
cmp -s "$WORK/beside-flat.png" "$WORK/beside-3d.png" && fail "the build tree's program drew no spheres"
for program in bin/tenukiro libexec/xscreensaver/tenukiro libexec/xscreensaver/copy; do
  show_picture "$PREFIX/$program" "$WORK/installed-3d.png" --set With3DEffect=1
  cmp -s "$WORK/beside-3d.png" "$WORK/installed-3d.png" || fail "$program does not draw 3D stones"
done
show_picture "$WORK/alone/tenukiro" "$WORK/alone-flat.png" --set With3DEffect=0
show_picture "$WORK/alone/tenukiro" "$WORK/alone-3d.png" --set With3DEffect=1
cmp -s "$WORK/alone-flat.png" "$WORK/alone-3d.png" || fail "a copy without the sphere module did not fall back to flat"
cp "$PREFIX/lib/tenukiro/tenukiro_spheres.so" "$WORK/alone/"
show_picture "$WORK/alone/tenukiro" "$WORK/alone-3d.png" --set With3DEffect=1
cmp -s "$WORK/alone-flat.png" "$WORK/alone-3d.png" && fail "the module beside a copy drew no spheres"

# The manual page formats without a warning and has its sections.
MANWIDTH=80 man --warnings -l "$PREFIX/share/man/man6/tenukiro.6.gz" >"$WORK/man.txt" 2>"$WORK/man.err" ||
  fail "man failed: $(cat "$WORK/man.err")"
[ ! -s "$WORK/man.err" ] || fail "the manual page has warnings: $(cat "$WORK/man.err")"
for section in NAME SYNOPSIS MODES OPTIONS SETTINGS 'SGF PROPERTIES' FILES ENVIRONMENT; do
  grep -qx "$section" "$WORK/man.txt" || fail "the manual page has no $section"
done

desktop-file-validate "$PREFIX/share/applications/tenukiro.desktop" || fail "the desktop entry is not valid"
desktop-file-validate "$PREFIX/share/tenukiro/tenukiro-idle.desktop" || fail "the idle watcher's autostart entry is not valid"
grep -qx 'Exec=tenukiro --idle 600' "$PREFIX/share/tenukiro/tenukiro-idle.desktop" || fail "the autostart entry starts no idle watcher"
grep -qx 'Exec=tenukiro' "$PREFIX/share/applications/tenukiro.desktop" || fail "the desktop entry opens no dialog"
# MATE's and Xfce's screen savers run the hack that their entry names, on the whole screen.
SAVER_ENTRY="$PREFIX/share/applications/screensavers/tenukiro.desktop"
desktop-file-validate "$SAVER_ENTRY" || fail "the screen savers' entry is not valid"
grep -qx "TryExec=$PREFIX/libexec/xscreensaver/tenukiro" "$SAVER_ENTRY" || fail "the entry tries no installed hack"
grep -qx "Exec=$PREFIX/libexec/xscreensaver/tenukiro --root" "$SAVER_ENTRY" || fail "the entry runs no installed hack"
grep -qx 'Categories=Screensaver;' "$SAVER_ENTRY" || fail "the entry is not in the screen savers' category"
xmllint --noout "$PREFIX/share/xscreensaver/config/tenukiro.xml" || fail "the settings page is no XML"
echo "install layout: ok"

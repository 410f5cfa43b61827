#!/usr/bin/env bash
# `cpack -G DEB` makes one tenukiro_*.deb from the install rules: its control fields, its
# files under /usr, and an unpacked copy that runs, finds its data and has its manual page.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/installed.bash"
unset DISPLAY
for tool in cpack dpkg-deb dpkg-shlibdeps dpkg-checkbuilddeps; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -f "$BUILD_DIR/CPackConfig.cmake" ] || fail "the build has no packaging"
cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$WORK/package" >"$WORK/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$WORK/cpack.log")"
packages=("$WORK"/package/tenukiro_*.deb)
[ "${#packages[@]}" -eq 1 ] && [ -f "${packages[0]}" ] || fail "not one tenukiro_*.deb: ${packages[*]}"
DEB=${packages[0]}

field() { dpkg-deb --field "$DEB" "$1"; }
[ "$(field Package)" = tenukiro ] || fail "package name $(field Package)"
[ "tenukiro $(field Version)" = "$("$TENUKIRO" --version)" ] || fail "version $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture $(field Architecture)"
[ "$(basename "$DEB")" = "tenukiro_$(field Version)_$(field Architecture).deb" ] || fail "file name $(basename "$DEB")"
depends=$(field Depends)
tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }' >"$WORK/depends"
for needed in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libosmesa6 libglu1-mesa libfreetype6 libfontconfig1 \
  libx11-6 fonts-liberation; do
  grep -qxF "$needed" "$WORK/depends" || fail "Depends lacks $needed: $depends"
done
# This machine has everything the package asks for, so its Depends name real packages.
dpkg-checkbuilddeps -d "$depends" /dev/null 2>"$WORK/deps.err" || fail "unmet: $(cat "$WORK/deps.err")"

dpkg-deb --contents "$DEB" >"$WORK/contents"
awk '$2 != "root/root" { bad = 1 } END { exit bad }' "$WORK/contents" || fail "files not owned by root"
awk '$6 !~ /^\.\/(usr\/.*)?$/ { bad = 1 } END { exit bad }' "$WORK/contents" || fail "files outside /usr"
for file in ./usr/bin/tenukiro ./usr/share/tenukiro/Tenukiro.sgf ./usr/share/tenukiro/Tenukeng.html \
  ./usr/share/man/man6/tenukiro.6.gz ./usr/share/applications/tenukiro.desktop \
  ./usr/share/xscreensaver/config/tenukiro.xml ./usr/share/icons/hicolor/256x256/apps/tenukiro.png \
  ./usr/lib/tenukiro/tenukiro_spheres.so ./usr/share/applications/screensavers/tenukiro.desktop; do
  awk -v f="$file" '$6 == f { found = 1 } END { exit !found }' "$WORK/contents" || fail "$file is not in the package"
done
grep -q ' \./usr/libexec/xscreensaver/tenukiro -> \.\./\.\./bin/tenukiro$' "$WORK/contents" ||
  fail "the hack is not a link to the program"

dpkg-deb --extract "$DEB" "$WORK/root"
file "$WORK/root/usr/bin/tenukiro" | grep ', stripped' >/dev/null || fail "the program is not stripped"
[ "$("$WORK/root/usr/bin/tenukiro" --version)" = "$("$TENUKIRO" --version)" ] || fail "the packaged program runs not"
show_picture "$TENUKIRO" "$WORK/beside.png"
show_picture "$WORK/root/usr/libexec/xscreensaver/tenukiro" "$WORK/packaged.png"
cmp -s "$WORK/beside.png" "$WORK/packaged.png" || fail "the packaged hack does not show the bundled record"
show_picture "$TENUKIRO" "$WORK/beside.png" --set With3DEffect=1
show_picture "$WORK/root/usr/bin/tenukiro" "$WORK/packaged.png" --set With3DEffect=1
cmp -s "$WORK/beside.png" "$WORK/packaged.png" || fail "the packaged program does not draw 3D stones"
desktop-file-validate "$WORK/root/usr/share/applications/screensavers/tenukiro.desktop" ||
  fail "the packaged screen savers' entry is not valid"
grep -qx 'Exec=/usr/libexec/xscreensaver/tenukiro --root' "$WORK/root/usr/share/applications/screensavers/tenukiro.desktop" ||
  fail "the packaged screen savers' entry does not run the packaged hack"
MANWIDTH=80 man -l "$WORK/root/usr/share/man/man6/tenukiro.6.gz" 2>&1 | grep '^SGF PROPERTIES$' >/dev/null ||
  fail "the packaged manual page does not format"
echo "debian package: ok ($(du -k "$DEB" | cut -f1) KiB)"

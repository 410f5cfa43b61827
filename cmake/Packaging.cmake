# `cpack -G DEB` (or the `package` target) makes tenukiro_<version>_<arch>.deb from the
# install rules. The libraries the program links come from dpkg-shlibdeps; what it only
# opens at run time is listed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tenukiro)
set(CPACK_PACKAGE_VENDOR Quorvane)
set(CPACK_PACKAGE_CONTACT "Tenukiro developers <tenukiro@quorvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "screen saver that replays recorded games of Go")
set(CPACK_PACKAGE_DESCRIPTION "Tenukiro takes a list of SGF game records and plays every variation of every
game, position by position, on a drawn Go board, while a cartoon assistant
reads the records' comments. It runs as an XScreenSaver hack, as a full-screen
saver of its own, or in a window, and renders pictures of the show as PNG.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Liberation Sans and Liberation Sans Narrow are the faces every text is measured in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# The settings dialog runs natively on a Wayland session with Qt's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xscreensaver, xss-lock")
include(CPack)

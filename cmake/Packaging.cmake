# The Debian package of the game: `cpack -G DEB` in the release build tree (or
# scripts/package.sh) makes quorvix_<version>_amd64.deb, installed under /usr, its
# dependencies found by dpkg-shlibdeps. It holds the game, cardgen and qxhash (the component
# "game"); the digest library for other programs is installed by `cmake --install`.
set(CPACK_PACKAGE_NAME quorvix)
set(CPACK_PACKAGE_VENDOR Dravontek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pairs-matching memory game")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# One package of the one component.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};game;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Dravontek <quorvix@dravontek.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.dravontek.com/quorvix)
# The long description (CPack puts the summary line above it): lines within 80
# columns, an empty line between paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quorvix lays 36 cards face down in a six by six grid; turn them two at
a time to find the 18 pairs. Found pairs score, misses cost, hints show
where a partner lies, and the ten best results are kept in a leaders
table. Three card sets, and sets of your own pictures, made with cardgen
or from the game's options.

Also qxhash, a checksum tool for 21 hash and checksum types that reads
and writes the lists of md5sum, sha256sum and rhash.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries dpkg-shlibdeps finds: Qt's platform plugins (libqt6gui6 only
# recommends them, and without them no window opens) and the picture formats cardgen
# promises.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-image-formats-plugins")
# The changelog Debian packages carry, compressed as policy wants.
file(WRITE ${CMAKE_BINARY_DIR}/packaging/changelog
  "quorvix (${PROJECT_VERSION}) unstable; urgency=medium\n\n  * Release ${PROJECT_VERSION}.\n\n -- Dravontek <quorvix@dravontek.com>  Mon, 07 Dec 2026 12:00:00 +0000\n")
set(QUORVIX_CHANGELOG ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
quorvix_gzip(quorvix_changelog ${CMAKE_BINARY_DIR}/packaging/changelog ${QUORVIX_CHANGELOG})
include(GNUInstallDirs)
install(FILES ${QUORVIX_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvix COMPONENT game)
include(CPack)

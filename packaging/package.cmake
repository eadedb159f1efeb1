# The Debian package (scripts/package): CPack's DEB generator over the same
# install rules as any other install, configured for /usr. What Debian asks
# beyond the install (the changelog, the copyright, lintian's overrides, the
# manual page compressed, the executable stripped as Debian's tools strip it)
# debian_files.cmake adds in the package's staging folder only, so an install
# under ~/.local stays as the README's table says.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumitile)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
# The metainfo's developer name; the project has no contact address or home
# page yet, and none is made up here.
set(CPACK_PACKAGE_CONTACT "The Lumitile developers")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Lumitile developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number-placement puzzle on a nine by nine board")
# CPack puts the summary first; this is the long description under it.
set(CPACK_PACKAGE_DESCRIPTION "Lumitile is a number-placement puzzle for the desktop. Some numbers are
given; fill every open cell so that each row, each column and each three by
three block holds every number from 1 to 9 exactly once.
.
Pick a numbered panel from the palette and click a cell to place it. Hint
tokens reveal a number at a cost of thirty seconds, and the best time of each
of the five levels is kept.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the executable links, as dpkg-shlibdeps finds them, and what
# the game loads by name at run time: its fonts (ui/fonts.cpp) and Qt's
# Japanese texts for the question boxes (app/startup.cpp); Qt's printing
# named too, since 印刷... is no use without it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-ipafont-gothic, fonts-liberation2, qt6-translations-l10n, libqt6printsupport6")
# libcanberra plays through the desktop's PulseAudio (or PipeWire's) with
# this; without it the game still runs, on ALSA or silent.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra-pulse")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian_files.cmake)
set(CPACK_LUMITILE_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_LUMITILE_MANDIR ${CMAKE_INSTALL_MANDIR})
set(CPACK_LUMITILE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/lumitile)
include(CPack)

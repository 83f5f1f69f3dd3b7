# The Debian package: cpack -G DEB (or the package target) in the build folder makes quintaro_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Norvik)
set(CPACK_PACKAGE_CONTACT "Norvik <quintaro@norvik.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number-placement puzzle on a cross of four grids")
set(CPACK_PACKAGE_DESCRIPTION
  "Quintaro's field is a cross of four 9x9 grids in which neighbouring grids\n\
share a corner box, so a symbol placed there counts in both. Fill every grid\n\
so that each row, column and box holds the nine symbols once, as digits or\n\
as the letters A to I, at one of four levels. The game keeps a hall of fame\n\
of the ten best times per level, prints boards and has help pages. Its user\n\
interface is in German.\n\
.\n\
The package also holds qbr, a command-line tool that shows, solves, checks\n\
and makes puzzle collections.")

# The programs go to /usr/games (see QuintaroInstall.cmake).
set(CPACK_CUSTOM_INSTALL_VARIABLES QUINTARO_PROGRAM_DIR=games)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries come from the binaries; the fonts the game asks for by name, the Qt platform plugins and
# Qt's own German texts are found at run time, so no binary names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, qt6-qpa-plugins, qt6-translations-l10n")

# The package's changelog, signed by its maintainer; a version without a Debian revision makes it a
# native package, whose changelog is changelog.gz.
configure_file(${QUINTARO_DIST}/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
quintaro_install_compressed(${CMAKE_BINARY_DIR}/changelog ${QUINTARO_DOCDIR})

include(CPack)

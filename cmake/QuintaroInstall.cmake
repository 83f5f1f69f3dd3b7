# Install rules: the game and qbr, the collections and help pages, the menu entry, icons, AppStream
# entry, manual pages and the copyright file.
include(GNUInstallDirs)

set(QUINTARO_APP_ID de.norvik.Quintaro)
set(QUINTARO_DIST ${CMAKE_SOURCE_DIR}/dist)

# Debian keeps the programs of a game in /usr/games, so the package puts them in games/ (CPack names
# that folder in QUINTARO_PROGRAM_DIR when it installs, see QuintaroPackage.cmake). Any other install
# keeps bin/, so that one into ~/.local lands on the player's PATH. From either folder the game finds
# its data as ../share/quintaro.
install(CODE "
  if(NOT QUINTARO_PROGRAM_DIR)
    set(QUINTARO_PROGRAM_DIR \"${CMAKE_INSTALL_BINDIR}\")
  endif()")
install(TARGETS quintaro qbr RUNTIME DESTINATION "\${QUINTARO_PROGRAM_DIR}")

# The game's data folder: what it reads, never writes. data/README.md is for developers and stays behind.
file(GLOB QUINTARO_INSTALLED_DATA CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/data/*.qbr ${CMAKE_SOURCE_DIR}/data/*.htm)
install(FILES ${QUINTARO_INSTALLED_DATA} ${CMAKE_SOURCE_DIR}/data/hilfe-feld.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/quintaro)

install(FILES ${QUINTARO_DIST}/${QUINTARO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUINTARO_DIST}/${QUINTARO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${QUINTARO_DIST}/icons/${QUINTARO_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${QUINTARO_DIST}/icons/${QUINTARO_APP_ID}-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${QUINTARO_APP_ID}.png)
endforeach()

# Manual pages and the changelog are installed compressed with gzip -9n, as Debian wants them (no
# name or time stored, so the same text gives the same bytes); man reads them so everywhere.
find_program(QUINTARO_GZIP gzip REQUIRED)
add_custom_target(quintaro_compressed_docs ALL)
# Installs build/doc/NAME.gz, compressed from source, into destination.
function(quintaro_install_compressed source destination)
  get_filename_component(name ${source} NAME)
  set(plain ${CMAKE_BINARY_DIR}/doc/${name})
  add_custom_command(OUTPUT ${plain}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
    COMMAND ${QUINTARO_GZIP} -9nf ${plain}
    DEPENDS ${source}
    VERBATIM)
  target_sources(quintaro_compressed_docs PRIVATE ${plain}.gz)
  install(FILES ${plain}.gz DESTINATION ${destination})
endfunction()
quintaro_install_compressed(${QUINTARO_DIST}/qbr.1 ${CMAKE_INSTALL_MANDIR}/man1)
quintaro_install_compressed(${QUINTARO_DIST}/quintaro.6 ${CMAKE_INSTALL_MANDIR}/man6)

# Debian's place for the package's documents, named after the package rather than the project.
set(QUINTARO_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/quintaro)
install(FILES ${QUINTARO_DIST}/copyright DESTINATION ${QUINTARO_DOCDIR})

# Install rules: the game and qbr, the collections and help pages, the menu entry, icons, AppStream entry and man page.
include(GNUInstallDirs)

set(QUINTARO_APP_ID de.norvik.Quintaro)
set(QUINTARO_DIST ${CMAKE_SOURCE_DIR}/dist)

install(TARGETS quintaro qbr RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The game's data folder: what it reads, never writes. data/README.md is for developers and stays behind.
file(GLOB QUINTARO_INSTALLED_DATA CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/data/*.qbr ${CMAKE_SOURCE_DIR}/data/*.htm)
install(FILES ${QUINTARO_INSTALLED_DATA} ${CMAKE_SOURCE_DIR}/data/hilfe-feld.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/quintaro)

install(FILES ${QUINTARO_DIST}/${QUINTARO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUINTARO_DIST}/${QUINTARO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUINTARO_DIST}/qbr.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${QUINTARO_DIST}/icons/${QUINTARO_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${QUINTARO_DIST}/icons/${QUINTARO_APP_ID}-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${QUINTARO_APP_ID}.png)
endforeach()

# cmake --install build --prefix P: the program in P/bin, its installation files in
# P/share/tovaleaf (where an installed program looks for them), and what a desktop
# needs to list it: an entry, an icon and AppStream metadata.
include(GNUInstallDirs)

set(TOVALEAF_APP_ID org.tovaleaf.Tovaleaf)
set(TOVALEAF_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/tovaleaf)

install(TARGETS tovaleaf RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${TOVALEAF_DATA_INSTALL_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${TOVALEAF_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${TOVALEAF_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${TOVALEAF_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

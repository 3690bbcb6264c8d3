# Where `cmake --install` puts the program for a desktop: the executables in
# bin/, aerolune-cli's drawing helper in libexec/aerolune/ (aerolune-cli finds
# it there by its path relative to bin/), the help files beside the program (it opens them from its own
# directory), the icon in the hicolor theme and the menu entry.
include(GNUInstallDirs)
install(TARGETS aerolune aerolune-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS aerolune-cli-draw RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/aerolune)
file(GLOB help_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*.hlp)
if(help_files)
  install(FILES ${help_files} DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/aerolune.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/aerolune.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

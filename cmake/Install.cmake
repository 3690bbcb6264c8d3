# Where `cmake --install` puts the program for a desktop: the executables in
# bin/, aerolune-cli's drawing helper in libexec/aerolune/ (aerolune-cli finds
# it there by its path relative to bin/), the help files beside the program (it
# opens them from its own directory), the icon in the hicolor theme, the menu
# entry and the type of section coordinate files the entry opens.
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
install(FILES ${CMAKE_SOURCE_DIR}/packaging/aerolune-section.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# A desktop learns a new file type and a menu entry's types from caches built
# out of these files. An install straight into a prefix (~/.local, say)
# rebuilds them there; a package staged with DESTDIR leaves that to the
# package manager's own triggers.
set(refresh_caches [[
  if("$ENV{DESTDIR}" STREQUAL "")
    set(data_dir "${CMAKE_INSTALL_PREFIX}/@CMAKE_INSTALL_DATADIR@")
    foreach(step "update-mime-database;mime" "update-desktop-database;applications")
      list(GET step 0 tool)
      list(GET step 1 folder)
      find_program(tool_path ${tool})
      if(tool_path)
        # Their notes about search paths are noise here; a failure says why.
        execute_process(COMMAND ${tool_path} "${data_dir}/${folder}" RESULT_VARIABLE status
                        OUTPUT_QUIET ERROR_VARIABLE why)
        if(NOT status EQUAL 0)
          message(WARNING "${tool} ${data_dir}/${folder} failed (${status}): ${why}")
        endif()
      endif()
      unset(tool_path CACHE)
      unset(tool_path)
    endforeach()
  endif()
]])
string(CONFIGURE "${refresh_caches}" refresh_caches @ONLY)
install(CODE "${refresh_caches}")

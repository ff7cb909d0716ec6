# Installs Tavelor as a self-contained program folder plus what a freedesktop menu needs:
#   lib/tavelor/          the executable and the language files (tv.ini is written here later,
#                         so the folder must stay writable by the user: hence ~/.local)
#   bin/tavelor           a launcher that runs lib/tavelor/tavelor
#   share/applications/tavelor.desktop
#   share/icons/hicolor/scalable/apps/tavelor.svg
if(NOT TARGET tavelor)
  return()
endif()

# The program writes its settings beside itself, so a per-user prefix is the only default that
# works without root. A prefix given on the command line or in the cache is kept.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT AND DEFINED ENV{HOME})
  set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local" CACHE PATH "Install prefix" FORCE)
endif()

set(tavelor_program_dir lib/tavelor)
set(tavelor_packaging_dir ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS tavelor RUNTIME DESTINATION ${tavelor_program_dir})
file(GLOB tavelor_install_languages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/lang/*.lng)
install(FILES ${tavelor_install_languages} DESTINATION ${tavelor_program_dir})
install(PROGRAMS ${tavelor_packaging_dir}/launcher.sh DESTINATION bin RENAME tavelor)
install(FILES ${tavelor_packaging_dir}/tavelor.svg DESTINATION share/icons/hicolor/scalable/apps)

# The menu entry names the launcher by its absolute path (~/.local/bin is not on every desktop
# session's PATH), and that path is only known at install time (cmake --install --prefix).
install(CODE "
  set(tavelor_desktop_template \"${tavelor_packaging_dir}/tavelor.desktop.in\")
  set(tavelor_desktop_staging \"${PROJECT_BINARY_DIR}/packaging/tavelor.desktop\")
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallDesktopEntry.cmake)

if(BUILD_TESTING)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tests/install ${PROJECT_BINARY_DIR}/tests/install)
endif()

# The Debian package: the same layout under /usr, where the program folder is read-only, so the
# language choice goes to the user's ~/.config/tavelor/tv.ini. DESTDIR staging keeps the install
# prefix /usr, so the menu entry names /usr/bin/tavelor and not the staging folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavelor)
set(CPACK_PACKAGE_CONTACT "Tavelor developers <tavelor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Mean aerodynamic chord, centring and wing loading of model aircraft wings")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
include(CPack)

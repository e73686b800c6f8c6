# The Debian package of the Linux program (cpack -G DEB in the build tree;
# scripts/package.sh runs it). It holds what apps/qt installs as component
# "pultara" plus the man page, the copyright file and the changelog.
if(NOT TARGET pultara OR WIN32)
  return()
endif()
include(GNUInstallDirs)

# Debian wants the man page and the changelog compressed, reproducibly.
set(packaging ${PROJECT_SOURCE_DIR}/packaging/linux)
set(made ${PROJECT_BINARY_DIR}/packaging)
configure_file(${packaging}/pultara.1 ${made}/pultara.1 @ONLY)
configure_file(${packaging}/changelog.in ${made}/changelog @ONLY)
find_program(GZIP_PROGRAM gzip REQUIRED)
add_custom_command(OUTPUT ${made}/pultara.1.gz ${made}/changelog.gz
  COMMAND ${GZIP_PROGRAM} -9nf -k pultara.1 changelog
  DEPENDS ${made}/pultara.1 ${made}/changelog
  WORKING_DIRECTORY ${made} VERBATIM)
add_custom_target(pultara_package_docs ALL DEPENDS ${made}/pultara.1.gz ${made}/changelog.gz)

# Access to /dev/uinput for the user at the seat: keys and pointer on GNOME and KDE.
install(FILES ${packaging}/60-pultara-uinput.rules DESTINATION lib/udev/rules.d COMPONENT pultara)
install(FILES ${made}/pultara.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT pultara)
install(FILES ${packaging}/copyright ${made}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pultara COMPONENT pultara)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pultara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Orvendt)
set(CPACK_PACKAGE_CONTACT "Orvendt <pultara@orvendt.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "joystick as a remote control for the desktop")
# The extended description (CPack indents it under the summary line).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Pultara turns a game joystick into a remote control for the desktop.
Joystick buttons type key sequences into a chosen application's window,
click the mouse and switch between four modes, each tied to a target window
and a program to open. The axes drive the mouse pointer, the arrow keys or
the sound card's volume, treble and bass. The program lives in the
notification area.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.orvendt.example/pultara/")
# The libraries the binary links come from dpkg-shlibdeps; what it loads at
# run time is named: Qt's X11 platform plugin, xdg-open for documents, and
# Qt's German texts for the standard dialogs (file dialog, box buttons).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# qt6-wayland: Qt's platform plugin for Wayland sessions, loaded at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Only the program's files, whatever else the build tree installs.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};Pultara;pultara;/")
include(CPack)

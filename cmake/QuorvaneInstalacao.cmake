# Installation in the usual places (cmake --install, and the .deb of cpack):
#   bin/                             quorvane, quorvane-cli, quorvane-tarvek-sim
#   lib/quorvane/                    the formula library (libequation.so), when built
#   lib/quorvane/ingles/             the English language library, not active
#                                    until linked or copied into lib/quorvane/
#   share/applications/, share/mime/packages/, share/icons/hicolor/
#                                    the desktop entry, the .qvg/.qvj types, the icon
#   share/doc/quorvane/              the user guide (also built into the program)
#   share/man/man1/                  the manual page of quorvane-cli
#   lib/systemd/user/                the daily "coletar --todas" of quorvane-cli, a user
#                                    timer and its service, not enabled
# The program looks for its optional libraries in its own folder, then in
# lib/quorvane beside its bin/ (QUORVANE_PASTA_BIBLIOTECAS), then through the
# system's library search path.
include(GNUInstallDirs)

set(QUORVANE_PASTA_INSTALADA "${CMAKE_INSTALL_LIBDIR}/quorvane")
file(RELATIVE_PATH QUORVANE_PASTA_BIBLIOTECAS
  "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}" "${CMAKE_INSTALL_PREFIX}/${QUORVANE_PASTA_INSTALADA}")
if(TARGET quorvane_common)
  # On the one file that reads it: the library's other files share their
  # precompiled headers with targets that do not define it.
  set_source_files_properties(${PROJECT_SOURCE_DIR}/common/BibliotecaExterna.cpp TARGET_DIRECTORY quorvane_common
    PROPERTIES COMPILE_DEFINITIONS QUORVANE_PASTA_BIBLIOTECAS="${QUORVANE_PASTA_BIBLIOTECAS}")
endif()

foreach(programa quorvane quorvane-cli quorvane-tarvek-sim)
  if(TARGET ${programa})
    install(TARGETS ${programa} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
if(TARGET quorvane_idioma_ingles)
  install(TARGETS quorvane_idioma_ingles LIBRARY DESTINATION ${QUORVANE_PASTA_INSTALADA}/ingles)
endif()
if(TARGET quorvane_formulas)
  install(TARGETS quorvane_formulas LIBRARY DESTINATION ${QUORVANE_PASTA_INSTALADA})
endif()

set(instalacao ${PROJECT_SOURCE_DIR}/resources/instalacao)
if(TARGET quorvane)
  install(FILES ${instalacao}/quorvane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${instalacao}/quorvane-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    RENAME quorvane.xml)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icones/quorvane.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/ajuda/quorvane.html DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvane)
endif()
if(TARGET quorvane-cli)
  install(FILES ${instalacao}/quorvane-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  # Not the multiarch library folder: systemd looks in lib/systemd/user.
  install(FILES ${instalacao}/quorvane-coleta.service ${instalacao}/quorvane-coleta.timer
    DESTINATION lib/systemd/user)
endif()

# cpack -G DEB: one package, its library dependencies found by
# dpkg-shlibdeps (dpkg-dev); the Qt plugins it loads at run time named here.
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "Quorvane")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tarvek data logger: configuration, collection and graphs")
set(CPACK_PACKAGE_DESCRIPTION
  "Quorvane configures the Tarvek two-channel data logger on a serial port, downloads its recordings, shows them as graphs, saves, exports, prints and merges them. Includes the command-line tool quorvane-cli and the simulated logger quorvane-tarvek-sim.")
set(CPACK_PACKAGE_CONTACT "Quorvane <quorvane@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SQLite driver keeps the records; the PostgreSQL one reaches a records
# server shared by a lab ([REGISTROS] BANCO).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, libqt6sql6-psql")
set(CPACK_STRIP_FILES ON)
include(CPack)

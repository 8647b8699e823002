# The Debian package: what `cmake --install` lays out under /usr, plus the
# documentation Debian asks of every package, built by CPack's DEB generator.
# The version is the project's, set once in the top CMakeLists.txt. With
# SOURCE_DATE_EPOCH in its environment, CPack dates every file and archive
# member of the package at that time (scripts/release). It creates the
# package's folders under the umask of whoever runs it: 022 gives Debian's
# drwxr-xr-x (scripts/package and scripts/release set it).

include(GNUInstallDirs)

# Debian wants manual pages and changelogs compressed, reproducibly (-n).
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(eurolire_man_page ${CMAKE_CURRENT_BINARY_DIR}/eurolire.1.gz)
set(eurolire_changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in
               ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/eurolire.1.in
               ${CMAKE_CURRENT_BINARY_DIR}/eurolire.1 @ONLY)
add_custom_command(
  OUTPUT ${eurolire_man_page}
  COMMAND ${GZIP_EXECUTABLE} -9nc ${CMAKE_CURRENT_BINARY_DIR}/eurolire.1
          > ${eurolire_man_page}
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/eurolire.1)
add_custom_command(
  OUTPUT ${eurolire_changelog}
  COMMAND ${GZIP_EXECUTABLE} -9nc ${CMAKE_CURRENT_BINARY_DIR}/changelog
          > ${eurolire_changelog}
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog)
add_custom_target(eurolire_docs ALL
                  DEPENDS ${eurolire_man_page} ${eurolire_changelog})

install(FILES ${eurolire_man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# One page tells both programs: the window program's is a link to it.
file(CREATE_LINK eurolire.1.gz
     ${CMAKE_CURRENT_BINARY_DIR}/${EUROLIRE_WINDOW_PROGRAM}.1.gz SYMBOLIC)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${EUROLIRE_WINDOW_PROGRAM}.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# What only the Debian package carries stays out of a plain `cmake
# --install`: CPack asks for this component by name.
install(FILES ${eurolire_changelog}
              ${PROJECT_SOURCE_DIR}/resources/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/eurolire
        COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME eurolire
        COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
# One package of everything, the Debian component included.
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_PACKAGE_NAME eurolire)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "The eurolire developers <maintainers@eurolire.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (context menus, buttons) in the user's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
# Runs natively on a Wayland desktop; X11 (or XWayland) works without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "euro to Italian lira converter (Convertitore Euro/Lire)")
# CPack puts the summary first and this text below it, line by line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Convertitore Euro/Lire is a small desktop converter between the euro
and the Italian lira at the irrevocable rate of 1936.27 lire to the euro.
Whatever is typed into one of its two fields is converted while it is
typed and written into the other, rounded to the cent as Council
Regulation (EC) 1103/97 requires and formatted the way the user's locale
writes amounts. It keeps nothing between runs.")
include(CPack)

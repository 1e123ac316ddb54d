# `make package` (the `package` target, CPack's DEB generator): one Debian package that
# installs the programs under /usr and takes Qt, the Swiss Ephemeris and the fonts from
# Debian's own packages instead of bundling them.

if(TARGET helion-atlas)
  install(TARGETS helion-atlas RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# Software centres read the AppStream file to list Helion beside its desktop entry.
set(HELION_METAINFO ${CMAKE_SOURCE_DIR}/dist/org.helionproject.Helion.metainfo.xml)
install(FILES ${HELION_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME helion)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Helion project")
set(CPACK_PACKAGE_CONTACT "Helion maintainers <maintainers@users.noreply.c-seed-6bfcd339.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Western tropical astrology: charts, reports and chart wheels")
set(CPACK_PACKAGE_DESCRIPTION
    "Helion computes natal, transit (or second person), secondary-progressed and\n"
    "minor-progressed charts with the Swiss Ephemeris and five house systems,\n"
    "writes fixed-width text reports and Cosmodynes scores, and draws chart wheels.\n"
    "The package holds the desktop program helion and the command line helion-cli.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # helion_<version>_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names the library packages the binaries link (libswe2.0, libqt6widgets6,
# libqt6gui6, ...); the ephemeris files and the report fonts are read at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "swe-basic-data, fonts-liberation2")

include(CPack)

if(HELION_TESTS)
  add_test(NAME MetainfoIsValid COMMAND appstreamcli validate --no-net ${HELION_METAINFO})
  add_test(NAME DesktopEntryIsValid COMMAND desktop-file-validate ${CMAKE_SOURCE_DIR}/dist/helion.desktop)
endif()

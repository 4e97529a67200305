# Installation and the Debian package.
#
#   cmake --install <build dir> --prefix /usr/local
#   cd <build dir> && cpack -G DEB
#
# One application id names the desktop entry, the MIME type file, the AppStream metainfo and the icon.

include(GNUInstallDirs)

set(TLT_APP_ID org.example.Tempolauftabellator)
set(_desktop ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS tempolauftabellator tlt RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_desktop}/${TLT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_desktop}/${TLT_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${_desktop}/${TLT_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${_desktop}/${TLT_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The cup files get the program's icon in file managers.
install(FILES ${_desktop}/${TLT_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
        RENAME application-x-tempolauftabellator.svg)
install(FILES ${PROJECT_SOURCE_DIR}/examples/beispielcup.tl3 ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tempolauftabellator)

set(CPACK_PACKAGE_NAME tempolauftabellator)
set(CPACK_PACKAGE_VENDOR "TLT-Projekt")
set(CPACK_PACKAGE_CONTACT "TLT-Projekt <tlt@tempolauf.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Läufercup-Auswertung: Ergebnisse, Cup-Wertung und Urkunden")
set(CPACK_PACKAGE_DESCRIPTION
    "Tempolauftabellator verwaltet einen Läufercup: Läufe, Teilnehmer mit Zeiten oder Strecken, Altersklassen
und Punkte. Es erstellt Ergebnislisten, die Cup-Gesamtwertung, Teilnehmerstatistiken, den DLV-Bericht,
HTML-Seiten und Urkunden. Das Kommandozeilenprogramm tlt erstellt dieselben Berichte ohne Fenster.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tempolauf.example.org")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The library dependencies come from dpkg-shlibdeps; the fonts are what the reports and certificates are
# laid out with, the SVG plugin draws the certificate pictures.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
set(CPACK_STRIP_FILES ON)
include(CPack)

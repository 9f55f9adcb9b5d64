# Where `cmake --install` puts the programs and what they bring along (GNUInstallDirs), and the
# Debian package CPack makes of it (scripts/package.sh). The programs find konf/ beside themselves
# or, installed, in ../share/kx2tool/ (shell/ProgramPlaces.h).
include(GNUInstallDirs)

set(KX2_APP_ID "org.kx2tool.kx2tool")
# The screenshots of the AppStream data, named as scripts/screenshots.sh names them.
set(KX2_SCREENSHOT_URL "https://kx2tool.org/screenshots" CACHE STRING "Web folder of the published screenshots")
set(KX2_RELEASE_DATE "2026-12-07")
set(KX2_DIST ${CMAKE_CURRENT_SOURCE_DIR}/dist)
set(KX2_DIST_OUT ${CMAKE_CURRENT_BINARY_DIR}/dist)

install(TARGETS kx2ctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(KX2_BUILD_GUI)
  install(TARGETS kx2tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The whole folder as the build left it: symbol pictures, help text, translations.
  install(DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/konf/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kx2tool/konf)
  install(FILES ${KX2_DIST}/${KX2_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(${KX2_DIST}/${KX2_APP_ID}.metainfo.xml.in ${KX2_DIST_OUT}/${KX2_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${KX2_DIST_OUT}/${KX2_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${KX2_DIST}/icons/${KX2_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${KX2_DIST}/icons/${KX2_APP_ID}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${KX2_APP_ID}.png)
  endforeach()
endif()
install(FILES ${KX2_DIST}/completion/kx2ctl DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES README.md docs/protocol.md docs/robustness.md docs/symbols.md docs/glossary.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${KX2_DIST}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Manual pages and the change log compressed as Debian keeps them (gzip -n: no time stamp, so the
# same sources give the same package).
find_program(KX2_GZIP gzip)
set(KX2_MAN_PAGES kx2ctl kx2tool)
if(NOT KX2_BUILD_GUI)
  set(KX2_MAN_PAGES kx2ctl)
endif()
configure_file(${KX2_DIST}/changelog.in ${KX2_DIST_OUT}/changelog @ONLY)
set(KX2_COMPRESSED)
foreach(page ${KX2_MAN_PAGES})
  configure_file(${KX2_DIST}/man/${page}.1 ${KX2_DIST_OUT}/${page}.1 @ONLY)
  list(APPEND KX2_COMPRESSED ${KX2_DIST_OUT}/${page}.1)
endforeach()
list(APPEND KX2_COMPRESSED ${KX2_DIST_OUT}/changelog)
set(KX2_COMPRESSED_OUT)
foreach(file ${KX2_COMPRESSED})
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${KX2_DIST_OUT}/${name}.gz
    COMMAND ${KX2_GZIP} -9 -n -c ${file} > ${KX2_DIST_OUT}/${name}.gz
    DEPENDS ${file} VERBATIM)
  list(APPEND KX2_COMPRESSED_OUT ${KX2_DIST_OUT}/${name}.gz)
endforeach()
add_custom_target(kx2_dist ALL DEPENDS ${KX2_COMPRESSED_OUT})
foreach(page ${KX2_MAN_PAGES})
  install(FILES ${KX2_DIST_OUT}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${KX2_DIST_OUT}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# `ninja install` and CPack install what was built; they never build the tests first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kx2tool)
set(CPACK_PACKAGE_VENDOR "kx2tool developers")
set(CPACK_PACKAGE_CONTACT "kx2tool developers <kx2tool@kx2tool.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Datenbanken der Digitalzentrale TQ7 / Kordavinex II bearbeiten")
set(CPACK_PACKAGE_DESCRIPTION
    "Liest die vier Datenbanken (Lokomotiven, Magnetartikel, Rückmelder,
Fahrstraßen) der Modellbahn-Digitalzentrale TQ7 / Kordavinex II über
LocoNet, zeigt sie zum Bearbeiten, schreibt sie zurück und hält sie in
ISD-Textdateien. Mit dem Fensterprogramm kx2tool, dem Kommandozeilenwerkzeug
kx2ctl und einer eingebauten simulierten Zentrale zum Ausprobieren.")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the platform plugins (xcb on the desktop,
# offscreen for kx2ctl's PDF) and Qt's own dialogs in German and English.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# kx2ctl's completion is loaded by bash-completion; without it the file lies unused.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "bash-completion")
include(CPack)

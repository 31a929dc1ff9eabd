# Installation with the desktop's conventions, and a .deb built by CPack that lintian accepts.
# Windows has its own.
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackaging.cmake)
    return()
endif()
include(GNUInstallDirs)

set(desktop_dir ${PROJECT_SOURCE_DIR}/assets/desktop)
set(icons_dir ${PROJECT_SOURCE_DIR}/assets/icons)
set(generated ${PROJECT_BINARY_DIR}/generated)

# The desktop files, the manual pages and the changelog carry the version, the app id and the
# sites from CMakeLists.txt.
configure_file(${desktop_dir}/kinmatch.desktop.in ${generated}/${KINMATCH_APP_ID}.desktop @ONLY)
configure_file(${desktop_dir}/kinmatch.metainfo.xml.in ${generated}/${KINMATCH_APP_ID}.metainfo.xml @ONLY)
configure_file(${desktop_dir}/kinmatch.mime.xml.in ${generated}/${KINMATCH_APP_ID}.xml @ONLY)
set(compressed)
foreach(page kinmatch kinmatch-cli)
    configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page}.1.in ${generated}/${page}.1 @ONLY)
    list(APPEND compressed ${page}.1)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${generated}/changelog @ONLY)
list(APPEND compressed changelog)
set(compressed_files)
foreach(file ${compressed})
    add_custom_command(OUTPUT ${generated}/${file}.gz
        COMMAND gzip -9 -n -c ${generated}/${file} > ${generated}/${file}.gz
        DEPENDS ${generated}/${file} VERBATIM)
    list(APPEND compressed_files ${generated}/${file}.gz)
endforeach()
add_custom_target(kinmatch_compressed_docs ALL DEPENDS ${compressed_files})

install(TARGETS kinmatch kinmatch-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/cli/kinmatch-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME kinmatch-cli)
install(FILES ${generated}/${KINMATCH_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${KINMATCH_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${generated}/${KINMATCH_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${generated}/kinmatch.1.gz ${generated}/kinmatch-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kinmatch)
foreach(size 16 24 32 48 64 128 256 512)
    install(FILES ${icons_dir}/kinmatch-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${KINMATCH_APP_ID}.png)
endforeach()
install(FILES ${icons_dir}/kinmatch.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${KINMATCH_APP_ID}.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kinmatch)
set(CPACK_PACKAGE_VENDOR ${KINMATCH_VENDOR})
set(CPACK_PACKAGE_CONTACT "${KINMATCH_VENDOR} <support@quorvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mayan astrology compatibility readings for two people")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kinmatch finds each person's day sign and galactic tone in the 260-day
count and adds the two into a composite sign and tone, with its picture
and description. A report of your own reading can be printed or kept as
a reading file; kinmatch-cli gives the same readings to terminals and
scripts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KINMATCH_PROGRAM_SITE})
# Libraries come from the binaries themselves (the X11 platform plugin is in libqt6gui6); the
# windows' fallback font does not show there, so it is named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# Wayland without X needs Qt's Wayland plugin; printing hands the report to the print system's
# client (lp); the PDF documents draw emoji in Symbola.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, cups-client, fonts-symbola")
set(CPACK_STRIP_FILES ON)
include(CPack)

# Installation with the desktop's conventions, and a .deb built by CPack.
include(GNUInstallDirs)

set(KINMATCH_APP_ID example.quorvane.Kinmatch)
set(desktop_dir ${PROJECT_SOURCE_DIR}/assets/desktop)
set(icons_dir ${PROJECT_SOURCE_DIR}/assets/icons)

install(TARGETS kinmatch kinmatch-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${desktop_dir}/${KINMATCH_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${KINMATCH_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_dir}/${KINMATCH_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${KINMATCH_APP_ID}.xml)
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
set(CPACK_PACKAGE_VENDOR "Quorvane Softwares")
set(CPACK_PACKAGE_CONTACT "Quorvane Softwares <support@quorvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mayan astrology compatibility readings for two people")
set(CPACK_PACKAGE_DESCRIPTION
    "Kinmatch finds each person's day sign and galactic tone in the 260-day count and adds the two into a composite sign and tone, with its picture and description.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KINMATCH_PROGRAM_SITE})
# Libraries come from the binaries themselves; the platform plugin and the font do not show
# there, so they are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)

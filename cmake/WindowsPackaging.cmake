# The Windows installation: the program, its command-line tool and PDF module, and the Qt and
# MinGW libraries and plugins they need, in one folder; and the NSIS installer made from it
# (target "installer": build-windows/kinmatch-VERSION-setup.exe).

# Qt as built for MinGW: its prefix holds bin/ and plugins/.
get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_prefix "${qt_core}" DIRECTORY)
get_filename_component(qt_prefix "${qt_prefix}" DIRECTORY)
# The compiler's own runtime, which Qt's libraries were built against.
set(runtime)
foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}")
        message(FATAL_ERROR "The compiler does not know where ${library} lies")
    endif()
    list(APPEND runtime ${found})
endforeach()

install(TARGETS kinmatch kinmatch-cli RUNTIME DESTINATION .)
install(FILES ${qt_prefix}/bin/Qt6Core.dll ${qt_prefix}/bin/Qt6Gui.dll
              ${qt_prefix}/bin/Qt6Widgets.dll ${qt_prefix}/bin/Qt6PrintSupport.dll
              ${runtime}
        DESTINATION .)
install(FILES ${qt_prefix}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
install(FILES ${qt_prefix}/plugins/imageformats/qjpeg.dll DESTINATION imageformats)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION . RENAME copyright.txt)

set(stage ${PROJECT_BINARY_DIR}/stage)
set(installer ${PROJECT_BINARY_DIR}/kinmatch-${PROJECT_VERSION}-setup.exe)
find_program(MAKENSIS makensis REQUIRED)
add_custom_target(installer
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${stage} --strip
    # The compiler's runtime comes with its debugging symbols.
    COMMAND ${CMAKE_STRIP} --strip-unneeded ${stage}/libstdc++-6.dll ${stage}/libgcc_s_seh-1.dll
            ${stage}/libwinpthread-1.dll
    COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage}
            -DTEMPLATE=${PROJECT_SOURCE_DIR}/packaging/windows/kinmatch.nsi.in
            -DSCRIPT=${PROJECT_BINARY_DIR}/generated/kinmatch.nsi
            -DPROJECT_VERSION=${PROJECT_VERSION}
            -DPROJECT_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
            -DPROJECT_VERSION_MINOR=${PROJECT_VERSION_MINOR}
            -DCPACK_PACKAGE_VENDOR=${KINMATCH_VENDOR}
            -DKINMATCH_INSTALLER=${installer}
            -DKINMATCH_ICO=${KINMATCH_ICO}
            -DKINMATCH_MAIN_SITE=${KINMATCH_MAIN_SITE}
            -DKINMATCH_PROGRAM_SITE=${KINMATCH_PROGRAM_SITE}
            -P ${PROJECT_SOURCE_DIR}/cmake/WindowsInstaller.cmake
    COMMAND ${MAKENSIS} -V2 ${PROJECT_BINARY_DIR}/generated/kinmatch.nsi
    DEPENDS kinmatch kinmatch-cli kinmatch-pdf
    BYPRODUCTS ${installer}
    COMMENT "Making ${installer}" VERBATIM)

# The Windows installation: the program, its command-line tool and PDF module, the Qt and MinGW
# libraries and plugins they need, their licences, and our own uninstaller, in one folder; and
# the NSIS installer made from it (target "installer"). The installer's path is written to
# build-windows/installer.env (KINMATCH_INSTALLER, KINMATCH_VERSION) for the scripts and tests.

# Qt as built for MinGW: its prefix holds bin/, plugins/ and the licence texts (licences/).
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

find_package(Python3 REQUIRED COMPONENTS Interpreter)

# uninstall.exe: ours, around the NSIS uninstaller (see packaging/windows/uninstall.cpp).
add_executable(kinmatch-uninstall ${PROJECT_SOURCE_DIR}/packaging/windows/uninstall.cpp)
set_target_properties(kinmatch-uninstall PROPERTIES OUTPUT_NAME uninstall
                      RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
target_link_libraries(kinmatch-uninstall PRIVATE kinmatch_warnings)
target_link_options(kinmatch-uninstall PRIVATE -municode -mwindows -static)
kinmatch_windows_resources(kinmatch-uninstall FILE uninstall.exe DESCRIPTION "Kinmatch Uninstaller"
                           ICON ${KINMATCH_ICO} MANIFEST)

# The PDF module loads the libraries it needs from its own folder alone, as installed: in the
# build folder too, where the tests run kinmatch-cli.exe, they lie beside it.
add_custom_target(kinmatch-pdf-libraries ALL
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qt_prefix}/bin/Qt6Core.dll
            ${qt_prefix}/bin/Qt6Gui.dll ${runtime} ${PROJECT_BINARY_DIR} VERBATIM)
add_dependencies(tst_cli kinmatch-pdf-libraries)

install(TARGETS kinmatch kinmatch-cli kinmatch-uninstall RUNTIME DESTINATION .)
install(FILES ${qt_prefix}/bin/Qt6Core.dll ${qt_prefix}/bin/Qt6Gui.dll
              ${qt_prefix}/bin/Qt6Widgets.dll ${qt_prefix}/bin/Qt6PrintSupport.dll
              ${runtime}
        DESTINATION .)
install(FILES ${qt_prefix}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
install(FILES ${qt_prefix}/plugins/imageformats/qjpeg.dll DESTINATION imageformats)

# The picture beside the installer's and the uninstaller's first and last pages.
set(side_bitmap ${PROJECT_BINARY_DIR}/generated/installer-side.bmp)
add_custom_command(OUTPUT ${side_bitmap}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/make-side-bitmap.py ${side_bitmap}
            ${PROJECT_SOURCE_DIR}/assets/icons/kinmatch-128.png
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/make-side-bitmap.py
            ${PROJECT_SOURCE_DIR}/assets/icons/kinmatch-128.png VERBATIM)

set(stage ${PROJECT_BINARY_DIR}/stage)
set(installer ${PROJECT_BINARY_DIR}/kinmatch-${PROJECT_VERSION}-setup.exe)
file(WRITE ${PROJECT_BINARY_DIR}/installer.env
     "KINMATCH_VERSION=${PROJECT_VERSION}\nKINMATCH_INSTALLER=${installer}\n")
set(sign ${PROJECT_SOURCE_DIR}/packaging/windows/sign.sh)
find_program(MAKENSIS makensis REQUIRED)
add_custom_target(installer
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${stage} --strip
    COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage} -DSTRIP=${CMAKE_STRIP} -DQT_LICENCES=${qt_prefix}/licences
            -DSOURCE=${PROJECT_SOURCE_DIR} -DPROJECT_VERSION=${PROJECT_VERSION}
            -DKINMATCH_VENDOR=${KINMATCH_VENDOR} -DKINMATCH_COPYRIGHT_YEAR=${KINMATCH_COPYRIGHT_YEAR}
            -DKINMATCH_PROGRAM_SITE=${KINMATCH_PROGRAM_SITE}
            -P ${PROJECT_SOURCE_DIR}/cmake/WindowsStage.cmake
    COMMAND bash ${sign} ${stage}
    COMMAND ${CMAKE_COMMAND} -DSTAGE=${stage}
            -DTEMPLATE=${PROJECT_SOURCE_DIR}/packaging/windows/kinmatch.nsi.in
            -DSCRIPT=${PROJECT_BINARY_DIR}/generated/kinmatch.nsi
            -DPROJECT_VERSION=${PROJECT_VERSION}
            -DPROJECT_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
            -DPROJECT_VERSION_MINOR=${PROJECT_VERSION_MINOR}
            -DCPACK_PACKAGE_VENDOR=${KINMATCH_VENDOR}
            -DKINMATCH_INSTALLER=${installer}
            -DKINMATCH_ICO=${KINMATCH_ICO}
            -DKINMATCH_SIDE_BITMAP=${side_bitmap}
            -DKINMATCH_SIGN=${sign} -DKINMATCH_COPYRIGHT_YEAR=${KINMATCH_COPYRIGHT_YEAR}
            -DKINMATCH_MAIN_SITE=${KINMATCH_MAIN_SITE}
            -DKINMATCH_PROGRAM_SITE=${KINMATCH_PROGRAM_SITE}
            -P ${PROJECT_SOURCE_DIR}/cmake/WindowsInstaller.cmake
    COMMAND ${MAKENSIS} -V2 ${PROJECT_BINARY_DIR}/generated/kinmatch.nsi
    DEPENDS kinmatch kinmatch-cli kinmatch-pdf kinmatch-uninstall ${side_bitmap}
            ${PROJECT_SOURCE_DIR}/cmake/WindowsStage.cmake
    BYPRODUCTS ${installer}
    COMMENT "Making ${installer}" VERBATIM)

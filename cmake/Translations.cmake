# The catalogs of the texts people read, translations/kinmatch_LANG.ts: compiled by lrelease into
# the build and carried by the core as data, so that kinmatch-cli reads them without Qt and the
# windows hand the same bytes to Qt's translator. Qt's own texts (message box buttons, the file
# dialog) come from Debian's qt6-translations-l10n and are carried by the windows.
#
#   cmake --build build --target update_translations    # lupdate: the code's texts into the .ts
#
# A new language is one new catalog: translations/kinmatch_LANG.ts.

# Host tools; a cross build finds them through QT_HOST_PATH.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

option(KINMATCH_PSEUDO_LANGUAGE
       "Build the pseudo-language qps too: every text lengthened and accented, for layout tests" OFF)

file(GLOB kinmatch_source_catalogs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/kinmatch_*.ts)
set(kinmatch_catalogs ${kinmatch_source_catalogs})
set(catalog_folder ${PROJECT_BINARY_DIR}/translations)
file(MAKE_DIRECTORY ${catalog_folder})
set(compiled_catalogs)

if(KINMATCH_PSEUDO_LANGUAGE)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    list(GET kinmatch_catalogs 0 any_catalog)
    set(pseudo_catalog ${catalog_folder}/kinmatch_qps.ts)
    add_custom_command(OUTPUT ${pseudo_catalog}
        COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/pseudo-language.py
                ${any_catalog} ${pseudo_catalog}
        DEPENDS ${any_catalog} ${PROJECT_SOURCE_DIR}/tools/pseudo-language.py VERBATIM)
    list(APPEND kinmatch_catalogs ${pseudo_catalog})
endif()

foreach(catalog ${kinmatch_catalogs})
    get_filename_component(name ${catalog} NAME_WE)
    set(compiled ${catalog_folder}/${name}.qm)
    add_custom_command(OUTPUT ${compiled}
        COMMAND Qt6::lrelease -silent ${catalog} -qm ${compiled}
        DEPENDS ${catalog} VERBATIM)
    list(APPEND compiled_catalogs ${compiled})
endforeach()

set(KINMATCH_CATALOG_DATA ${PROJECT_BINARY_DIR}/generated/CatalogData.cpp)
add_custom_command(OUTPUT ${KINMATCH_CATALOG_DATA}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${KINMATCH_CATALOG_DATA} -DNAMESPACE=kinmatch
            -DVARIABLE=CatalogFiles -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake
            ${compiled_catalogs}
    DEPENDS ${compiled_catalogs} ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake
    COMMENT "Embedding the catalogs" VERBATIM)
# The core that carries them is built in a folder of its own.
add_custom_target(kinmatch_catalogs DEPENDS ${KINMATCH_CATALOG_DATA})

# Qt's own catalogs for the languages of ours, found where Debian's Qt keeps them.
set(KINMATCH_QT_CATALOGS)
find_path(KINMATCH_QT_TRANSLATIONS qtbase_es.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH)
foreach(catalog ${kinmatch_catalogs})
    get_filename_component(name ${catalog} NAME_WE)
    string(REPLACE "kinmatch_" "" language ${name})
    if(EXISTS ${KINMATCH_QT_TRANSLATIONS}/qtbase_${language}.qm)
        list(APPEND KINMATCH_QT_CATALOGS ${KINMATCH_QT_TRANSLATIONS}/qtbase_${language}.qm)
    elseif(NOT language STREQUAL "qps")
        message(FATAL_ERROR "qtbase_${language}.qm is missing: install qt6-translations-l10n")
    endif()
endforeach()

# lupdate reads the sources of every layer; Tr() and Marked() of the pure core count as Qt's
# translate() and QT_TRANSLATE_NOOP().
add_custom_target(update_translations
    COMMAND Qt6::lupdate -silent -no-obsolete -locations none
            -tr-function-alias "translate+=Tr,QT_TRANSLATE_NOOP+=Marked"
            -extensions cpp,h
            engine compat format services ui cli
            -ts ${kinmatch_source_catalogs}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Collecting the texts into translations/" VERBATIM)

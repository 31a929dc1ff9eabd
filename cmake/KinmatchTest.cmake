# kinmatch_add_test(NAME SOURCES... LIBRARIES libs...)
# One QtTest executable, registered with ctest (label "offscreen"), run offscreen under a fixed
# locale so that results never depend on the machine's display or language settings.
function(kinmatch_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} Qt6::Test kinmatch_warnings)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;LANGUAGE=en"
        TIMEOUT 120
        LABELS offscreen)
endfunction()

# The Windows build's tests, run under wine: the unit tests as one test, the
# whole runs against the golden files, and the closing pause on a
# pseudo-terminal. One persistent wine server serves them all.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(WINDOWS_PROGRAM_TEST ${CMAKE_CURRENT_SOURCE_DIR}/windows_program_test.py)
set(WINE_ENVIRONMENT
    WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
    WINEDEBUG=-all
    WINEDLLOVERRIDES=mscoree,mshtml=)

add_test(NAME wine_server_start COMMAND ${Python3_EXECUTABLE} ${WINDOWS_PROGRAM_TEST} start-server)
add_test(NAME wine_server_stop COMMAND ${Python3_EXECUTABLE} ${WINDOWS_PROGRAM_TEST} stop-server)
set_tests_properties(wine_server_start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_server_stop PROPERTIES FIXTURES_CLEANUP wine)

add_test(NAME section_tests COMMAND section_tests)
add_test(NAME windows_whole_runs
         COMMAND ${Python3_EXECUTABLE} ${WINDOWS_PROGRAM_TEST} golden
                 $<TARGET_FILE:beam-reactions> ${CMAKE_CURRENT_SOURCE_DIR}/golden)
set(WINDOWS_TESTS wine_server_start wine_server_stop section_tests windows_whole_runs)
foreach(key letter enter arrow f1)
    add_test(NAME windows_closing_key_${key}
             COMMAND ${Python3_EXECUTABLE} ${WINDOWS_PROGRAM_TEST} key
                     $<TARGET_FILE:beam-reactions> ${key})
    set_tests_properties(windows_closing_key_${key} PROPERTIES LABELS terminal)
    list(APPEND WINDOWS_TESTS windows_closing_key_${key})
endforeach()

set_tests_properties(${WINDOWS_TESTS} PROPERTIES
    TIMEOUT 120
    ENVIRONMENT "${WINE_ENVIRONMENT}")
set_tests_properties(section_tests PROPERTIES LABELS unit)
set_tests_properties(windows_whole_runs PROPERTIES LABELS program)
set(TESTS_USING_WINE ${WINDOWS_TESTS})
list(REMOVE_ITEM TESTS_USING_WINE wine_server_start wine_server_stop)
set_tests_properties(${TESTS_USING_WINE} PROPERTIES FIXTURES_REQUIRED wine)

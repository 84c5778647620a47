# The Windows build's tests, run under wine: the unit tests as one test, the
# whole runs against the CRLF form of the golden files, and the closing pause
# at wine's console on a pseudo-terminal. One persistent wine server serves
# them all.
set(WINE_ENVIRONMENT
    WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
    WINEDEBUG=-all
    WINEDLLOVERRIDES=mscoree,mshtml=)

# The server and wine's services outlive the test that starts them: they must
# not hold its output open, or CTest would wait for them. A new prefix is set
# up by a wine of its own, waited for to its end: its setup goes on after
# wineboot returns, and a console started meanwhile stalls for ten seconds.
# The persistent server then starts in the prefix's folder.
add_test(NAME wine_server_start
         COMMAND sh -c "{ test -d \"$WINEPREFIX\" || { wine wineboot -i; wineserver -w; }
                         wineserver -p; wine wineboot -i; } </dev/null >/dev/null 2>&1")
add_test(NAME wine_server_stop COMMAND wineserver -k)
set_tests_properties(wine_server_start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_server_stop PROPERTIES FIXTURES_CLEANUP wine)
set_tests_properties(wine_server_start wine_server_stop PROPERTIES
                     TIMEOUT 120 ENVIRONMENT "${WINE_ENVIRONMENT}")

add_test(NAME section_tests COMMAND section_tests)
set_tests_properties(section_tests PROPERTIES LABELS unit TIMEOUT 120
                     ENVIRONMENT "${WINE_ENVIRONMENT}" FIXTURES_REQUIRED wine)
add_python_test(windows_whole_runs program whole_run_test.py test_ --wine)
add_python_test(windows_console terminal terminal_test.py windows_console --wine)
set_tests_properties(windows_whole_runs windows_console PROPERTIES FIXTURES_REQUIRED wine)

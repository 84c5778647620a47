# Installs the build into a fresh prefix, or packages it as a .deb, and checks
# that the program, its manual page and its documents land where a user will
# look for them; or unpacks a package made (a .deb, .tar.gz or .zip). Either
# way, every file the README a user finds there names is there too, and a
# program linked statically comes with the notices of what it carries.
#
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DMODE=install|deb
#         -DBINDIR=... -DMANDIR=... -DDOCDIR=... -P install_check.cmake
#   cmake -DARCHIVE=... -DWORK_DIR=... -DMODE=archive -P install_check.cmake
#
# The directories are the build's own (GNUInstallDirs), relative to the prefix;
# a .deb always has Debian's.
if(MODE STREQUAL "deb")
    set(BINDIR bin)
    set(MANDIR share/man)
    set(DOCDIR share/doc/beam-reactions)
    find_program(DPKG_DEB dpkg-deb)
    if(NOT DPKG_DEB)
        message(STATUS "skipped: this system has no dpkg-deb to build a .deb with")
        return()
    endif()
endif()
set(EXPECTED_FILES
    usr/${BINDIR}/beam-reactions
    usr/${MANDIR}/man1/beam-reactions.1.gz
    usr/${DOCDIR}/README.md
    usr/${DOCDIR}/LICENSE
    usr/${DOCDIR}/changelog.gz)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
                    ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed (${status}):\n${output}")
    endif()
    set(output "${output}" PARENT_SCOPE)
endfunction()

# The README found under `top`: each file it names (a path from the package's
# top, or beside it) is in the package, and it links nowhere; where the
# program is linked statically, the notices of what it carries are there.
function(check_readme top)
    file(GLOB_RECURSE readmes ${top}/README.md ${top}/README.txt)
    list(LENGTH readmes count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "expected one README, found: ${readmes}")
    endif()
    get_filename_component(beside ${readmes} DIRECTORY)
    get_filename_component(root ${top} ABSOLUTE)
    file(GLOB_RECURSE programs ${top}/*beam-reactions ${top}/*beam-reactions.exe)
    file(READ ${readmes} text)
    if(text MATCHES "\\]\\(")
        message(FATAL_ERROR "${readmes} links out of the package")
    endif()
    string(REGEX MATCHALL "[A-Za-z0-9_][A-Za-z0-9_.-]*(/[A-Za-z0-9_.-]+)+|[A-Za-z0-9_-]+\\.(txt|gz|exe)|LICENSE[.a-z]*|copyright"
           named "${text}")
    list(REMOVE_ITEM named answers.txt)  # the user's own
    foreach(file IN LISTS named)
        if(NOT EXISTS ${beside}/${file} AND NOT EXISTS ${top}/${file})
            message(FATAL_ERROR "${readmes} names ${file}, which the package lacks")
        endif()
    endforeach()
    foreach(program IN LISTS programs)
        execute_process(COMMAND file -L ${program} OUTPUT_VARIABLE kind)
        if(kind MATCHES "statically linked|PE32" AND NOT text MATCHES "THIRD-PARTY-NOTICES.txt")
            message(FATAL_ERROR "${program} is linked statically; ${readmes} names no notices")
        endif()
    endforeach()
    message(STATUS "${readmes}: names ${named}")
endfunction()

if(MODE STREQUAL "install")
    run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/usr)
    foreach(expected ${EXPECTED_FILES})
        if(NOT EXISTS ${WORK_DIR}/${expected})
            message(FATAL_ERROR "not installed: ${expected}")
        endif()
    endforeach()
    check_readme(${WORK_DIR}/usr)
elseif(MODE STREQUAL "deb")
    run(cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR})
    file(GLOB packages ${WORK_DIR}/*.deb)
    list(LENGTH packages count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "expected one .deb, found: ${packages}")
    endif()
    run(dpkg-deb --contents ${packages})
    foreach(expected ${EXPECTED_FILES})
        if(NOT output MATCHES "\\./${expected}\n")
            message(FATAL_ERROR "${expected} is not in the package:\n${output}")
        endif()
    endforeach()
    run(dpkg-deb --field ${packages} Package Version Architecture)
    message(STATUS "${output}")
    run(dpkg-deb -x ${packages} ${WORK_DIR}/unpacked)
    check_readme(${WORK_DIR}/unpacked/usr)
elseif(MODE STREQUAL "archive")
    file(MAKE_DIRECTORY ${WORK_DIR}/unpacked)
    if(ARCHIVE MATCHES "\\.deb$")
        run(dpkg-deb -x ${ARCHIVE} ${WORK_DIR}/unpacked)
    else()
        file(ARCHIVE_EXTRACT INPUT ${ARCHIVE} DESTINATION ${WORK_DIR}/unpacked)
    endif()
    # The package's top: the one folder it unpacks into, if it has one.
    file(GLOB top LIST_DIRECTORIES true ${WORK_DIR}/unpacked/*)
    list(LENGTH top count)
    if(ARCHIVE MATCHES "\\.deb$")
        set(top ${WORK_DIR}/unpacked/usr)
    elseif(NOT count EQUAL 1 OR NOT IS_DIRECTORY "${top}")
        set(top ${WORK_DIR}/unpacked)
    endif()
    check_readme(${top})
else()
    message(FATAL_ERROR "MODE must be install, deb or archive")
endif()

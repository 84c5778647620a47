# Installs the build into a fresh prefix, or packages it as a .deb, and checks
# that the program, its manual page and its documents land where a user will
# look for them.
#
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DMODE=install|deb
#         -DBINDIR=... -DMANDIR=... -DDOCDIR=... -P install_check.cmake
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
    usr/${DOCDIR}/copyright
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

if(MODE STREQUAL "install")
    run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/usr)
    foreach(expected ${EXPECTED_FILES})
        if(NOT EXISTS ${WORK_DIR}/${expected})
            message(FATAL_ERROR "not installed: ${expected}")
        endif()
    endforeach()
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
else()
    message(FATAL_ERROR "MODE must be install or deb")
endif()

# What an install puts where, and the packages made of it: a .deb (the Debian
# build), a .tar.gz of the release build (static on Linux, for any Linux), and
# a .zip of the Windows build.
include(GNUInstallDirs)

set(CPACK_PACKAGE_NAME beam-reactions)
set(CPACK_PACKAGE_VENDOR "The beam-reactions authors")
set(CPACK_PACKAGE_CONTACT
    "beam-reactions maintainers <maintainers@users.noreply.c-seed-d2335036.example>")

if(WASI)
    # The browser edition is a site of its own, zipped by web/.
elseif(WIN32)
    # Version information and manifest, shown in the .exe's Properties.
    configure_file(packaging/beam-reactions.exe.manifest beam-reactions.exe.manifest @ONLY)
    set(MANIFEST_PATH ${CMAKE_CURRENT_BINARY_DIR}/beam-reactions.exe.manifest)
    configure_file(packaging/beam-reactions.rc.in beam-reactions.rc @ONLY)
    target_sources(beam-reactions PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/beam-reactions.rc)

    install(TARGETS beam-reactions RUNTIME DESTINATION .)  # the .exe at the top of the .zip
    install(FILES README.md LICENSE DESTINATION .)
else()
    # The manual page, dated and versioned, and the changelog, both compressed
    # as Debian does it: gzip -9n keeps no name or time.
    string(TIMESTAMP MANUAL_DATE "%Y-%m-%d" UTC)
    configure_file(man/beam-reactions.1.in man/beam-reactions.1 @ONLY)
    configure_file(packaging/changelog changelog COPYONLY)
    foreach(file man/beam-reactions.1 changelog)
        execute_process(COMMAND gzip -9n -c INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${file}
                        OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz
                        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()

    # The licence in the machine-readable copyright format: its text indented
    # by one space, an empty line written as " .".
    file(READ LICENSE licence)
    string(REGEX REPLACE "^.*(Permission is hereby)" "\\1" EXPAT_TEXT "${licence}")
    string(STRIP "${EXPAT_TEXT}" EXPAT_TEXT)
    string(REPLACE "\n\n" "\n.\n" EXPAT_TEXT "${EXPAT_TEXT}")
    string(REPLACE "\n" "\n " EXPAT_TEXT " ${EXPAT_TEXT}")
    configure_file(packaging/copyright.in copyright @ONLY)

    install(TARGETS beam-reactions RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/beam-reactions.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES README.md ${CMAKE_CURRENT_BINARY_DIR}/copyright
                  ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
    if(NOT BEAM_DEBIAN_BUILD)  # a .deb has the licence in its copyright file
        install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
    endif()
endif()

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Support reactions of a simply supported beam, worked at the console")
set(CPACK_PACKAGE_DESCRIPTION
    "beam-reactions solves one statics problem at the terminal: a beam resting
on a pin at one end and a rocker at the other, loaded by one downward force
at its centre and, optionally, by horizontal forces at its ends. It asks for
the length, the forces and their units, then writes the worked solution: the
equilibrium equations, the moment about the pin, and the reactions at both
supports, exact to the half.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Read by cpack: the packages' file times are SOURCE_DATE_EPOCH as well.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/CPackProjectConfig.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE}
     "if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})\n"
     "    set(ENV{SOURCE_DATE_EPOCH} \"${SOURCE_DATE_EPOCH}\")\n"
     "endif()\n")

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME beam-reactions-${PROJECT_VERSION}-windows-x86_64)
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
elseif(BEAM_DEBIAN_BUILD)
    set(CPACK_GENERATOR DEB)
else()
    set(CPACK_GENERATOR TGZ)
    string(TOLOWER "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}" PLATFORM_NAME)
    set(CPACK_PACKAGE_FILE_NAME beam-reactions-${PROJECT_VERSION}-${PLATFORM_NAME})
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
if(BEAM_DEBIAN_ARCH)  # a cross build's, named by its toolchain
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${BEAM_DEBIAN_ARCH})
    file(APPEND ${CPACK_PROJECT_CONFIG_FILE}
         "set(BEAM_CROSS_LIBRARIES /usr/${BEAM_TRIPLET}/lib)\n"
         "set(BEAM_PROGRAM ${CMAKE_CURRENT_BINARY_DIR}/beam-reactions)\n"
         "include(${CMAKE_CURRENT_SOURCE_DIR}/packaging/cross_depends.cmake)\n")
else()
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)

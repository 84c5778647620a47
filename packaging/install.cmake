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

    # The .exe at the top of the .zip, with what a Windows user opens.
    configure_file(packaging/README-windows.in README.txt @ONLY)
    configure_file(LICENSE LICENSE.txt COPYONLY)
    install(TARGETS beam-reactions RUNTIME DESTINATION .)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
            DESTINATION .)
    if(BEAM_LINKED_STATICALLY)
        include(packaging/third_party_notices.cmake)
        install(FILES ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt DESTINATION .)
    endif()
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

    install(TARGETS beam-reactions RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/beam-reactions.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.md ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
    if(BEAM_DEBIAN_BUILD)
        # The licence in the machine-readable copyright format: its text
        # indented by one space, an empty line written as " .".
        file(READ LICENSE licence)
        string(REGEX REPLACE "^.*(Permission is hereby)" "\\1" EXPAT_TEXT "${licence}")
        string(STRIP "${EXPAT_TEXT}" EXPAT_TEXT)
        string(REPLACE "\n\n" "\n.\n" EXPAT_TEXT "${EXPAT_TEXT}")
        string(REPLACE "\n" "\n " EXPAT_TEXT " ${EXPAT_TEXT}")
        configure_file(packaging/copyright.in copyright @ONLY)
        install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
        set(RUN_IT "Once the package is installed, the command is on your PATH:\n\n    beam-reactions")
        set(RUN_COMMAND beam-reactions)
        set(MANUAL "    man beam-reactions\n\ntells the rest: each question, what its answer may \
be, and what the\nprogram makes of unusual input.")
        set(LICENCES "The MIT (Expat) licence: copyright, beside this file.")
    else()
        install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
        set(RUN_IT "From the folder this archive unpacks into:\n\n    bin/beam-reactions\n\n\
Installed with `cmake --install`, it is `beam-reactions`, wherever your PATH\nfinds it.")
        set(RUN_COMMAND bin/beam-reactions)
        set(MANUAL "From the unpacked folder:\n\n    man -l share/man/man1/beam-reactions.1.gz\n\n\
or, installed, `man beam-reactions`. It tells the rest: each question, what\n\
its answer may be, and what the program makes of unusual input.")
        set(LICENCES "beam-reactions is under the MIT (Expat) licence: LICENSE, beside this file.")
        if(BEAM_LINKED_STATICALLY)
            include(packaging/third_party_notices.cmake)
            install(FILES ${CMAKE_CURRENT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt
                    DESTINATION ${CMAKE_INSTALL_DOCDIR})
            string(APPEND LICENCES "\n\nThe program is linked statically: THIRD-PARTY-NOTICES.txt, \
beside this file,\nnames the libraries it carries, their licences and where their source is.")
        endif()
    endif()
    configure_file(packaging/README.in README.md @ONLY)
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
if(BEAM_DEBIAN_ARCH STREQUAL "armhf")  # which Raspberry Pi it runs on
    string(APPEND CPACK_PACKAGE_DESCRIPTION "\n.\nBuilt for ARMv7 and later: the Raspberry Pi 2 and later and the Zero 2 W.
The ARMv6 Pis (Pi 1, Zero, Zero W) take the static linux-armv6l .tar.gz.")
endif()
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

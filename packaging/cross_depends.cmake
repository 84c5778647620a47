# Run by cpack for a cross build's .deb: its dependencies, found by
# dpkg-shlibdeps against Debian's cross libraries, then named as the target
# system's own packages. The cross libraries name themselves as their
# <arch>-cross packages or with the architecture (libc6:arm64); on the target
# the same libraries are libc6, libgcc-s1 and libstdc++6.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
set(work ${CPACK_TOPLEVEL_DIRECTORY}/cross-depends)
file(MAKE_DIRECTORY ${work}/debian)
file(TOUCH ${work}/debian/control)
execute_process(COMMAND dpkg-shlibdeps -O -l${BEAM_CROSS_LIBRARIES} -e ${BEAM_PROGRAM}
                WORKING_DIRECTORY ${work} OUTPUT_VARIABLE found ERROR_QUIET
                COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "^shlibs:Depends=" "" depends "${found}")
string(REGEX REPLACE ":${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}|-${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}-cross"
                     "" depends "${depends}")
string(STRIP "${depends}" CPACK_DEBIAN_PACKAGE_DEPENDS)

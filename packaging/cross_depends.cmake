# Run by cpack for a cross build's .deb: its dependencies, found by
# dpkg-shlibdeps against Debian's cross libraries, then named as the target
# system's own packages. The cross libraries name themselves as their
# <arch>-cross packages or with the architecture (libc6:arm64); on the target
# the same libraries are libc6, libgcc-s1 and libstdc++6.
#
# The cross packages give no symbols files, only their own version, which is
# no measure of what the program needs. So each package's least version is
# found as dpkg-shlibdeps finds the native one's: from the newest version
# node the program needs of its library (GLIBC_2.34, GLIBCXX_3.4.21), looked
# up in this machine's own symbols file of that package, since the nodes and
# the versions that brought them are the same on every architecture.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
set(work ${CPACK_TOPLEVEL_DIRECTORY}/cross-depends)
file(MAKE_DIRECTORY ${work}/debian)
file(TOUCH ${work}/debian/control)
execute_process(COMMAND dpkg-shlibdeps -O -l${BEAM_CROSS_LIBRARIES} -e ${BEAM_PROGRAM}
                WORKING_DIRECTORY ${work} OUTPUT_VARIABLE found ERROR_QUIET
                COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "^shlibs:Depends=" "" found "${found}")
string(REGEX REPLACE ":${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}|-${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}-cross"
                     "" found "${found}")
string(STRIP "${found}" found)

# The package of each library the program needs, and the version nodes it
# needs of it, from its version needs section.
set(PACKAGE_OF_libc.so.6 libc6)
set(PACKAGE_OF_libm.so.6 libc6)
set(PACKAGE_OF_libstdc++.so.6 libstdc++6)
set(PACKAGE_OF_libgcc_s.so.1 libgcc-s1)
execute_process(COMMAND readelf -V ${BEAM_PROGRAM} OUTPUT_VARIABLE needs COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE native
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" needs "${needs}")
set(package)
foreach(line IN LISTS needs)
    if(line MATCHES "File: ([^ ]+)")
        set(package "${PACKAGE_OF_${CMAKE_MATCH_1}}")
        if(CMAKE_MATCH_1 MATCHES "^ld-linux")
            set(package libc6)
        endif()
    elseif(package AND line MATCHES "Name: ([^ ]+)")
        set(node ${CMAKE_MATCH_1})
        file(STRINGS /var/lib/dpkg/info/${package}:${native}.symbols entries
             REGEX "^ ${node}@${node} ")
        list(POP_FRONT entries entry)
        string(REGEX REPLACE "^ [^ ]+ ([^ ]+).*" "\\1" version "${entry}")
        # A node this machine's library lacks is one of the target's own, as
        # old as its port (GCC_3.5 of ARM's libgcc): it asks for no newer one.
        if(version AND (NOT DEFINED least_${package} OR version VERSION_GREATER least_${package}))
            set(least_${package} ${version})
        endif()
    endif()
endforeach()

set(depends)
string(REPLACE "," ";" found "${found}")
foreach(dependency IN LISTS found)
    string(REGEX REPLACE "^ *([^ ]+).*" "\\1" name "${dependency}")
    if(DEFINED least_${name})
        list(APPEND depends "${name} (>= ${least_${name}})")
    else()
        string(STRIP "${dependency}" dependency)
        list(APPEND depends "${dependency}")
    endif()
endforeach()
list(JOIN depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

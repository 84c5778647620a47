# THIRD-PARTY-NOTICES.txt, for a program linked statically: the libraries it
# carries (the GNU C Library and GCC's C++ runtime on Linux; GCC's C++
# runtime, the mingw-w64 runtime and winpthreads under mingw-w64), each named
# with its version, its licence and where its source is; then each one's
# copyright notice as Debian gives its package, and the full text of the GNU
# licences named. Written when the build is configured, from what dpkg says of
# the packages the libraries came from; elsewhere than on Debian it names
# them and their licences alone.

# Each library: what it is; its licence; its home; a file of it the compiler
# links.
set(GCC_RUNTIME "GCC's C++ runtime (libstdc++) and support library (libgcc)|\
the GNU General Public License, version 3 or later, with\n   the GCC Runtime \
Library Exception, version 3.1|https://gcc.gnu.org/|libstdc++.a")
if(MINGW)
    set(NOTICE_LIBRARIES "${GCC_RUNTIME}"
        "the mingw-w64 runtime|the Zope Public License 2.1, with parts in the public domain\n   \
or under other permissive licences, each named in its notice below|\
https://www.mingw-w64.org/|libmingwex.a"
        "winpthreads, of mingw-w64|the MIT (Expat) licence, with parts under the BSD 3-clause\n   \
licence or in the public domain|https://www.mingw-w64.org/|libwinpthread.a")
    set(NOTICE_LICENCES GPL-3)
    set(LICENSE_FILE LICENSE.txt)
else()
    set(NOTICE_LIBRARIES
        "the GNU C Library|the GNU Lesser General Public License, version 2.1 or later,\n   \
with parts under other free licences, each named in its notice below|\
https://www.gnu.org/software/libc/|libc.a"
        "${GCC_RUNTIME}")
    set(NOTICE_LICENCES LGPL-2.1 GPL-3)
    set(LICENSE_FILE LICENSE)
    set(relinking "
The GNU Lesser General Public License lets you link the program again with a
changed library. beam-reactions' own source, under the MIT licence, comes
from its maintainers (${CPACK_PACKAGE_CONTACT}); built with
`cmake --workflow --preset static-package`, it is linked with the libraries of
the machine that builds it.
")
endif()

function(dpkg_query output)
    execute_process(COMMAND dpkg-query ${ARGN} OUTPUT_VARIABLE found ERROR_QUIET
                    OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
    if(failed)
        set(found "")
    endif()
    set(${output} "${found}" PARENT_SCOPE)
endfunction()

set(listed "")
set(notices "")
set(noticed)
set(number 0)
foreach(library IN LISTS NOTICE_LIBRARIES)
    string(REPLACE "|" ";" library "${library}")
    list(GET library 0 name)
    list(GET library 1 licence)
    list(GET library 2 home)
    list(GET library 3 file)
    math(EXPR number "${number} + 1")
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${file} OUTPUT_VARIABLE path
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    file(REAL_PATH "${path}" path)
    dpkg_query(owner -S "${path}")
    string(REGEX REPLACE ": .*" "" package "${owner}")
    set(built "")
    if(package)
        dpkg_query(about -W "-f=\${Version}|\${source:Package}|\${source:Version}" ${package})
        string(REPLACE "|" ";" about "${about}")
        list(GET about 0 version)
        list(GET about 1 source)
        list(GET about 2 source_version)
        string(REGEX REPLACE ":.*" "" package "${package}")
        string(REGEX REPLACE "-.*" "" upstream "${version}")
        string(APPEND name " ${upstream}")
        set(built "\n   Built here from Debian's package ${package} ${version}\n   \
(its notice below), whose source is Debian's ${source} ${source_version}:\n   \
https://snapshot.debian.org/package/${source}/${source_version}/")
        if(NOT package IN_LIST noticed)  # one notice a package
            list(APPEND noticed ${package})
            file(READ /usr/share/doc/${package}/copyright copyright)
            string(APPEND notices "\n\n==== The copyright notice of ${package}, as Debian gives it \
(/usr/share/doc/${package}/copyright) ====\n\n${copyright}")
        endif()
    endif()
    string(APPEND listed "\n${number}. ${name}\n   Licence: ${licence}.\n   Source: ${home}${built}\n")
endforeach()
foreach(text IN LISTS NOTICE_LICENCES)
    if(EXISTS /usr/share/common-licenses/${text})
        file(READ /usr/share/common-licenses/${text} licence)
        string(APPEND notices "\n\n==== The licence ${text} ====\n\n${licence}")
    endif()
endforeach()
configure_file(packaging/third-party-notices.in THIRD-PARTY-NOTICES.txt @ONLY)

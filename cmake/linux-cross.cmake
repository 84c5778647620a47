# Cross build for Linux on another processor with Debian's cross compilers
# (g++-<triplet>), the programs run under qemu-user wherever the build runs
# them: its tests, through CMake's emulator. Included by a toolchain file per
# target that names BEAM_TRIPLET, CMAKE_SYSTEM_PROCESSOR, BEAM_QEMU (the
# emulator's name), BEAM_QEMU_CPU (the processor it plays, where not its
# newest) and BEAM_DEBIAN_ARCH (the .deb's architecture).
set(CMAKE_SYSTEM_NAME Linux)

set(CMAKE_C_COMPILER ${BEAM_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${BEAM_TRIPLET}-g++)
set(CMAKE_STRIP ${BEAM_TRIPLET}-strip)

set(CMAKE_FIND_ROOT_PATH /usr/${BEAM_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The target's own libraries for a dynamically linked program, from the
# cross compiler's root.
find_program(QEMU_PROGRAM ${BEAM_QEMU} REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_PROGRAM} -L /usr/${BEAM_TRIPLET})
if(BEAM_QEMU_CPU)
    list(APPEND CMAKE_CROSSCOMPILING_EMULATOR -cpu ${BEAM_QEMU_CPU})
endif()

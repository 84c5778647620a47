# 32-bit ARM Linux with hardware floating point (Debian's armhf: Raspberry Pi
# OS 32-bit).
set(BEAM_TRIPLET arm-linux-gnueabihf)
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(BEAM_QEMU qemu-arm-static)
set(BEAM_DEBIAN_ARCH armhf)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)

# 64-bit ARM Linux (Debian's arm64: Raspberry Pi OS 64-bit, ARM servers).
set(BEAM_TRIPLET aarch64-linux-gnu)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(BEAM_QEMU qemu-aarch64-static)
set(BEAM_DEBIAN_ARCH arm64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)

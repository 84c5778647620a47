# 32-bit ARM Linux with hardware floating point (Debian's armhf): ARMv7 and
# later, the Raspberry Pi 2 and later and the Zero 2 W. The ARMv6 Pis, though
# Raspberry Pi OS 32-bit runs on them too, take armel's build
# (arm-linux-gnueabi.cmake).
set(BEAM_TRIPLET arm-linux-gnueabihf)
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(BEAM_QEMU qemu-arm-static)
set(BEAM_DEBIAN_ARCH armhf)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)

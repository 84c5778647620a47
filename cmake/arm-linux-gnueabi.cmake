# 32-bit ARM Linux with software floating point (Debian's armel): ARMv5TE
# code, which runs on every 32-bit ARM, the ARMv6 Raspberry Pis (Pi 1, Zero,
# Zero W) among them, where armhf's ARMv7 code stops at its first Thumb-2
# instruction. Built for the static .tar.gz those Pis take, named for the
# machine it is for (`uname -m` there says armv6l); run, in its tests, on the
# Pi 1's and Zero's processor, the ARM1176.
set(BEAM_TRIPLET arm-linux-gnueabi)
set(CMAKE_SYSTEM_PROCESSOR armv6l)
set(BEAM_QEMU qemu-arm-static)
set(BEAM_QEMU_CPU arm1176)
set(BEAM_DEBIAN_ARCH armel)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)

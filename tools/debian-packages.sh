#!/bin/sh
# The Debian packages each use of this project needs, in one place: this
# installs those of one use that are missing, and nothing when all are there.
# As root it installs them itself, otherwise through sudo. Elsewhere than on
# Debian (or a system made from it) it installs nothing: the README's table
# says what other systems need.
#
#   tools/debian-packages.sh run    build and start the calculator
#   tools/debian-packages.sh test   and every test of the native program
#   tools/debian-packages.sh web    build the browser edition and serve it
#   tools/debian-packages.sh ci     everything CI runs (.ci/run)
set -eu

run="cmake ninja-build g++"
test="$run libgtest-dev googletest python3 python3-pytest python3-pexpect procps file dpkg-dev"
web="cmake ninja-build clang lld-14 wasi-libc libc++-14-dev-wasm32 libc++abi-14-dev-wasm32
     libclang-rt-14-dev-wasm32 binaryen python3"
ci="$test $web g++-11 libclang-rt-14-dev libc++-dev libc++abi-dev clang-format clang-tidy cppcheck
    valgrind strace time dpkg-dev lintian mandoc git g++-mingw-w64-x86-64 wine wine64
    chromium firefox-esr webkit2gtk-driver xvfb xauth
    dbus-daemon dbus-bin at-spi2-core orca xdotool matchbox-window-manager
    g++-aarch64-linux-gnu g++-arm-linux-gnueabihf g++-arm-linux-gnueabi qemu-user-static"

case "${1-}" in
run) wanted=$run ;;
test) wanted=$test ;;
web) wanted=$web ;;
ci) wanted=$ci ;;
*)
    echo "usage: $0 run|test|web|ci" >&2
    exit 2
    ;;
esac

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
    echo "$0: not a Debian system; the README's table says what to install here"
    exit 0
fi

# One query for them all: those installed are listed as "ii" and their name.
# shellcheck disable=SC2086 # one word a package
installed=" $(dpkg-query -W -f='${db:Status-Abbrev}${Package}\n' $wanted 2>/dev/null |
    sed -n 's/^ii *//p' | tr '\n' ' ') "
missing=
for package in $wanted; do
    case $installed in
    *" $package "*) ;;
    *) missing="$missing $package" ;;
    esac
done
# node for the tests of the page's reader, and npm for the page: Debian's
# unless the machine has its own.
case $1 in
test) command -v node >/dev/null 2>&1 || missing="$missing nodejs" ;;
web | ci) command -v npm >/dev/null 2>&1 || missing="$missing nodejs npm" ;;
esac
[ -n "$missing" ] || exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=
elif command -v sudo >/dev/null 2>&1; then
    as_root=sudo
else
    echo "$0: needs$missing; run it as root, or install sudo" >&2
    exit 1
fi
echo "installing:$missing"
$as_root apt-get update -q
# shellcheck disable=SC2086 # one word a package
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing

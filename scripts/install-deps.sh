#!/usr/bin/env bash
# Installs the Debian packages one task needs, if any are missing. Uses sudo
# when not run as root.
#
#   scripts/install-deps.sh run      build the program and open its window
#   scripts/install-deps.sh package  the same, and build the Debian package
#   scripts/install-deps.sh test     the same, and the tests, the benchmarks
#                                    and the tools the packaging tests use
#   scripts/install-deps.sh windows  cross-build the Windows program and its
#                                    installer, and run its tests under Wine
#
# With no argument it installs the test set.
set -euo pipefail

# Compiler, build tools, Qt (its X11 platform plugin comes with libqt6gui6,
# which qt6-base-dev pulls in), the two fonts the window uses, and Qt's Wayland
# platform plugin: GNOME and KDE on Debian 12 start Wayland sessions, where
# without it the window opens only through XWayland, after a warning from Qt at
# every start, or not at all where there is no XWayland. The Debian package
# recommends it for the same reason.
run_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-wayland
    fonts-arphic-uming fonts-arphic-ukai
)
# CPack's Debian generator: dpkg-shlibdeps works out the package's library
# dependencies and calls `file` on the binaries.
package_packages=(
    "${run_packages[@]}"
    dpkg-dev file
)
# GoogleTest and Google Benchmark; Xvfb for the benchmarks that need a real
# display; the validators, lintian and the resource compiler of the packaging
# tests.
test_packages=(
    "${package_packages[@]}"
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
    desktop-file-utils appstream lintian binutils-mingw-w64-x86-64
)
# The MinGW-w64 cross compiler, GoogleTest's sources to build with it, NSIS
# for the installer, and Wine to run the tests, with the fonts Wine maps the
# window's faces to and the glibc locale sources that the locale tests build.
windows_packages=(
    cmake ninja-build
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 googletest nsis
    wine64 wine fonts-wine fonts-arphic-uming fonts-arphic-ukai locales
)

set_name=${1:-test}
case "$set_name" in
    run) packages=("${run_packages[@]}") ;;
    package) packages=("${package_packages[@]}") ;;
    test) packages=("${test_packages[@]}") ;;
    windows) packages=("${windows_packages[@]}") ;;
    *)
        echo "usage: $0 [run|package|test|windows]" >&2
        exit 2
        ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
# sudo drops the environment, so the frontend is set on apt-get's own line.
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"

#!/bin/sh
# Installs what the build and the tests need on a Debian machine. Safe to run
# again: apt-get skips what is already there.
set -eu

# Qt draws text with fontconfig fonts; without any, the offscreen platform warns.
# lupdate and lrelease come with qttools5-dev-tools; their CMake commands, and
# the Designer and UiTools modules, with qttools5-dev.
packages="cmake ninja-build g++ binutils qtbase5-dev qtbase5-dev-tools qttools5-dev-tools qttools5-dev fonts-dejavu-core"
# Qt 6 is for the second build of the same sources, with the same tools:
# lrelease and lupdate (qt6-l10n-tools), Designer and UiTools (qt6-tools-dev;
# UiTools needs OpenGLWidgets, whose CMake package needs libqt6opengl6-dev).
packages="$packages qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools libqt6opengl6-dev"
# The qmake host of the package test: pkg-config and make (qmake comes with Qt).
packages="$packages pkgconf make"
# The Windows compile check (tests/windows) compiles the module's Windows build
# with MinGW-w64; the posix thread model gives it std::mutex and std::thread.
packages="$packages g++-mingw-w64-x86-64-posix"
# The getter atlas's browser test drives Debian's Chromium through chromedriver.
packages="$packages chromium chromium-driver"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
fi

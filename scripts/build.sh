#!/bin/sh
# Configures and builds into ./build (or $BUILD_DIR); extra CMake options can
# come in $CMAKE_OPTIONS.
set -eu
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
# The scripts hold the code to a warning-free build.
# shellcheck disable=SC2086
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
    -DVEXAROUI_WARNINGS_AS_ERRORS=ON ${CMAKE_OPTIONS:-} >/dev/null
cmake --build "$build"

#!/bin/sh
# Configures and builds one preset of CMakePresets.json: qt5 (the default,
# into ./build), qt6, sanitize or bench. Extra CMake options can come in
# $CMAKE_OPTIONS. The presets hold the code to a warning-free build.
#   scripts/build.sh qt6
set -eu
cd "$(dirname "$0")/.."
preset="${1:-qt5}"
# shellcheck disable=SC2086
cmake --preset "$preset" ${CMAKE_OPTIONS:-} >/dev/null
cmake --build --preset "$preset"

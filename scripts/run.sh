#!/bin/sh
# The main job: set up, build, then load the module as the host does and build
# every form it offers.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "${BUILD_DIR:-build}/bin/vexaro-forms" "$@"

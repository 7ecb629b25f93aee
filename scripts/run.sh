#!/bin/sh
# The main job: set up, build, then render every form with the placeholder
# skin, loading the module as the host does. Extra arguments go to
# vexaro-preview (for example: scripts/run.sh --list).
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh qt5
build=build
if [ "$#" -eq 0 ]; then
    set -- --all --out "$build/preview"
fi
"$build/bin/vexaro-preview" "$@"

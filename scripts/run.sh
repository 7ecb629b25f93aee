#!/bin/sh
# The main job: set up, build, then render every form with the placeholder
# skin, loading the module as the host does, and write the getter atlas
# beside the pictures (build/preview/atlas/). Extra arguments go to
# vexaro-preview instead (for example: scripts/run.sh --list).
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh qt5
build=build
if [ "$#" -eq 0 ]; then
    # The atlas first: the contact sheet links to it when it is there.
    "$build/bin/vexaro-preview" --atlas "$build/preview/atlas"
    set -- --all --out "$build/preview"
fi
"$build/bin/vexaro-preview" "$@"

#!/bin/sh
# Set up, build, and run every test headless: first the normal build, then the
# same suite built with AddressSanitizer (leak checking on) and
# UndefinedBehaviorSanitizer, where any report fails the test that made it.
# VEXARO_SKIP_SANITIZERS=1 runs the normal build only.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build="${BUILD_DIR:-build}"
ctest --test-dir "$build" --output-on-failure -j2
if [ "${VEXARO_SKIP_SANITIZERS:-0}" != 1 ]; then
    BUILD_DIR="$build-sanitize" CMAKE_OPTIONS="${CMAKE_OPTIONS:-} -DVEXAROUI_SANITIZE=address,undefined" \
        scripts/build.sh
    ctest --test-dir "$build-sanitize" --output-on-failure -j2
fi

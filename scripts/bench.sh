#!/bin/sh
# Builds vexaro-bench in an optimised build of its own (./build-bench, or
# $BENCH_BUILD_DIR) and runs it on every form: the tables on stdout, progress
# on stderr. Arguments go to vexaro-bench, for example:
#   scripts/bench.sh --repeat 50 --csv bench.csv
#   scripts/bench.sh --forms NavBar,Setting --scale none --churn 0
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
build="${BENCH_BUILD_DIR:-build-bench}"
# Release whatever the main build is, and never with sanitizers.
# shellcheck disable=SC2086
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEXAROUI_SANITIZE= \
    -DVEXAROUI_BUILD_TESTS=OFF -DVEXAROUI_WARNINGS_AS_ERRORS=ON ${CMAKE_OPTIONS:-} >/dev/null
cmake --build "$build" --target vexaro-bench >&2
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" QT_LOGGING_RULES="${QT_LOGGING_RULES:-qt.qpa.*=false}" \
    "$build/bin/vexaro-bench" "$@"

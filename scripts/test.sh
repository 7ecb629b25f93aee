#!/bin/sh
# Set up, build, and run every test headless, one preset after the other: qt5
# (the normal build), qt6 (the same sources against Qt 6, whose form
# interfaces must match the qt5 build's slot by slot), then sanitize (the Qt 5
# suite under AddressSanitizer with leak checking, and UndefinedBehaviorSanitizer;
# any report fails the test that made it).
# VEXARO_SKIP_QT6=1 and VEXARO_SKIP_SANITIZERS=1 leave out those runs.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
presets=qt5
[ "${VEXARO_SKIP_QT6:-0}" = 1 ] || presets="$presets qt6"
[ "${VEXARO_SKIP_SANITIZERS:-0}" = 1 ] || presets="$presets sanitize"
for preset in $presets; do
    scripts/build.sh "$preset"
    ctest --preset "$preset"
done

#!/bin/sh
# Rewrites the form snapshots in tests/data/snapshots/ from the forms as the
# module builds them now: first with Qt 5, then with Qt 6, keeping a Qt 6 file
# in tests/data/snapshots/qt6/ only for a form that Qt 6 shows differently.
# Run it after an intended change, then review the change with git diff before
# committing it. VEXARO_SKIP_QT6=1 rewrites the Qt 5 snapshots only.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh qt5
build=build
snapshots=tests/data/snapshots
rm -f "$snapshots"/*.txt
QT_QPA_PLATFORM=offscreen "$build/bin/vexaro-preview" --dump --all --out "$snapshots"
if [ "${VEXARO_SKIP_QT6:-0}" != 1 ]; then
    scripts/build.sh qt6
    qt6="$(mktemp -d)"
    trap 'rm -rf "$qt6"' EXIT
    QT_QPA_PLATFORM=offscreen "$build-qt6/bin/vexaro-preview" --dump --all --out "$qt6"
    rm -f "$snapshots"/qt6/*.txt
    mkdir -p "$snapshots/qt6"
    for file in "$qt6"/*.txt; do
        cmp -s "$file" "$snapshots/$(basename "$file")" || cp "$file" "$snapshots/qt6/"
    done
fi
git --no-pager diff --stat -- "$snapshots" 2>/dev/null || true

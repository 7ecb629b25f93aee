#!/bin/sh
# Rewrites the form snapshots in tests/data/snapshots/ from the forms as the
# module builds them now. Run it after an intended change, then review the
# change with git diff before committing it.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build="${BUILD_DIR:-build}"
rm -f tests/data/snapshots/*.txt
QT_QPA_PLATFORM=offscreen "$build/bin/vexaro-preview" --dump --all --out tests/data/snapshots
git --no-pager diff --stat -- tests/data/snapshots 2>/dev/null || true

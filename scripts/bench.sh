#!/bin/sh
# Builds vexaro-bench with the bench preset (an optimised build of its own in
# ./build-bench, never with sanitizers) and runs it on every form: the tables
# on stdout, progress on stderr. Arguments go to vexaro-bench, for example:
#   scripts/bench.sh --repeat 50 --csv bench.csv
#   scripts/bench.sh --forms NavBar,Setting --scale none --churn 0
# With --update-docs first, the run (--repeat 30 unless other arguments are
# given) replaces the measured part of docs/performance.md instead; measure on
# an otherwise idle machine.
set -eu
cd "$(dirname "$0")/.."
update_docs=0
if [ "${1:-}" = --update-docs ]; then
    update_docs=1
    shift
    [ "$#" -gt 0 ] || set -- --repeat 30
fi
scripts/setup.sh
scripts/build.sh bench >&2
bench() {
    QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" QT_LOGGING_RULES="${QT_LOGGING_RULES:-qt.qpa.*=false}" \
        build-bench/bin/vexaro-bench "$@"
}
if [ "$update_docs" = 0 ]; then
    bench "$@"
    exit
fi
doc=docs/performance.md
report="$(mktemp)"
trap 'rm -f "$report" "$report.md"' EXIT
bench "$@" >"$report"
# Everything between the two markers is the benchmark's own report, one
# heading level down.
awk -v report="$report" '
    /^<!-- vexaro-bench report begins/ { print; while ((getline line < report) > 0) print (line ~ /^#/ ? "#" line : line); skip = 1; next }
    /^<!-- vexaro-bench report ends/ { skip = 0 }
    !skip { print }
' "$doc" >"$report.md"
grep -q '^<!-- vexaro-bench report ends' "$report.md" || { echo "bench.sh: $doc lacks its report markers" >&2; exit 1; }
cat "$report.md" >"$doc"
echo "bench.sh: $doc rewritten; review it with git diff" >&2

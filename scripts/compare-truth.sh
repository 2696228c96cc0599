#!/usr/bin/env bash
# Scores our PDF export against Microsoft Visio's own renderings of the same
# drawings (../shared/fixtures/truth) and prints the mean and the five worst.
# Not a test: a measure to read before and after a change to what is drawn.
# Usage: scripts/compare-truth.sh [BUILD_DIR] [--show DIR] [--exporter PROGRAM]
#   --show DIR       side-by-side pictures (Visio left, ours right) of the worst pages
#   --exporter PROG  score another exporter (PROG DRAWING OUT.pdf) instead of ours
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
show=()
exporter=""
while [ $# -gt 0 ]; do
    case "$1" in
        --show) show=(--show "$2"); shift 2 ;;
        --exporter) exporter="$2"; shift 2 ;;
        *) build="$1"; shift ;;
    esac
done

truth=../shared/fixtures/truth
compare=../shared/tools/visual-compare
[ -n "$exporter" ] || exporter="$build/tools/export/plandraw-export"
for need in "$truth/drawings" "$truth/visio-pdf" "$compare" "$exporter"; do
    if [ ! -e "$need" ]; then
        echo "compare-truth: $need is missing" >&2
        exit 2
    fi
done

out="$(mktemp)"
trap 'rm -f "$out"' EXIT
"$compare" "$exporter" "$truth/drawings" "$truth/visio-pdf" --fit "${show[@]}" | tee "$out"
echo
echo "Worst five:"
grep -v '^files=' "$out" | sed -E 's/^(\S+)\s+(score|FAILED)\s*([0-9.]*).*/\3 \1 \2/' \
    | awk '{ s = ($3 == "FAILED") ? "0.000" : $1; print s, $2 }' | sort -n | head -5
grep '^files=' "$out"

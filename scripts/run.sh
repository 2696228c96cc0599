#!/usr/bin/env bash
# Builds the program and runs it on the sample drawing; installs missing
# packages first. For now the program is the call-trace tool: it prints what
# libvisio reports and leaves the full trace in build/plandraw-sample.trace.txt.
# Usage: scripts/run.sh [DRAWING]
set -euo pipefail
cd "$(dirname "$0")/.."

drawing="${1:-samples/plandraw-sample.vdx}"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" --target plandraw-trace
trace=build/plandraw-sample.trace.txt
rm -f "$trace"
# Trace lines go to stderr as well; show only the summary and any failure.
build/tools/trace/plandraw-trace "$drawing" "$trace" 2>&1 \
    | awk '/=== 解析统计 ===/ { on = 1 } on || /^plandraw-trace:/ || /^usage:/'
echo "Full trace: $trace"

#!/usr/bin/env bash
# Builds everything and runs every test; installs missing packages first.
# Usage: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs="$(nproc)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$jobs"
# The last lines are CTest's own summary.
ctest --test-dir build --output-on-failure --no-tests=error --parallel "$jobs"

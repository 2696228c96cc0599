#!/usr/bin/env bash
# Builds everything and runs every test. Usage: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"

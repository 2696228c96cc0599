#!/usr/bin/env bash
# Builds the viewer and opens it on the sample drawing, or on the drawings
# given as arguments. Installs missing packages first. Without a display it
# says so and converts the drawings to PDF with plandraw-export instead.
# Usage: scripts/run.sh [DRAWING...]
set -euo pipefail

# Drawings given by the user are relative to where they ran the script, not
# to the repository: make them absolute before moving there.
drawings=()
for drawing in "$@"; do
    drawings+=("$(realpath -m -- "$drawing")")
done
cd "$(dirname "$0")/.."
if [ ${#drawings[@]} -eq 0 ]; then
    drawings=("$PWD/samples/plandraw-sample.vdx")
fi

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): converting to PDF instead of opening the viewer."
    cmake --build build --parallel "$(nproc)" --target plandraw-export
    for drawing in "${drawings[@]}"; do
        name="$(basename "$drawing")"
        out="build/${name%.*}.pdf"
        build/tools/export/plandraw-export "$drawing" "$out"
        echo "PDF written to $(realpath "$out")"
    done
    exit 0
fi

cmake --build build --parallel "$(nproc)" --target plandraw
exec build/src/app/plandraw "${drawings[@]}"

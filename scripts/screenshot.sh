#!/usr/bin/env bash
# Makes the README's picture of the viewer, docs/screenshot.png: the sample
# drawing open in a window on a virtual X server, with the page thumbnails
# shown and the page zoomed out to fit. Installs missing packages and builds
# the viewer first.
# Usage: scripts/screenshot.sh [OUTPUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."

out="${1:-docs/screenshot.png}"
scripts/install-deps.sh --screenshot
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" --target plandraw

scratch="$(mktemp -d)"
xvfb_pid=""
viewer_pid=""
cleanup() {
    [ -n "$viewer_pid" ] && kill "$viewer_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to the given descriptor.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$scratch/display")"

# A home of its own: no settings, bookmarks or running viewer of the user's,
# and the interface in English.
home="$scratch/home"
mkdir -p "$home"
env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_STATE_HOME="$home/.local/state" \
    XDG_CACHE_HOME="$home/.cache" XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$scratch" \
    LANGUAGE= LC_ALL=C.UTF-8 build/src/app/plandraw samples/plandraw-sample.vdx >/dev/null 2>&1 &
viewer_pid=$!

window="$(xdotool search --sync --onlyvisible --class BramwickPlandraw | head -n 1)"
sleep 2
xdotool windowfocus --sync "$window"
# The side panel of page thumbnails, and the page zoomed out to show all of it.
xdotool key F9 ctrl+minus ctrl+minus
sleep 2
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "$out"

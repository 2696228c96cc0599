#!/usr/bin/env bash
# Builds the Debian package of the viewer and its tools, with their desktop
# files and manual pages: build/package/plandraw_VERSION_ARCH.deb. Installs
# missing packages first and ends with lintian's verdict on the package.
# Usage: scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)"
rm -f build/package/plandraw_*.deb
(cd build && cpack -G DEB --config CPackConfig.cmake >/dev/null)
deb="$(ls build/package/plandraw_*.deb)"
# Errors and warnings fail the script; the informational tags are listed.
lintian --info --fail-on error,warning "$deb"
echo "$deb"

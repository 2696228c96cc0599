#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the viewer need.
# Safe to run again: packages that are already there are skipped.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libgl-dev libvisio-dev librevenge-dev libemf2svg-dev libspdlog-dev
    fonts-liberation2 fonts-dejavu-core
    poppler-utils
)
if [ "${1:-}" = "--gui" ]; then
    packages+=(xvfb xauth)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

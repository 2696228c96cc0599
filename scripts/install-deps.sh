#!/usr/bin/env bash
# Installs the Debian 12 packages that the build, the tests and the program need.
# Safe to run again: packages that are already installed are skipped, and
# nothing is downloaded when everything is there.
# Usage: scripts/install-deps.sh [--gui] [--fuzz]
#   --gui adds a virtual X server, --fuzz clang with libFuzzer and the sanitizer runtimes
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libgl-dev libvisio-dev librevenge-dev libemf2svg-dev libuemf-dev libspdlog-dev libzip-dev
    qt6-translations-l10n
    fonts-liberation2 fonts-dejavu-core
    fonts-crosextra-carlito fonts-crosextra-caladea fonts-noto-cjk
    poppler-utils
)
for option in "$@"; do
    case "$option" in
        --gui) packages+=(xvfb xauth) ;;
        --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    esac
done

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
    echo "install-deps: this script needs Debian's dpkg and apt-get (Debian 12)." >&2
    exit 1
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

# Root (as in CI) needs no sudo, and a fresh machine may not even have it.
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "install-deps: missing packages: ${missing[*]}" >&2
        echo "install-deps: run this script as root or install sudo first." >&2
        exit 1
    fi
    as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
# env passes the variable through sudo, which would otherwise drop it.
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"

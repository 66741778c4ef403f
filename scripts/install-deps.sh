#!/usr/bin/env bash
# Installs the Debian packages that building and testing Brushly need, if any is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache zlib1g-dev
    clang libclang-rt-14-dev clang-format
    qt6-base-dev libgl-dev libpugixml-dev nlohmann-json3-dev
    kanjidic-xml edict fonts-ipafont-mincho nodejs
    libgtest-dev libgmock-dev libbenchmark-dev
    appstream desktop-file-utils shared-mime-info libglib2.0-bin dpkg-dev xvfb xdotool
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
# Some Node.js builds bring npm along; Debian's own is a package of its own.
command -v npm >/dev/null 2>&1 || missing+=(npm)
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

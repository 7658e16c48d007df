#!/usr/bin/env bash
# Installs what MIRANDEL needs from Debian 12's packages (only what is missing), then
# configures and builds the given preset (dev, release or asan). Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-release}"
packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-pdf-dev libgl-dev
          fonts-liberation2 xvfb xauth)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"

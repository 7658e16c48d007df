#!/usr/bin/env bash
# Installs what MIRANDEL needs from Debian 12's packages (only what is missing), then
# configures and builds the given preset (dev, release or asan). Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-release}"
packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-pdf-dev libgl-dev
          fonts-liberation2 xvfb xauth)

scripts/install-packages.sh "${packages[@]}"

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"

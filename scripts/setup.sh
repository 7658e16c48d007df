#!/usr/bin/env bash
# Installs what MIRANDEL needs from Debian 12's packages (only what is missing), then
# configures and builds the given preset (dev, release or asan), all of it or only the
# given targets:
#   scripts/setup.sh [preset] [target...]
# Safe to run again. "scripts/setup.sh --packages" prints the packages, one a line.
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-release}"
shift || true
packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-pdf-dev libgl-dev
          fonts-liberation2 xvfb xauth)

if [ "$preset" = --packages ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

scripts/install-packages.sh "${packages[@]}"

cmake --preset "$preset" >/dev/null
if (($#)); then
    cmake --build --preset "$preset" --target "$@"
else
    cmake --build --preset "$preset"
fi

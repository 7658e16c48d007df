#!/usr/bin/env bash
# Builds the Debian package of MIRANDEL: sets up and builds in Release (scripts/setup.sh),
# then lets CPack lay out the installed tree and declare the dependencies that
# dpkg-shlibdeps finds. The package lands in build/package/.
set -euo pipefail
cd "$(dirname "$0")/.."

tools=(dpkg-dev file)
scripts/install-packages.sh "${tools[@]}"

scripts/setup.sh release
cpack --config build/release/CPackConfig.cmake -B build/package
ls build/package/mirandel_*.deb

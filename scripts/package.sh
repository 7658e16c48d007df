#!/usr/bin/env bash
# Builds the Debian package of MIRANDEL: sets up and builds in Release (scripts/setup.sh),
# then lets CPack lay out the installed tree and declare the dependencies that
# dpkg-shlibdeps finds. The package lands in build/package/.
set -euo pipefail
cd "$(dirname "$0")/.."

tools=(dpkg-dev file)
missing=()
for p in "${tools[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

scripts/setup.sh release
cpack --config build/release/CPackConfig.cmake -B build/package
ls build/package/mirandel_*.deb

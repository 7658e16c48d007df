#!/usr/bin/env bash
# Installs the given Debian packages that are not installed yet (apt-get, as root or
# through sudo, never asking a question). Installs nothing when all are there, so it is
# safe to run again.
set -euo pipefail

missing=()
for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    # sudo resets the environment: the frontend setting goes through env on its far side.
    apt=(env DEBIAN_FRONTEND=noninteractive apt-get)
    [ "$(id -u)" -ne 0 ] && apt=(sudo "${apt[@]}")
    "${apt[@]}" update -qq
    "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
fi

#!/usr/bin/env bash
# Sets up, builds in Release and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh release
exec build/release/src/app/mirandel

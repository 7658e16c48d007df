#!/usr/bin/env bash
# Sets up, builds the program in Release (only the program: no test or benchmark) and
# starts it. Safe to run again: a second run builds nothing and starts it at once.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh release mirandel
exec build/release/src/app/mirandel "$@"

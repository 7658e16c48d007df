#!/usr/bin/env bash
# Builds the Release preset and runs every benchmark: start-up against the floor program
# under a private X server (Xvfb), the keystroke, the largest listings, the atmosphere and
# the flight-time ledger. Figures only; nothing here passes or fails on time.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh release
bench=build/release/bench
export QT_QPA_PLATFORM=offscreen

echo "=== start-up against the floor (Xvfb) ==="
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$bench/startup/bench_startup" "${1:-21}"
echo "=== keystroke ==="
"$bench/workbench/bench_workbench" | grep keystroke
echo "=== largest listings ==="
"$bench/listing/bench_listings"
"$bench/listing/bench_listing"
echo "=== standard atmosphere ==="
"$bench/atmosphere/bench_atmosphere"
echo "=== flight-time ledger ==="
"$bench/flying_hours/bench_ledger"

#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: first the normal build (warnings are
# errors), then the same suite under AddressSanitizer and UndefinedBehaviorSanitizer, then
# each fuzz target for 60 seconds (scripts/fuzz.sh). Every GUI test runs twice, with a "."
# and with a "," decimal separator. MIRANDEL_TEST_STAGES picks stages (default all three).
set -euo pipefail
cd "$(dirname "$0")/.."

# The print test runs a private CUPS server with a cups-pdf printer.
scripts/install-packages.sh cups printer-driver-cups-pdf poppler-utils

stages="${MIRANDEL_TEST_STAGES:-dev asan fuzz}"
# The printed-table checks read PDF files with pdftotext and print RTF files with LibreOffice.
scripts/install-packages.sh poppler-utils libreoffice-writer-nogui
for preset in $stages; do
    if [ "$preset" = fuzz ]; then
        echo "=== fuzz targets ==="
        scripts/fuzz.sh 60
        continue
    fi
    echo "=== $preset build ==="
    scripts/setup.sh "$preset"
    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --preset "$preset" --output-on-failure -j2
done

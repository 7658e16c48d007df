#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite in stages: "dev", the normal build
# (warnings are errors); "asan", the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer; "fuzz", each fuzz target for 60 seconds (scripts/fuzz.sh).
# Every GUI test runs twice, with a "." and with a "," decimal separator.
# MIRANDEL_TEST_STAGES picks stages (default "dev asan fuzz"). Every stage runs even when
# an earlier one failed; the end prints one verdict line per stage, and the exit status is
# non-zero when any stage failed. Safe to run again.
set -uo pipefail
cd "$(dirname "$0")/.."

stages="${MIRANDEL_TEST_STAGES:-dev asan fuzz}"

# Everything the stages install, in one go: the build (scripts/setup.sh), the print test
# (a private CUPS server with a cups-pdf printer), the printed-table checks (pdftotext,
# LibreOffice for the RTF files) and, with the fuzz stage, clang and libFuzzer.
mapfile -t packages < <(scripts/setup.sh --packages)
packages+=(cups printer-driver-cups-pdf poppler-utils libreoffice-writer-nogui)
[[ " $stages " == *" fuzz "* ]] && packages+=(clang-14 libclang-rt-14-dev)
if ! scripts/install-packages.sh "${packages[@]}"; then
    echo "stage packages: failed (apt-get could not install: ${packages[*]})"
    exit 1
fi

# One line per stage: how it builds and runs, with its tests' environment.
stage_dev() { scripts/setup.sh dev && ctest --preset dev --output-on-failure -j2; }
stage_asan() { scripts/setup.sh asan && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --preset asan --output-on-failure -j2; }
stage_fuzz() { scripts/fuzz.sh 60; }

# The tests a stage's ctest run skipped, counted by test function and reason, e.g. those
# that need a mount namespace of their own: "4 x TestFileFaults::check (the reason)".
skipped_in() {
    local log="build/$1/Testing/Temporary/LastTest.log"
    [ -f "$log" ] || return 0
    sed -n 's/^SKIP *: \([^(]*\)([^)]*) \(.*\)$/\1 (\2)/p' "$log" | sort | uniq -c |
        sed 's/^ *\([0-9]*\) /\1 x /'
}

verdicts=()
failed=0
for stage in $stages; do
    echo "=== stage $stage ==="
    start=$SECONDS
    if declare -F "stage_$stage" >/dev/null && "stage_$stage"; then
        result=passed
    else
        result=failed
        failed=1
    fi
    took=$((SECONDS - start))
    line="stage $stage: $result ($((took / 60)) min $((took % 60)) s)"
    declare -F "stage_$stage" >/dev/null || line="stage $stage: failed (no such stage; the stages are dev asan fuzz)"
    if [ "$stage" != fuzz ]; then
        mapfile -t skips < <(skipped_in "$stage")
        ((${#skips[@]})) && line+="; skipped: $(printf '%s; ' "${skips[@]}" | sed 's/; $//')"
    fi
    verdicts+=("$line")
done

echo "=== verdicts ==="
printf '%s\n' "${verdicts[@]}"
exit "$failed"

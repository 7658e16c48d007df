#!/usr/bin/env bash
# Builds the libFuzzer targets (the "fuzz" preset: clang with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds (default 60):
#   scripts/fuzz.sh [seconds]
# Each target starts from a copy of its seeds and kept inputs (tests/fuzz/corpus/<name>,
# tests/fuzz/regressions/<name>) in build/fuzz/corpus/<name>, so the committed corpus never
# grows. Prints the executions per target; a crash, hang or memory blow-up fails the run and
# leaves the input in build/fuzz/crashes/<name>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
targets=(number integer rtf listingdocument)

scripts/install-packages.sh clang-14 libclang-rt-14-dev cmake ninja-build qt6-base-dev libgl-dev

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

failed=()
summary=()
for name in "${targets[@]}"; do
    fuzzer="build/fuzz/tests/fuzz/fuzz_$name"
    corpus="build/fuzz/corpus/$name"
    crashes="build/fuzz/crashes/$name"
    log="build/fuzz/logs/$name.log"
    rm -rf "$corpus" "$crashes"
    mkdir -p "$corpus" "$crashes" "$(dirname "$log")"
    # Seeds and kept inputs, without the placeholder files that keep empty folders in git.
    find "tests/fuzz/corpus/$name" "tests/fuzz/regressions/$name" -type f ! -name '.*' \
        -exec cp {} "$corpus/" \;

    echo "=== fuzz_$name: ${seconds} s ==="
    status=0
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$crashes/" "$corpus" >"$log" 2>&1 || status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [ "$status" -eq 0 ]; then
        summary+=("$(printf '%-16s %12s executions in %s s' "$name" "${executions:-?}" "$seconds")")
    else
        summary+=("$(printf '%-16s %12s executions, then a fault' "$name" "${executions:-?}")")
        failed+=("$name")
        grep -E -B1 'property does not hold|runtime error|ERROR: ' "$log" | head -n 20 || true
        echo "fuzz_$name failed (exit $status); its output is in $log."
        for input in "$crashes"/*; do
            [ -e "$input" ] || continue
            echo "The failing input is saved as $input."
            echo "Copy it into tests/fuzz/regressions/$name/ under a name that tells the fault,"
            echo "so every build replays it (ctest -R fuzz_$name), and mend the fault."
        done
    fi
done

echo "=== executions per target ==="
printf '%s\n' "${summary[@]}"
if ((${#failed[@]})); then
    echo "Faults found by: ${failed[*]}"
    exit 1
fi
echo "No crash, hang or failed property."

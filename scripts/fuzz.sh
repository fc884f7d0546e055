#!/usr/bin/env bash
# Builds the data-file fuzzer natively (clang, libFuzzer, address and undefined-behaviour
# sanitizers) in build/fuzz and runs it over the committed seeds in fuzz/corpus plus its
# own growing corpus in build/fuzz/corpus. Exits non-zero on a finding.
# Usage: scripts/fuzz.sh [--smoke] [seconds]   (default 300 seconds; --smoke: 30)
# To rewrite the committed seeds: build/fuzz/data_files_seeds fuzz/corpus
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

seconds=300
if [ "${1:-}" = "--smoke" ]; then
    seconds=30
    shift
fi
seconds="${1:-$seconds}"

compiler="$(command -v clang++-14 || command -v clang++)"
cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER="$compiler" >/dev/null
cmake --build build/fuzz

# The seed maker saves and reloads real files with the portable file store first.
mkdir -p build/fuzz/corpus build/fuzz/findings
build/fuzz/data_files_seeds build/fuzz/corpus

log="build/fuzz/last-run.log"
status=0
build/fuzz/data_files_fuzzer -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/fuzz/findings/ build/fuzz/corpus fuzz/corpus >"$log" 2>&1 || status=$?
runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    echo "data files fuzzer: FINDING after ${runs:-?} executions (see build/fuzz/findings/)" >&2
    exit "$status"
fi
echo "data files fuzzer: ${runs:-?} executions in ${seconds} s without a finding"

#!/usr/bin/env bash
# Builds the data-file, progress-file, players-file, window-file, language-file and catalogue
# fuzzers through the native preset with clang (libFuzzer, address and undefined-behaviour
# sanitizers) in build/fuzz and runs each over its committed seeds (fuzz/corpus,
# fuzz/progress-corpus, fuzz/players-corpus, fuzz/window-corpus, fuzz/language-corpus,
# fuzz/catalogue-corpus) plus its own growing corpus in build/fuzz.
# Exits non-zero on a finding.
# Usage: scripts/fuzz.sh [--smoke] [seconds]   (each fuzzer runs the seconds given, default
# 300; --smoke: 15 each)
# To rewrite the committed seeds: build/fuzz/fuzz/data_files_seeds fuzz/corpus fuzz/progress-corpus \
#   fuzz/players-corpus
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

seconds=300
if [ "${1:-}" = "--smoke" ]; then
    seconds=15
    shift
fi
seconds="${1:-$seconds}"

# The native preset's libraries and sanitizers, built by clang (which brings libFuzzer) at
# -O1 for speed.
compiler="$(command -v clang++-14 || command -v clang++)"
# A build/fuzz left by the former stand-alone fuzz project is configured afresh.
if grep -qs '^CMAKE_HOME_DIRECTORY:INTERNAL=.*/fuzz$' build/fuzz/CMakeCache.txt; then
    rm -rf build/fuzz/CMakeCache.txt build/fuzz/CMakeFiles
fi
cmake --preset native -B build/fuzz -DCMAKE_CXX_COMPILER="$compiler" \
    -DCMAKE_C_COMPILER="${compiler/clang++/clang}" -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" >/dev/null
cmake --build build/fuzz --target data_files_fuzzer progress_file_fuzzer players_file_fuzzer \
    window_file_fuzzer language_file_fuzzer catalogue_fuzzer data_files_seeds
bin=build/fuzz/fuzz

# The seed maker saves and reloads real files with the portable file store first.
mkdir -p build/fuzz/corpus build/fuzz/progress-corpus build/fuzz/players-corpus \
    build/fuzz/window-corpus build/fuzz/language-corpus build/fuzz/catalogue-corpus \
    build/fuzz/findings
"$bin/data_files_seeds" build/fuzz/corpus build/fuzz/progress-corpus build/fuzz/players-corpus

# Runs one fuzzer: name, what it reports as, its build corpus, its committed seeds, then
# any further libFuzzer options.
run_fuzzer() {
    local name="$1" label="$2" corpus="$3" seeds="$4"
    shift 4
    local log="build/fuzz/$name.log" status=0 runs
    "$bin/$name" -max_total_time="$seconds" -print_final_stats=1 "$@" \
        -artifact_prefix="build/fuzz/findings/$name-" "$corpus" "$seeds" >"$log" 2>&1 ||
        status=$?
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log"
        echo "$label: FINDING after ${runs:-?} executions (see build/fuzz/findings/)" >&2
        exit "$status"
    fi
    echo "$label: ${runs:-?} executions in ${seconds} s without a finding"
}

run_fuzzer data_files_fuzzer "data files fuzzer" build/fuzz/corpus fuzz/corpus
# A history filled to its fact bound takes far longer per run than any other input; weighing
# inputs by their run time keeps those from taking most of the time (some 60 times more
# runs, and more coverage, in a minute).
run_fuzzer progress_file_fuzzer "progress file fuzzer" build/fuzz/progress-corpus \
    fuzz/progress-corpus -entropic_scale_per_exec_time=1
run_fuzzer players_file_fuzzer "players file fuzzer" build/fuzz/players-corpus fuzz/players-corpus
run_fuzzer window_file_fuzzer "window file fuzzer" build/fuzz/window-corpus fuzz/window-corpus
run_fuzzer language_file_fuzzer "language file fuzzer" build/fuzz/language-corpus \
    fuzz/language-corpus
run_fuzzer catalogue_fuzzer "catalogue fuzzer" build/fuzz/catalogue-corpus fuzz/catalogue-corpus

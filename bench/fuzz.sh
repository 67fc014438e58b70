#!/usr/bin/env bash
# Fuzzing (not a test): the move-file reader and loading a record from any
# settings text, each under libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer. Builds into build-fuzz/ with clang.
# Usage: bash bench/fuzz.sh [RUNS]   (default 1000000 inputs per target)
# New inputs that widen coverage are kept in tests/fuzz/corpus/<target>/,
# which the ordinary test run replays.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
runs=${1:-1000000}
ensure_packages "${PACKAGES[@]}" clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVASPO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
for target in move_file record; do
  work=$(mktemp -d)
  echo "== fuzz_$target: $runs inputs"
  start=$(date +%s)
  # The work corpus takes what the fuzzer finds; the kept one is merged back small.
  build-fuzz/tests/fuzz/fuzz_$target -runs="$runs" -max_len=2048 -print_final_stats=1 \
    "$work" "tests/fuzz/corpus/$target" 2>&1 | grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|Done|==[0-9]+==ERROR|SUMMARY)" || true
  status=${PIPESTATUS[0]}
  echo "   exit status $status, $(( $(date +%s) - start )) s"
  build-fuzz/tests/fuzz/fuzz_$target -merge=1 "tests/fuzz/corpus/$target" "$work" >/dev/null 2>&1 || true
  rm -rf "$work"
  (( status == 0 )) || exit "$status"
done

#!/usr/bin/env bash
# Robustness checks; test.sh runs them after the tests of build/ and before
# the package test (scripts/setup.sh --test has installed clang-14 and its
# runtime libraries, and strace). docs/robustness.md says what they check.
#
#  1. The sanitizer build, build-asan/ (-DSOLAR_SANITIZE=ON: AddressSanitizer,
#     UndefinedBehaviorSanitizer and, at exit, LeakSanitizer; with Qt): its
#     ctest (unit tests, scenarios, random use from seeds 1-20, the corpus
#     replays, the Qt front-end tests and the walk through the real window),
#     then random use from seeds 21-40, 1000 actions each. Any report fails.
#  2. The fuzz targets of tests/fuzz, built with clang in build-fuzz/
#     (-DSOLAR_FUZZ=ON), each run for 30 s (SOLAR_FUZZ_SECONDS) from a copy of
#     its committed corpus in a temporary directory. Any finding fails; its
#     input is kept in build-fuzz/findings/.
# The test that the program writes no file and opens no internet socket
# (tests/robustness, under strace) runs in both builds' ctest.
#
# Usage: scripts/robustness.sh [--sanitize-only | --fuzz-only]
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
fuzz_seconds=${SOLAR_FUZZ_SECONDS:-30}
what=${1:-all}

# a leak, an out-of-bounds access or undefined behaviour ends the program with a report
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

if [ "$what" != --fuzz-only ]; then
  echo "== sanitizer build (build-asan)"
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLAR_SANITIZE=ON -DSOLAR_BUILD_QT=ON >/dev/null
  cmake --build build-asan -j"$jobs"
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
  build-asan/tools/randomuse/random-use --seeds 21-40 --steps 1000
fi

if [ "$what" != --sanitize-only ]; then
  echo "== fuzz targets (build-fuzz, clang)"
  cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLAR_FUZZ=ON \
    -DSOLAR_BUILD_QT=OFF -DBUILD_TESTING=OFF >/dev/null
  targets=(values formscript_parse formscript_run)
  cmake --build build-fuzz -j"$jobs" --target "${targets[@]/#/fuzz_}"
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  failed=0
  for t in "${targets[@]}"; do
    echo "-- fuzz_$t, ${fuzz_seconds} s from tests/fuzz/corpus/$t"
    mkdir -p "$scratch/$t/corpus" "$scratch/$t/findings"
    cp -R "tests/fuzz/corpus/$t/." "$scratch/$t/corpus/"
    if ! "build-fuzz/tests/fuzz/fuzz_$t" -max_total_time="$fuzz_seconds" -timeout=20 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$scratch/$t/findings/" "$scratch/$t/corpus" >"$scratch/$t/log" 2>&1; then
      failed=1
      tail -n 60 "$scratch/$t/log"
      mkdir -p build-fuzz/findings
      cp "$scratch/$t/findings/"* build-fuzz/findings/ 2>/dev/null || true
      echo "FAILED: fuzz_$t found a fault; its input is in build-fuzz/findings/"
    else
      grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$scratch/$t/log" || true
    fi
  done
  [ "$failed" -eq 0 ] || exit 1
fi
echo "== robustness checks passed"

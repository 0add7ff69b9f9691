#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test, then the sanitizer
# and fuzz checks, then checks that the Debian package installs and starts on
# this machine (and removes it again), and last that the code is formatted
# and clang-tidy clean.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --test
ctest --test-dir build --output-on-failure -j"$(nproc)"
# sanitizers (build-asan), random use and the fuzz targets (build-fuzz, clang)
scripts/robustness.sh
# the Debian package: built, installed on this machine, started, removed again
tests/package/install_test.sh build
# formatting and clang-tidy over the program's own code
scripts/lint.sh

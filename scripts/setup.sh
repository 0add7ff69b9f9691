#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs (only those missing),
# then configures and builds into build/. Used by start.sh and test.sh;
# with --test (test.sh) also the packages only the checks need.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ make cmake pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth fonts-wqy-microhei fonts-dejavu-core imagemagick poppler-utils
          dpkg-dev file x11-utils desktop-file-utils appstream)
# scripts/lint.sh: clang-format-14 and clang-tidy-14 (with run-clang-tidy-14);
# scripts/robustness.sh: clang++-14 with its sanitizer and libFuzzer runtimes;
# the no-file, no-network test (tests/robustness): strace; the locale sources
# from which a test makes a locale with a decimal comma
test_packages=(clang-format clang-tidy clang-14 libclang-rt-14-dev strace locales)
if [ "${1:-}" = "--test" ]; then packages+=("${test_packages[@]}"); fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing missing packages: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  # the package lists of a fresh machine may be empty or stale
  $sudo apt-get install -y --no-install-recommends "${missing[@]}" ||
    { $sudo apt-get update && $sudo apt-get install -y --no-install-recommends "${missing[@]}"; }
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"

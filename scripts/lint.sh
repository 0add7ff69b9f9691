#!/usr/bin/env bash
# Checks the program's own code and fails on any finding:
#  - every tracked .cpp/.h is formatted as .clang-format says (nothing is
#    rewritten: clang-format-14 -i FILE does that);
#  - clang-tidy finds nothing with the checks of .clang-tidy in model/,
#    screens/, shell/, tools/, tests/ and bench/.
#
#   scripts/lint.sh                  both checks
#   scripts/lint.sh --format         only the formatting
#   scripts/lint.sh --tidy [FILE...] only clang-tidy (on these files, with the
#                                    full diagnostics)
#   scripts/lint.sh --analyzer       clang-tidy with the static analyzer added
#                                    (slow; for a run by hand)
#
# clang-tidy needs the compile commands, not a build: the script configures
# build-lint/ (a few seconds) with every optional part on, benchmarks
# included. Qt's generated sources there are not checked. Uses clang-format-14
# and clang-tidy-14 of Debian 12, two jobs at a time (LINT_JOBS to change).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

format=1 tidy=1 extra_checks=""
case "${1:-}" in
  --format) tidy=0; shift ;;
  --tidy) format=0; shift ;;
  --analyzer) format=0; extra_checks="clang-analyzer-*"; shift ;;
esac
jobs=${LINT_JOBS:-2}
dirs='model|screens|shell|tools|tests|bench'
status=0

if ((format)); then
  echo "lint: clang-format"
  mapfile -t sources < <(git ls-files -- '*.cpp' '*.h')
  out=$(mktemp)
  if ! clang-format-14 --dry-run -Werror "${sources[@]}" 2>"$out"; then
    echo "lint: not formatted as .clang-format says (clang-format-14 --dry-run FILE shows where):" >&2
    grep -oE '^[^ :]+:[0-9]+:[0-9]+: error:' "$out" | cut -d: -f1 | sort | uniq -c |
      sed "s|$root/||; s|^ *\([0-9]*\) \(.*\)|  \2 (\1)|" >&2
    status=1
  fi
  rm -f "$out"
fi

if ((tidy)); then
  echo "lint: clang-tidy"
  cmake -S . -B build-lint -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
        -DSOLAR_BUILD_QT=ON -DSOLAR_BUILD_BENCH=ON -DBUILD_TESTING=ON >/dev/null
  files=("^$root/($dirs)/")
  if (($#)); then
    files=()
    for f in "$@"; do files+=("^$(realpath "$f")\$"); done
  fi
  checks=()
  [ -n "$extra_checks" ] && checks=(-checks="$extra_checks")
  out=$(mktemp)
  # .clang-tidy makes every finding an error, so run-clang-tidy-14 fails on
  # one; it colours its output and repeats a header's findings for every
  # file that includes the header
  failed=0
  run-clang-tidy-14 -p build-lint -j"$jobs" -quiet "${checks[@]}" \
    -header-filter="^$root/($dirs)/" "${files[@]}" 2>&1 | sed 's/\x1b\[[0-9;]*m//g' >"$out" || failed=1
  findings='^[^ ]+:[0-9]+:[0-9]+: (warning|error):'
  if grep -qE "$findings" "$out"; then
    if (($#)); then
      grep -v '^clang-tidy-14 ' "$out" >&2
    else
      grep -E "$findings" "$out" | sort -u | sed "s|^$root/||" >&2
      echo "lint: clang-tidy findings above (the full diagnostics: scripts/lint.sh --tidy FILE)" >&2
    fi
    status=1
  elif ! grep -q '^clang-tidy-14 ' "$out"; then
    cat "$out" >&2
    echo "lint: clang-tidy checked no file" >&2
    status=1
  elif ((failed)); then
    cat "$out" >&2   # clang-tidy itself failed
    status=1
  fi
  rm -f "$out"
fi

if ((status == 0)); then echo "lint: clean"; fi
exit "$status"

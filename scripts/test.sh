#!/usr/bin/env bash
# Builds with warnings as errors and runs the whole test suite, then again
# under address and undefined-behaviour sanitizers, and checks the format.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# Bounded fuzzing of the parsers of outside input.
echo "== fuzz =="
scripts/fuzz.sh "${TOLVANE_FUZZ_SECONDS:-20}"

# The test runs come last, so their summary closes the output.
for preset in default asan; do
  echo "== $preset =="
  scripts/build.sh "$preset"
  ctest --preset "$preset" -j2
done

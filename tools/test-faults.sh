#!/usr/bin/env bash
# The long run of the fault tests under Wine: the whole bad-input matrix
# (every stored key with every kind of damage) and 50 pairs of copies started
# together, where the default "ctest --preset windows" runs one damage of each
# kind and 10 pairs. Writes the table of outcomes to
# build/windows/bad-input-outcomes.md (docs/bad-input.md is its reviewed copy).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows >/dev/null
cmake --build --preset windows
build=$PWD/build/windows
rm -f "$build/bad-input-outcomes.rows" "$build/bad-input-outcomes.md"
# One program run for all the cases: the tests share the registry and the
# single-instance guard, and run one after another.
CORVALLO_FULL_MATRIX=1 CORVALLO_PAIRS=50 CORVALLO_EXE="Z:$build/Corvallo.exe" \
  bash tools/run/wine-run.sh --prefix "$build/wineprefix" \
  "$build/tests/win32/faults/corvallo_fault_tests.exe" "$@"
echo "Outcomes: $build/bad-input-outcomes.md"

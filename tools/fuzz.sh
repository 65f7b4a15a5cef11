#!/usr/bin/env bash
# Builds the core's libFuzzer targets (preset linux-fuzz) and runs each one
# for SECONDS (default 60), starting from a temporary copy of its committed
# corpus so that the inputs it finds are not added to the repository. Fails
# on any crash, broken invariant or sanitizer report. An input that broke
# something is kept in build/linux-fuzz/findings/<target>/: once fixed, it
# belongs in tests/fuzz/corpus/<target>/ as a regression file.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"

bash tools/install-deps.sh
cmake --preset linux-fuzz >/dev/null
cmake --build --preset linux-fuzz

build=build/linux-fuzz
# The targets, their programs and corpora, as tests/fuzz/CMakeLists.txt
# defines them.
listing=$build/fuzz-targets.txt
[[ -s $listing ]] || { echo "fuzz.sh: $listing is missing or empty" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
while IFS=$'\t' read -r target program corpus; do
  echo "== fuzz_$target for ${seconds}s"
  mkdir -p "$work/$target/corpus" "$build/findings/$target"
  cp "$corpus"/* "$work/$target/corpus/"
  log="$work/$target/log"
  status=0
  "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$target/" \
    "$work/$target/corpus" </dev/null >"$log" 2>&1 || status=$?
  grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units)' "$log" || true
  # A sanitizer that recovers from a report would still exit 0; the log tells.
  if ((status != 0)) || grep -qE 'ERROR: (AddressSanitizer|libFuzzer|LeakSanitizer)|runtime error:|invariant broken' "$log"; then
    echo "FAILED: fuzz_$target (exit $status); the end of its log:"
    tail -n 40 "$log"
    failed=$((failed + 1))
  else
    echo "passed: fuzz_$target"
    passed=$((passed + 1))
  fi
done <"$listing"

echo "$passed passed, $failed failed"
((failed == 0))

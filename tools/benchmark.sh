#!/usr/bin/env bash
# Measures Corvallo.exe against the smallest Win32 window program, in the same
# run and the same Wine prefix (and, for reference, against a window with one
# push button in the look of the common controls version 6, "button": what
# loading the common controls costs): file size; over RUNS starts, the programs
# taking turns, the time until the first window is on screen, the processor
# time used by then and the working set a second later, each as median (min-
# max); then one more start of each, left idle for IDLE_SECONDS, and its
# processor use. Ends with Corvallo's ratios to the minimal program. Then runs
# tools/benchmark-linux.sh with the same RUNS and IDLE_SECONDS.
#
#   bash tools/benchmark.sh [RUNS] [IDLE_SECONDS] [BEFORE]
#
# BEFORE names another checkout of the project (an older commit, in a git
# worktree): its programs are built there and measured in the same run as a
# third program, "before", so that a change is measured against what it
# changed, on the same machine at the same time.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
idle=${2:-60}
before=${3:-}

bash tools/install-deps.sh
bash tools/bench/machine.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Corvallo corvallo_baseline corvallo_button_window \
  corvallo_bench >/dev/null
before_programs=()
if [[ -n $before ]]; then
  before=$(realpath "$before")
  (cd "$before" && cmake --preset windows >/dev/null && cmake --build --preset windows --target Corvallo >/dev/null)
  before_programs=("before=Z:$before/build/windows/Corvallo.exe")
fi

build=$PWD/build/windows
prefix=$build/wineprefix-bench
# A later run's settings, so that no start is a first run and the update
# reminder stays quiet. The key is the one the program keeps its settings in,
# read from the header that names it for the program.
constant() {
  sed -n "s/.*$1 = \"\(.*\)\";/\1/p" core/model/SettingsKeys.h | sed 's/\\\\/\\/g'
}
key="HKCU\\$(constant kRegistryRoot)\\Corvallo\\$(constant kSection)"
for pair in Hour=7 Minute=0 Second=0 Card=16; do
  bash tools/run/wine-run.sh --prefix "$prefix" reg add "$key" /v "${pair%%=*}" /d "${pair#*=}" /f \
    >/dev/null
done

echo "== file size (bytes)"
printf '%-10s %10s\n' baseline "$(stat -c %s "$build/bench/corvallo_baseline.exe")"
printf '%-10s %10s\n' button "$(stat -c %s "$build/bench/corvallo_button_window.exe")"
printf '%-10s %10s\n' Corvallo "$(stat -c %s "$build/Corvallo.exe")"
if [[ -n $before ]]; then
  printf '%-10s %10s\n' before "$(stat -c %s "$before/build/windows/Corvallo.exe")"
fi
echo "== under Wine"
bash tools/run/wine-run.sh --prefix "$prefix" "$build/bench/corvallo_bench.exe" "$runs" "$idle" \
  "baseline=Z:$build/bench/corvallo_baseline.exe" "button=Z:$build/bench/corvallo_button_window.exe" \
  "Corvallo=Z:$build/Corvallo.exe" "${before_programs[@]}"

# The Linux program against the minimal Qt window program, in the same run.
bash tools/benchmark-linux.sh "$runs" "$idle" "$before"

#!/usr/bin/env bash
# Measures the Linux corvallo against the smallest Qt 6 Widgets window program
# (and, for reference, a window with one label, "label": what the first text
# costs), built in the same run, on an Xvfb display with a notification area
# (trayer): file size; over RUNS starts (each with fresh XDG folders), the programs
# taking turns, the time until the first window is mapped, the processor time
# used by then and the resident memory a second later, each as median (min-
# max); then one more start of each, left idle for IDLE_SECONDS, and its
# processor use. Ends with corvallo's ratios to the minimal program.
#
#   bash tools/benchmark-linux.sh [RUNS] [IDLE_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
idle=${2:-60}
before=${3:-}  # another checkout, measured as "before" (see tools/benchmark.sh)

bash tools/install-deps.sh
bash tools/bench/machine.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target corvallo corvallo_minimal_qt_window corvallo_qt_label_window \
  corvallo_bench_linux \
  >/dev/null

build=$PWD/build/linux
before_programs=()
if [[ -n $before ]]; then
  before=$(realpath "$before")
  (cd "$before" && cmake --preset linux >/dev/null && cmake --build --preset linux --target corvallo >/dev/null)
  before_programs=("before=$before/build/linux/linux/corvallo")
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A later run's settings, copied into every start's fresh config folder, so
# that no start is a first run and the update reminder stays quiet.
mkdir -p "$work/seed/corvallo"
printf '[Settings]\nHour=7\nMinute=0\nSecond=0\nCard=16\n' >"$work/seed/corvallo/corvallo.ini"

# The build keeps debug information; the stripped size is what an installed
# package holds.
echo "== file size (bytes): as built, stripped"
for pair in "baseline=$build/bench/corvallo_minimal_qt_window" \
  "label=$build/bench/corvallo_qt_label_window" "corvallo=$build/linux/corvallo" \
  "${before_programs[@]}"; do
  strip -o "$work/stripped" "${pair#*=}"
  printf '%-10s %10s %10s\n' "${pair%%=*}" "$(stat -c %s "${pair#*=}")" "$(stat -c %s "$work/stripped")"
done
echo "== under Xvfb"
bash tools/run/xvfb.sh --tray "$build/bench/corvallo_bench_linux" "$runs" "$idle" "$work/seed" \
  "baseline=$build/bench/corvallo_minimal_qt_window" "label=$build/bench/corvallo_qt_label_window" \
  "corvallo=$build/linux/corvallo" "${before_programs[@]}"

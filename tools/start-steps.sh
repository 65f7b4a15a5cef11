#!/usr/bin/env bash
# Where the time of a start goes: starts each given program RUNS times, in
# turns, with CORVALLO_START_TRACE set, and prints for every step of the start
# the median time since the process started (min-max), one column a program.
# The Windows programs (*.exe) run under Wine, the Linux ones under Xvfb with
# a notification area, each start with a later run's settings.
#
#   bash tools/start-steps.sh RUNS NAME=PROGRAM [NAME=PROGRAM...]
#
# Without programs it builds and compares nothing but this tree's two:
#   bash tools/start-steps.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
shift || true
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if (($# == 0)); then
  bash tools/install-deps.sh
  cmake --preset windows >/dev/null && cmake --build --preset windows --target Corvallo >/dev/null
  cmake --preset linux >/dev/null && cmake --build --preset linux --target corvallo >/dev/null
  set -- "Corvallo.exe=$PWD/build/windows/Corvallo.exe" "corvallo=$PWD/build/linux/linux/corvallo"
fi

# A later run's settings, so that no start is a first run and the update
# reminder stays quiet (the keys as the benchmark seeds them).
prefix=$PWD/build/windows/wineprefix-bench
constant() {
  sed -n "s/.*$1 = \"\(.*\)\";/\1/p" core/model/SettingsKeys.h | sed 's/\\\\/\\/g'
}
seeded_wine=0
seed_wine() {
  ((seeded_wine)) && return
  local key="HKCU\\$(constant kRegistryRoot)\\Corvallo\\$(constant kSection)"
  for pair in Hour=7 Minute=0 Second=0 Card=16; do
    bash tools/run/wine-run.sh --prefix "$prefix" reg add "$key" /v "${pair%%=*}" \
      /d "${pair#*=}" /f >/dev/null
  done
  seeded_wine=1
}

# One start: the trace goes to $work/NAME.RUN; the program is ended once it
# has gone idle (or after 10 s).
start_once() {
  local name=$1 program=$2 trace=$3
  if [[ $program == *.exe ]]; then
    seed_wine
    CORVALLO_START_TRACE="Z:${trace//\//\\}" \
      bash tools/run/wine-run.sh --prefix "$prefix" "$program" &
    local waited=0
    until grep -q ' idle$' "$trace" 2>/dev/null || ((waited++ >= 100)); do sleep 0.1; done
    WINEPREFIX=$prefix wine taskkill /im "$(basename "$program")" /f >/dev/null 2>&1 || true
    wait || true
  else
    local config=$work/config
    rm -rf "$config" && mkdir -p "$config/corvallo"
    printf '[Settings]\nHour=7\nMinute=0\nSecond=0\nCard=16\n' >"$config/corvallo/corvallo.ini"
    XDG_CONFIG_HOME=$config CORVALLO_START_TRACE=$trace \
      bash tools/run/xvfb.sh --tray bash -c '"$0" & p=$!; w=0
        until grep -q " idle$" "$1" 2>/dev/null || ((w++ >= 100)); do sleep 0.1; done
        kill -TERM $p; wait $p' "$program" "$trace" >/dev/null 2>&1 || true
  fi
}

names=()
for pair in "$@"; do
  names+=("${pair%%=*}")
done
for ((run = 1; run <= runs; run++)); do
  for pair in "$@"; do
    start_once "${pair%%=*}" "${pair#*=}" "$work/${pair%%=*}.$run"
  done
done

# Every step with its median and min-max, one column a program.
python3 - "$work" "$runs" "${names[@]}" <<'PY'
import statistics, sys, pathlib
work, runs, names = pathlib.Path(sys.argv[1]), int(sys.argv[2]), sys.argv[3:]
# Every start's steps, each with its time since the process started and its
# own time (since the step the same start reached before it). The steps are
# listed in the order the starts reach them: a step only one program has
# goes right after the step its trace has before it.
steps, times, own = [], {}, {}
for name in names:
    for run in range(1, runs + 1):
        path = work / f"{name}.{run}"
        if not path.exists():
            continue
        previous_step, previous_ms = None, None
        for line in path.read_text().splitlines():
            ms, step = line.split(None, 1)
            ms = float(ms)
            if step not in steps:
                at = steps.index(previous_step) + 1 if previous_step in steps else 0
                steps.insert(at, step)
            times.setdefault((name, step), []).append(ms)
            if previous_ms is not None:
                own.setdefault((name, step), []).append(ms - previous_ms)
            previous_step, previous_ms = step, ms

def table(title, values):
    print(title)
    print(f"{'step':28}" + "".join(f"{n:>24}" for n in names))
    for step in steps:
        cells = []
        for name in names:
            t = values.get((name, step))
            cells.append(f"{statistics.median(t):.1f} ({min(t):.0f}-{max(t):.0f})" if t else "-")
        print(f"{step:28}" + "".join(f"{c:>24}" for c in cells))

table(f"medians of {runs} starts, ms since the process started: median (min-max)", times)
print()
table("the same starts, each step's own time: ms since the step before it, median (min-max)", own)
PY

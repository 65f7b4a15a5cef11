#!/usr/bin/env bash
# The program as the package installs it, unpacked into a throw-away root:
# it starts on the display it is given (tools/run/xvfb.sh) with only the
# libraries of the system, shows its window, and on SIGTERM, as at log-out,
# saves its settings under $XDG_CONFIG_HOME and ends.
#
# Usage: run_unpacked.sh DEB
set -euo pipefail

deb=${1:?usage: run_unpacked.sh DEB}
[[ -n ${DISPLAY:-} ]] || { echo "run_unpacked.sh: no DISPLAY (run it through tools/run/xvfb.sh)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/corvallo-unpacked.XXXXXX")
pid=
cleanup() {
  if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then kill -KILL "$pid"; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  echo "--- the program's output:"
  cat "$work/output"
  exit 1
}

dpkg-deb -x "$deb" "$work/root"
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME/corvallo"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/corvallo/corvallo.ini
# A later run's settings, so that no first-run box waits for an answer; the
# start-up choices are left out, since only the save at the end writes them.
printf '[Settings]\nHour=7\nMinute=0\nSecond=0\nCard=16\n' >"$settings"

: >"$work/output"
"$work/root/usr/bin/corvallo" >"$work/output" 2>&1 &
pid=$!
timeout 20 xdotool search --sync --onlyvisible --pid "$pid" >/dev/null 2>&1 ||
  fail "no window of the program appeared within 20 s"
grep -q '^AutorunStartUp=' "$settings" && fail "the start-up choices were saved before the end"

kill -TERM "$pid"
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end within 10 s of SIGTERM"
status=0
wait "$pid" || status=$?
pid=
((status == 0)) || fail "the program ended with status $status"

echo "--- $settings:"
cat "$settings"
for line in '^\[Settings\]$' '^AutorunStartUp=False$' '^SystemTray=False$' \
            '^Date=[0-9]' '^Hour=7$' '^Card=[0-9]+$'; do
  grep -Eq "$line" "$settings" || fail "the settings hold no line matching $line"
done
echo "the unpacked program started, showed its window, and saved its settings on SIGTERM"

#!/usr/bin/env bash
# Runs COMMAND on the current X display for SECONDS, saves a picture of the
# whole screen to FILE, then ends COMMAND with everything it started. The run
# scripts use it to show the program on a virtual display (tools/run/xvfb.sh).
#
#   bash tools/run/screenshot.sh SECONDS FILE COMMAND [ARGUMENTS...]
#
# Fails when COMMAND ends by itself before the picture is taken: then the
# picture would not show it.
set -euo pipefail

if (($# < 3)); then
  echo "usage: $0 SECONDS FILE COMMAND [ARGUMENTS...]" >&2
  exit 2
fi
seconds=$1
file=$2
shift 2

# A process group of its own, so that ending it also ends the processes
# COMMAND started (Wine's, for one), not only COMMAND itself.
setsid "$@" &
pid=$!
end_group() {
  # Ended here on purpose (or gone already), so the status says nothing.
  kill -TERM -- "-$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
trap end_group EXIT

sleep "$seconds"
if ! kill -0 "$pid" 2>/dev/null; then
  status=0
  wait "$pid" || status=$?
  echo "screenshot.sh: $1 ended after less than $seconds s (exit status $status)" >&2
  exit 1
fi
mkdir -p "$(dirname "$file")"
import -window root "$file"

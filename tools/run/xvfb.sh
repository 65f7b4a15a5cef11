#!/usr/bin/env bash
# Runs a command on an X display of its own: a fresh Xvfb on the first free
# display number, with trayer as the notification area when asked. Both end
# with the command, whose exit status this script returns. No window manager
# runs, so windows appear exactly where the program puts them.
#
#   bash tools/run/xvfb.sh [--tray] COMMAND [ARGUMENTS...]
set -euo pipefail

tray=false
if [[ ${1:-} == --tray ]]; then
  tray=true
  shift
fi
if (($# == 0)); then
  echo "usage: $0 [--tray] COMMAND [ARGUMENTS...]" >&2
  exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/corvallo-xvfb.XXXXXX")
xvfb_pid=
tray_pid=
cleanup() {
  [[ -n $tray_pid ]] && kill "$tray_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# -displayfd makes Xvfb pick a free display number itself and write it once
# the server accepts connections, so parallel runs never collide.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s $work/display ]] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
  sleep 0.05
done
[[ -s $work/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

# Without a session bus Qt falls back to the XEmbed tray of the X display,
# which is what trayer provides; a bus of the caller's session must not leak in.
unset DBUS_SESSION_BUS_ADDRESS
if $tray; then
  trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
    >"$work/trayer.log" 2>&1 &
  tray_pid=$!
  # The tray host's window exists once it has claimed the tray selection.
  if ! timeout 10 xdotool search --sync --classname trayer >/dev/null 2>&1; then
    echo "trayer did not start" >&2
    cat "$work/trayer.log" >&2
    exit 1
  fi
fi

set +e
"$@"
status=$?
set -e
exit "$status"

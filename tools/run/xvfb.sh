#!/usr/bin/env bash
# Gives programs an X display of their own: a fresh Xvfb, 1280x1024, on the
# first free display number. No window manager runs, so windows appear exactly
# where the program puts them. Every script, test and runner that needs a
# virtual display starts it here.
#
#   bash tools/run/xvfb.sh [--tray] COMMAND [ARGUMENTS...]
#       Runs COMMAND on a new display, with trayer as the notification area
#       when asked. Both end with COMMAND, whose exit status this returns.
#
#   bash tools/run/xvfb.sh --session-bus COMMAND [ARGUMENTS...]
#       The same, keeping the caller's session bus (tools/run/sni.sh makes
#       one), where COMMAND starts a StatusNotifierItem host of its own.
#
#   bash tools/run/xvfb.sh --detached LOG
#       Starts a display that outlives this script and prints its name (":N").
#       The server writes its output to LOG and ends by itself 30 s after its
#       last client has gone ("-terminate 30"), so nothing is left running
#       after the programs that share it (tools/run/wine-run.sh).
set -euo pipefail

usage() {
  echo "usage: $0 [--tray | --session-bus] COMMAND [ARGUMENTS...]" >&2
  echo "       $0 --detached LOG" >&2
  exit 2
}

tray=false
session_bus=false
detached_log=
case ${1:-} in
  --tray)
    tray=true
    shift
    ;;
  --session-bus)
    session_bus=true
    shift
    ;;
  --detached)
    (($# == 2)) || usage
    detached_log=$2
    shift 2
    ;;
esac
[[ -n $detached_log ]] || (($#)) || usage

work=$(mktemp -d "${TMPDIR:-/tmp}/corvallo-xvfb.XXXXXX")
xvfb_pid=
tray_pid=
cleanup() {
  if [[ -n $tray_pid ]]; then kill "$tray_pid" 2>/dev/null || true; fi
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# -displayfd makes Xvfb pick a free display number itself and write it once
# the server accepts connections, so parallel runs and build folders never
# race for the same one.
options=(-displayfd 3 -nolisten tcp -screen 0 1280x1024x24)
if [[ -n $detached_log ]]; then
  log=$detached_log
  mkdir -p "$(dirname "$log")"
  # setsid keeps the server out of the caller's process group, so that a
  # test runner ending a test's group does not take the shared server along.
  setsid Xvfb "${options[@]}" -terminate 30 3>"$work/display" </dev/null >"$log" 2>&1 &
else
  log=$work/xvfb.log
  Xvfb "${options[@]}" 3>"$work/display" </dev/null >"$log" 2>&1 &
  xvfb_pid=$!
fi
server=$!
for _ in $(seq 400); do
  [[ -s $work/display ]] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.05
done
if [[ ! -s $work/display ]]; then
  echo "xvfb.sh: Xvfb did not start; its output:" >&2
  cat "$log" >&2
  exit 1
fi
display=":$(head -n1 "$work/display")"

if [[ -n $detached_log ]]; then
  echo "$display"
  exit 0
fi
export DISPLAY=$display QT_QPA_PLATFORM=xcb

# Without a session bus Qt falls back to the XEmbed tray of the X display,
# which is what trayer provides; a bus of the caller's session must not leak in.
if ! $session_bus; then
  unset DBUS_SESSION_BUS_ADDRESS
elif [[ -z ${DBUS_SESSION_BUS_ADDRESS:-} ]]; then
  echo "xvfb.sh: --session-bus needs a session bus (dbus-run-session)" >&2
  exit 1
fi
if $tray; then
  trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
    </dev/null >"$work/trayer.log" 2>&1 &
  tray_pid=$!
  # The tray host's window exists once it has claimed the tray selection.
  if ! timeout 10 xdotool search --sync --classname trayer >/dev/null 2>&1; then
    echo "xvfb.sh: trayer did not start; its output:" >&2
    cat "$work/trayer.log" >&2
    exit 1
  fi
fi

set +e
"$@"
status=$?
set -e
exit "$status"

#!/usr/bin/env bash
# Gives programs a Wayland compositor of its own: weston on its headless
# backend (no screen, no input devices), 1280x1024, with its desktop shell,
# and Qt on its Wayland platform. No X display and no session bus are left
# to the programs, so nothing falls back to X11 or to a notification area:
# this is a Wayland desktop without a tray.
#
#   bash tools/run/weston.sh COMMAND [ARGUMENTS...]
#       Runs COMMAND under a new compositor, which ends with it; returns
#       COMMAND's exit status.
set -euo pipefail
(($#)) || {
  echo "usage: $0 COMMAND [ARGUMENTS...]" >&2
  exit 2
}

# The compositor puts its socket in XDG_RUNTIME_DIR, which must be private.
work=$(mktemp -d "${TMPDIR:-/tmp}/corvallo-weston.XXXXXX")
chmod 700 "$work"
weston_pid=
cleanup() {
  if [[ -n $weston_pid ]]; then
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

XDG_RUNTIME_DIR=$work weston --backend=headless-backend.so --socket=wayland-corvallo \
  --width=1280 --height=1024 --idle-time=0 </dev/null >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 200); do
  [[ -S $work/wayland-corvallo ]] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.05
done
if [[ ! -S $work/wayland-corvallo ]]; then
  echo "weston.sh: weston did not start; its output:" >&2
  cat "$work/weston.log" >&2
  exit 1
fi

# An absolute socket path, since the tests give every program its own
# XDG_RUNTIME_DIR.
export WAYLAND_DISPLAY=$work/wayland-corvallo QT_QPA_PLATFORM=wayland
# The headless backend has no seat (no keyboard, no pointer), and Qt 6.4's
# Wayland input method crashes opening a popup without one; Qt's plain
# compose input serves, as it does on X11.
export QT_IM_MODULE=compose
unset DISPLAY DBUS_SESSION_BUS_ADDRESS
set +e
"$@"
status=$?
set -e
exit "$status"

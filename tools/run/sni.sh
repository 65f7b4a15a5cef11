#!/usr/bin/env bash
# Runs COMMAND on a display of its own (tools/run/xvfb.sh) inside a session
# bus of its own (dbus-run-session), where COMMAND may start xfce4-panel as
# the StatusNotifierItem host: a panel holding only its notification area,
# from tools/run/xfce4-panel/xfce4-panel.xml. Returns COMMAND's exit status.
#
#   bash tools/run/sni.sh COMMAND [ARGUMENTS...]
set -euo pipefail
(($#)) || {
  echo "usage: $0 COMMAND [ARGUMENTS...]" >&2
  exit 2
}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/corvallo-sni.XXXXXX")
trap 'rm -rf "$work"' EXIT
channels=$work/config/xfce4/xfconf/xfce-perchannel-xml
mkdir -p "$channels"
cp "$here/xfce4-panel/xfce4-panel.xml" "$channels/"

# The panel reads its settings through xfconfd, which the bus starts on
# demand with the bus's own environment: the settings folder has to be set
# for dbus-run-session, not only for the panel. The tests' programs set
# their own XDG_CONFIG_HOME per test.
XDG_CONFIG_HOME=$work/config dbus-run-session -- bash "$here/xvfb.sh" --session-bus "$@"

#!/usr/bin/env bash
# Builds Corvallo for Linux (Qt 6) and starts it.
#
#   tools/run.sh [arguments for corvallo, e.g. /STARTUP]
#
# - Installs what is missing (tools/install-deps.sh; needs root for apt-get).
# - Builds the "linux" preset: build/linux/linux/corvallo.
# - With a display ($DISPLAY or $WAYLAND_DISPLAY set) the program simply runs
#   until you quit it, with your own settings (~/.config/corvallo/).
# - Without one, it starts a virtual X display (Xvfb) with a notification area
#   (trayer), runs the program there with settings in build/linux/run-home,
#   saves a screenshot to build/screenshots/corvallo-linux.png after a few
#   seconds, then ends the program and the display again.
#
# The Windows program, under Wine: tools/run-windows.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

needed=(cmake ninja g++ Xvfb trayer import)
missing=0
for tool in "${needed[@]}"; do
    command -v "$tool" >/dev/null 2>&1 || missing=1
done
[[ -f /usr/lib/x86_64-linux-gnu/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake ]] || missing=1
if ((missing)); then
    echo "Installing the build and run packages (tools/install-deps.sh)..."
    if [[ $(id -u) -eq 0 ]]; then
        bash tools/install-deps.sh
    else
        sudo bash tools/install-deps.sh
    fi
fi

cmake --preset linux >/dev/null
cmake --build --preset linux --target corvallo
program=$root/build/linux/linux/corvallo

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
    exec "$program" "$@"
fi

pids=()
# The program first, then the notification area, then the display they use.
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
}
trap cleanup EXIT

# -displayfd: the server picks a free display number and reports it.
fifo=$(mktemp -u "${TMPDIR:-/tmp}/corvallo-run.XXXXXX")
mkfifo "$fifo"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$fifo" </dev/null \
    >"$root/build/linux/xvfb-run.log" 2>&1 &
pids+=($!)
read -r -t 20 number <"$fifo" || { echo "Xvfb did not start" >&2; exit 1; }
rm -f "$fifo"
export DISPLAY=:$number
export QT_QPA_PLATFORM=xcb

# A notification area in the top right corner, for the program's icon.
trayer --edge top --align right --widthtype request --height 24 --transparent false \
    --tint 0x303030 >/dev/null 2>&1 &
pids+=($!)

home=$root/build/linux/run-home
mkdir -p "$home/config" "$home/runtime"
chmod 700 "$home/runtime"
XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime "$program" "$@" &
pids+=($!)
sleep 4
mkdir -p "$root/build/screenshots"
shot=$root/build/screenshots/corvallo-linux.png
import -window root "$shot"
echo "Corvallo ran on a virtual display; its screenshot is $shot"

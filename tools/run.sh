#!/usr/bin/env bash
# Builds Corvallo for Linux (Qt 6) and starts it.
#
#   tools/run.sh [arguments for corvallo, e.g. /STARTUP]
#
# - Installs what is missing (tools/install-deps.sh; needs root for apt-get).
# - Builds the "linux" preset: build/linux/linux/corvallo.
# - With a display ($DISPLAY or $WAYLAND_DISPLAY set) the program simply runs
#   until you quit it, with your own settings (~/.config/corvallo/).
# - Without one, it starts a virtual X display with a notification area
#   (tools/run/xvfb.sh), runs the program there with settings in
#   build/linux/run-home, saves a screenshot to
#   build/screenshots/corvallo-linux.png after a few seconds, then ends the
#   program and the display again.
#
# The Windows program, under Wine: tools/run-windows.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

needed=(cmake ninja g++ Xvfb trayer xdotool import)
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

# No display: a virtual one with a notification area, the program there for a
# few seconds with settings of its own, and a picture of the screen.
home=$root/build/linux/run-home
mkdir -p "$home/config" "$home/runtime"
chmod 700 "$home/runtime"
shot=$root/build/screenshots/corvallo-linux.png
XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=xcb \
    bash tools/run/xvfb.sh --tray bash tools/run/screenshot.sh 4 "$shot" "$program" "$@"
echo "Corvallo ran on a virtual display; its screenshot is $shot"

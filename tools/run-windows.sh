#!/usr/bin/env bash
# Builds Corvallo.exe with MinGW and starts it under Wine.
#
#   tools/run-windows.sh [arguments for Corvallo.exe, e.g. /STARTUP]
#
# - Installs what is missing (tools/install-deps.sh; needs root for apt-get).
# - Builds the "windows" preset: build/windows/Corvallo.exe.
# - Runs it through tools/run/wine-run.sh in its own Wine prefix,
#   build/windows/wineprefix-run, so that the program's settings and Run value
#   stay out of ~/.wine.
# - With a display ($DISPLAY set) the program simply runs until you quit it.
# - Without one, it starts a virtual X display (tools/run/xvfb.sh), runs the
#   program in a Wine desktop window (which draws the title bars and the
#   notification area), saves a screenshot to build/screenshots/corvallo.png
#   after a few seconds, then ends the program and the display again.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

needed=(cmake ninja x86_64-w64-mingw32-g++-posix wine Xvfb import xdpyinfo)
for tool in "${needed[@]}"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "Installing the build and run packages (tools/install-deps.sh)..."
        if [[ $(id -u) -eq 0 ]]; then
            bash tools/install-deps.sh
        else
            sudo bash tools/install-deps.sh
        fi
        break
    fi
done

cmake --preset windows >/dev/null
cmake --build --preset windows --target Corvallo

# Its own Wine prefix, made by tools/run/wine-run.sh like the tests' one.
prefix=$root/build/windows/wineprefix-run
exe=$root/build/windows/Corvallo.exe
if [[ -n ${DISPLAY:-} ]]; then
    echo "Starting $exe under Wine on $DISPLAY"
    exec bash tools/run/wine-run.sh --prefix "$prefix" "$exe" "$@"
fi

# No display: a virtual one, on which the prefix is made first (that takes a
# while, once), then the program runs there for a few seconds and the screen
# is saved. A Wine desktop window gives the program title bars and a task bar
# with the notification area, which a bare X server lacks.
shot=$root/build/screenshots/corvallo.png
bash tools/run/xvfb.sh bash -c 'set -euo pipefail
    bash tools/run/wine-run.sh --prefix "$1" --prepare
    shift
    exec bash tools/run/screenshot.sh "$@"' \
    _ "$prefix" 8 "$shot" \
    bash tools/run/wine-run.sh --prefix "$prefix" explorer /desktop=Corvallo,1280x1024 "$exe" "$@"
# Wine's server outlives its programs for a while; nothing should stay behind.
# It exits with 1 when there is no server left to end, which is as good.
WINEPREFIX=$prefix wineserver -k || true
echo "Corvallo ran on a virtual display; its screenshot is $shot"

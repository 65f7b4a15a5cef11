#!/usr/bin/env bash
# Builds Corvallo.exe with MinGW and starts it under Wine.
#
#   tools/run-windows.sh [arguments for Corvallo.exe, e.g. /STARTUP]
#
# - Installs what is missing (tools/install-deps.sh; needs root for apt-get).
# - Builds the "windows" preset: build/windows/Corvallo.exe.
# - Runs it in its own Wine prefix, build/windows/wineprefix-run, so that the
#   program's settings and Run value stay out of ~/.wine.
# - With a display ($DISPLAY set) the program simply runs until you quit it.
# - Without one, it starts a virtual X display (Xvfb), runs the program in a
#   Wine desktop window (which draws the title bars and the notification
#   area), saves a screenshot to build/screenshots/corvallo.png after a few
#   seconds, then ends the program and the display again.
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

export WINEPREFIX=$root/build/windows/wineprefix-run
export WINEARCH=win64
export WINEDEBUG=-all
# No offer to download Wine's Mono and Gecko add-ons: those dialogs would wait
# for a click that never comes on a virtual display.
export WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        wineserver -k 2>/dev/null || true
        kill "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT

if [[ -z ${DISPLAY:-} ]]; then
    # -displayfd: the server picks a free display number and reports it.
    fifo=$(mktemp -u "${TMPDIR:-/tmp}/corvallo-run.XXXXXX")
    mkfifo "$fifo"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$fifo" </dev/null \
        >"$root/build/windows/xvfb-run.log" 2>&1 &
    xvfb_pid=$!
    read -r -t 20 number <"$fifo" || { echo "Xvfb did not start" >&2; exit 1; }
    rm -f "$fifo"
    export DISPLAY=:$number
fi

if [[ ! -f $WINEPREFIX/.corvallo-ready ]]; then
    echo "Preparing the Wine prefix $WINEPREFIX (once)..."
    wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.corvallo-ready"
fi

exe=$root/build/windows/Corvallo.exe
if [[ -z $xvfb_pid ]]; then
    echo "Starting $exe under Wine on $DISPLAY"
    exec wine "$exe" "$@"
fi

# A Wine desktop window gives the program title bars and a task bar with the
# notification area, which a bare X server without a window manager lacks.
wine explorer /desktop=Corvallo,1024x768 "$exe" "$@" >/dev/null 2>&1 &
sleep 8
mkdir -p "$root/build/screenshots"
shot=$root/build/screenshots/corvallo.png
import -window root "$shot"
echo "Corvallo ran on a virtual display; its screenshot is $shot"

#!/usr/bin/env bash
# Runs a Windows program under Wine; CMake uses it to run the cross-built test
# programs (CMAKE_CROSSCOMPILING_EMULATOR), and the run and benchmark scripts
# run Wine only through it.
#
#   wine-run.sh --prefix DIR program.exe [arguments...]
#   wine-run.sh --prefix DIR --prepare
#
# --prepare only makes the prefix and starts Wine, so that the first test of a
# run does not spend half a minute on it (test discovery has a time limit).
#
# - The Wine prefix DIR is made once with "wineboot -i" and then reused, so a
#   test never touches the user's own ~/.wine.
# - Wine is told not to offer to download its Mono and Gecko add-ons (those
#   dialogs would wait forever for a click) and to print no debug channels.
# - Without $DISPLAY, one Xvfb server per prefix is started (tools/run/xvfb.sh
#   --detached) and shared by all the programs that run at the same time. It
#   ends by itself 30 s after its last client (Wine's desktop process
#   included) has gone, so nothing is left running after the tests.
# - Wine's server is kept for 60 s after the last program, so the programs of
#   one test run share it instead of starting Wine anew each time.
# - Preparing the prefix and the display happens under a lock, so tests run in
#   parallel (ctest -j) neither boot the prefix twice nor start two servers.
# - Wine takes the user's locale (date formats, code page) from the Unix one,
#   LC_ALL or LANG. glibc only knows the locales generated on the machine
#   (often just C.UTF-8), and Wine falls back to en-US for any other; so a
#   UTF-8 locale that is asked for but missing is compiled with localedef into
#   the build folder and found there through LOCPATH. Nothing is installed.
# - WINE_RUN_PRELOAD names a library to preload (LD_PRELOAD) into the program
#   and the programs it starts, and into nothing else: not into Xvfb, Wine's
#   server or Wine's system processes, which are started before it without.
# - A Windows program writes "\r\n" line ends; they are turned into "\n" so
#   that CMake's parsing of --gtest_list_tests sees clean test names. The
#   program's exit status is passed on unchanged.
set -euo pipefail

if [[ $# -lt 3 || $1 != --prefix ]]; then
    echo "usage: $0 --prefix WINEPREFIX program.exe [arguments...]" >&2
    exit 2
fi
prefix=$(realpath -m "$2")
shift 2

export WINEPREFIX=$prefix
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

mkdir -p "$(dirname "$prefix")"
lock=$prefix.lock
display_file=$prefix.display

display_alive() {
    xdpyinfo -display "$1" >/dev/null 2>&1
}

exec 9>"$lock"
flock 9

if [[ -z ${DISPLAY:-} ]]; then
    display=$(cat "$display_file" 2>/dev/null || true)
    # The probe itself is a client: it restarts the server's 30 s countdown,
    # which leaves Wine ample time to connect.
    if [[ -z $display ]] || ! display_alive "$display"; then
        # The closed lock descriptor keeps the server, which outlives this
        # script, from holding the lock.
        display=$(bash "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh" --detached "$prefix.xvfb.log" 9>&-)
        echo "$display" >"$display_file"
    fi
    export DISPLAY=$display
fi

# Every Wine program of the project (tests, run and benchmark scripts) runs
# through this script, so this is where a prefix is made. Runs with the lock
# held.
prepare_prefix() {
    [[ -f $prefix/.corvallo-ready ]] && return 0
    rm -rf "$prefix"
    wineboot -i >/dev/null 2>&1 9>&-
    # wineboot returns before the registry is flushed to disk; wait for the
    # server to finish so the first program sees a complete prefix.
    wineserver -w 9>&-
    touch "$prefix/.corvallo-ready"
}
prepare_prefix

# Runs with the lock held.
provide_locale() {
    local wanted=${LC_ALL:-${LANG:-}}
    [[ $wanted =~ ^([a-z]{2,3}_[A-Z]{2})\.(UTF-8|utf8)$ ]] || return 0
    local name=${BASH_REMATCH[1]}
    locale -a 2>/dev/null | grep -qxF "$name.utf8" && return 0
    [[ -f /usr/share/i18n/locales/$name ]] || return 0
    local locales=$prefix.locales
    if [[ ! -f $locales/$wanted/LC_CTYPE ]]; then
        mkdir -p "$locales"
        rm -rf "$locales/$wanted.tmp"
        # localedef exits with 1 for mere warnings; the files tell.
        localedef -i "$name" -f UTF-8 "$locales/$wanted.tmp" >/dev/null 2>&1 || true
        [[ -f $locales/$wanted.tmp/LC_CTYPE ]] || return 0
        rm -rf "${locales:?}/$wanted"
        mv "$locales/$wanted.tmp" "$locales/$wanted"
    fi
    export LOCPATH=$locales
}
provide_locale

# Starting Wine's server and its system processes (services, explorer...)
# takes seconds; by default the server quits as soon as the last program
# ends, so every test would pay for it again. A server kept for 60 s after its
# last program serves a whole test run ("-p60": the number must be attached,
# a bare "-p" would keep it forever). It exits at once when one is already
# running for the prefix; it detaches itself, hence no "&".
wineserver -p60 </dev/null >/dev/null 2>&1 9>&- || true

exec 9>&-

if [[ $1 == --prepare ]]; then
    # Starts Wine's system processes with nothing attached to our output.
    wine cmd.exe /c exit </dev/null >/dev/null 2>&1
    exit 0
fi

# Wine's system processes (services.exe, explorer.exe...) are started by the
# first program and inherit its standard output and error. As they outlive it
# (see the kept server above), a pipe given to the program would stay open,
# and ctest would wait for its end until the test timed out. So the program
# writes into files, passed on when it has ended (or this script is stopped).
out=$(mktemp "$prefix.stdout.XXXXXX")
err=$(mktemp "$prefix.stderr.XXXXXX")
pass_on_output() {
    sed 's/\r$//' "$out"
    sed 's/\r$//' "$err" >&2
    rm -f "$out" "$err"
}
trap pass_on_output EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

preload=${LD_PRELOAD:-}
if [[ -n ${WINE_RUN_PRELOAD:-} ]]; then
    # A new Wine process inherits the Unix environment of the process that
    # starts it, so the system processes would carry the library if the
    # program started them.
    wine cmd.exe /c exit </dev/null >/dev/null 2>&1
    preload=$WINE_RUN_PRELOAD${preload:+:$preload}
fi

set +e
LD_PRELOAD=$preload wine "$@" >"$out" 2>"$err"
exit $?

#!/usr/bin/env bash
# Prints the machine a benchmark ran on, so that a result pasted elsewhere
# says where it came from: processors, their model, and the Wine and Qt that
# ran and built the programs.
set -euo pipefail

model=$(sed -n 's/^model name[[:space:]]*: *//p' /proc/cpuinfo | head -n1)
echo "== machine"
echo "processors: $(nproc) (${model:-model not named in /proc/cpuinfo})"
echo "Wine:       $(wine --version 2>/dev/null || echo none)"
echo "Qt:         $(qtpaths6 --qt-version 2>/dev/null || echo none)"

#!/usr/bin/env bash
# Builds Corvallo and starts it: the Windows program, under Wine.
exec bash "$(dirname "$0")/run-windows.sh" "$@"

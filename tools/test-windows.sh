#!/usr/bin/env bash
# Cross-builds the Windows program with MinGW-w64 and runs its tests (the
# core's and the Windows adapters') under Wine, in the build folder's own
# Wine prefix. The packages (installer, portable zip, manifests) are built
# too, since their tests run the installer under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows
cmake --build --preset windows
cmake --build --preset windows --target package
ctest --preset windows

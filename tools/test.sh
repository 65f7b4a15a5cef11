#!/usr/bin/env bash
# Runs every test: the core and the Linux program natively (their end-to-end
# tests on Xvfb), the core again under AddressSanitizer and
# UndefinedBehaviorSanitizer, the core's fuzz targets over their committed
# corpora (tools/fuzz.sh fuzzes for longer), then the Windows program's
# tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

for preset in linux linux-sanitize linux-fuzz; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

echo "== windows"
bash tools/test-windows.sh

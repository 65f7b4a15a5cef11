#!/usr/bin/env bash
# Builds every package users download, into build/<preset>/packages/:
#   windows: Corvallo-<version>-setup.exe, Corvallo-<version>-portable.zip,
#            the winget and Scoop manifests (win32/package/)
#   linux:   the .deb (linux/package/)
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

for preset in windows linux; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  cmake --build --preset "$preset" --target package
done
ls -l build/windows/packages build/linux/packages 2>/dev/null || true

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
  # CPack writes CPackConfig.cmake where a platform's packaging exists
  # (cmake/Packaging.cmake); without it there is no package target.
  if [[ -f build/$preset/CPackConfig.cmake ]]; then
    cmake --build --preset "$preset" --target package
  else
    echo "no packages for $preset yet"
  fi
done
ls -l build/windows/packages build/linux/packages 2>/dev/null || true

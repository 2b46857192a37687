#!/usr/bin/env bash
# Builds Hexorin and opens its window: the 64-bit Windows build under Wine.
# With no display, it runs on a virtual one and saves pictures of its
# windows instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target hexorin

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting Hexorin (close its window to end)"
  build/win64/wine-run.sh build/win64/hexorin.exe
else
  echo "No display here: Hexorin runs on a virtual one, and pictures of its windows go to build/screenshots/"
  bash tools/screenshots.sh build/screenshots
fi

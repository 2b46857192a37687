#!/usr/bin/env bash
# Installs what is missing, builds every preset (Linux, Windows 32-bit,
# Windows 64-bit) and runs every test: the Linux ones natively, the Windows
# ones under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
jobs=$(nproc)

for preset in native win32 win64; do
  echo "== build: $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done

status=0
echo "== test: native"
ctest --preset native -j "$jobs" || status=1
echo "== test: win64 (under Wine)"
ctest --preset win64 -j "$jobs" || status=1
# Stop this build tree's Wine server, and only that one.
WINEPREFIX="$PWD/build/win64/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
exit $status

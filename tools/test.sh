#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test: the
# Linux ones natively and again with AddressSanitizer and
# UndefinedBehaviorSanitizer (with a minute of fuzzing), the 64-bit Windows
# ones under Wine on a virtual display, and a file check of the 32-bit
# Windows program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
jobs=$(nproc)

for preset in native sanitize win32 win64; do
  echo "== build: $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done

status=0
echo "== test: native"
ctest --preset native -j "$jobs" || status=1
echo "== test: sanitize (AddressSanitizer, UndefinedBehaviorSanitizer, fuzzing)"
ctest --preset sanitize -j "$jobs" || status=1
echo "== test: win32 (the shipped program, as a file)"
ctest --preset win32 || status=1
echo "== test: win64 (under Wine)"
# One virtual display for the whole run; this build tree's Wine server is
# stopped with it, and no other.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  ctest --preset win64 -j "$1"; code=$?
  WINEPREFIX="$PWD/build/win64/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null
  exit $code' _ "$jobs" || status=1
exit $status

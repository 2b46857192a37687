#!/usr/bin/env bash
# Saves pictures of the main window and the About box, as the 64-bit build
# shows them under Wine on a virtual display, into the folder given
# (default: docs/, where the README takes them from).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs}")
mkdir -p "$out"

bash tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target take_screenshots
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  build/win64/wine-run.sh build/win64/tests/take_screenshots.exe "Z:${1//\//\\}"; code=$?
  WINEPREFIX="$PWD/build/win64/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null
  exit $code' _ "$shots"
for picture in main-window about-box; do
  /usr/bin/convert "$shots/$picture.bmp" "$out/$picture.png"
  echo "saved $out/$picture.png"
done

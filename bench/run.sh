#!/usr/bin/env bash
# Builds a release hexorin-cli and measures it against xxd -i and the
# ceiling of the machine; prints Markdown tables. About two minutes.
set -euo pipefail
cd "$(dirname "$0")/.."

# xxd, valgrind and GNU time are yardsticks only; Hexorin itself needs none.
need=()
[ -x /usr/bin/time ] || need+=(time)
command -v xxd >/dev/null || need+=(xxd)
command -v valgrind >/dev/null || need+=(valgrind)
if [ ${#need[@]} -gt 0 ]; then
  apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${need[@]}"
fi
bash tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target hexorin-cli >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 bench/bench.py build/release/hexorin-cli "$work"

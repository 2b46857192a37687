#!/usr/bin/env bash
# Builds hexorin-cli and converts the bundled sample into both formats.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
cli=build/release/hexorin-cli
"$cli" --title Greeting samples/greeting.txt build/greeting.h
"$cli" --asm --title Greeting samples/greeting.txt build/greeting.inc
echo "== build/greeting.h"; cat build/greeting.h; echo
echo "== build/greeting.inc"; cat build/greeting.inc; echo

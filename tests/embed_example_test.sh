#!/usr/bin/env bash
# Builds examples/embed the two ways a project gets hexorin_embed(): from
# this source tree, and from an installed package; then changes the data
# file and checks that the next build embeds the new data, and that a build
# with nothing changed does nothing.
# usage: embed_example_test.sh SOURCE_DIR BUILD_DIR_TO_INSTALL
set -euo pipefail
source_dir=$1
installed_build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}
expected_line() {  # what the example prints for its data file
  python3 - "$1" <<'PY'
import sys
data = open(sys.argv[1], "rb").read() + b"\0"
checksum = 2166136261
for byte in data:
    checksum = ((checksum ^ byte) * 16777619) & 0xFFFFFFFF
print(f"hello-world.txt: {len(data)} bytes with the terminator, checksum {checksum:08x}")
PY
}

cmake --install "$installed_build" --prefix "$work/prefix" >/dev/null
for way in source-tree installed; do
  echo "== $way"
  cp -r "$source_dir/examples/embed" "$work/$way"
  if [ $way = source-tree ]; then
    configure=(-DHEXORIN_SOURCE_DIR="$source_dir")
  else
    configure=(-DCMAKE_PREFIX_PATH="$work/prefix")
  fi
  cmake -S "$work/$way" -B "$work/$way/build" "${configure[@]}" >/dev/null
  cmake --build "$work/$way/build" >"$work/log" 2>&1
  program="$work/$way/build/show_embedded"
  check "$way: first build embeds" grep -q "Embedding hello-world.txt as hello_world_txt" "$work/log"
  check "$way: prints the embedded file" test "$("$program" | head -n 1)" = "$(expected_line "$work/$way/hello-world.txt")"

  cmake --build "$work/$way/build" >"$work/log" 2>&1
  check "$way: nothing changed, nothing rebuilt" bash -c "! grep -Eq 'Embedding|Building|Linking' '$work/log'"

  sleep 1  # a newer modification time than the header's, on any file system
  printf 'A second line, added later.\n' >>"$work/$way/hello-world.txt"
  cmake --build "$work/$way/build" >"$work/log" 2>&1
  check "$way: a changed file is embedded again" grep -q "Embedding hello-world.txt" "$work/log"
  check "$way: prints the new data" test "$("$program" | head -n 1)" = "$(expected_line "$work/$way/hello-world.txt")"
done
test -x "$work/prefix/bin/hexorin-cli" && passed=$((passed + 1)) || { failed=$((failed + 1)); echo "FAILED: hexorin-cli installed"; }
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

#!/usr/bin/env bash
# Installs, from Debian's archive, what building and testing Hexorin needs on a
# Debian 12 machine. Does nothing when everything is there already.
set -euo pipefail

packages=(
  cmake g++ make googletest python3    # native build and tests
  clang libclang-rt-14-dev             # sanitizer builds and the fuzzer
  nasm                                 # assembles the assembler output in the tests
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine64 xvfb xauth fonts-wine imagemagick   # running the Windows build under Wine
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"

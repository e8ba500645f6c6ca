#!/bin/bash
# Installs what is missing on Debian/Ubuntu and builds the given presets: their default target
# (the product), or the targets named after --target.
# Usage: scripts/setup.sh [PRESET...] [--target TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

presets=() targets=()
while [ $# -gt 0 ]; do
  case $1 in
    --target) shift; targets=(--target "$@"); break ;;
    *) presets+=("$1"); shift ;;
  esac
done

packages=(cmake ninja-build g++ libgtest-dev xvfb x11-utils xdotool imagemagick
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386 fonts-wine
          clang-format-14 clang-tidy-14 cppcheck clang-14 lld-14 shellcheck)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

for preset in "${presets[@]}"; do
  [ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" "${targets[@]}"
done

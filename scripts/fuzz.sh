#!/bin/bash
# Builds a libFuzzer target with clang under ASan and UBSan and runs it. Not part of CI.
# Usage: scripts/fuzz.sh TARGET [RUNS]   (TARGET: edit-text; RUNS default 1000000)
set -euo pipefail
cd "$(dirname "$0")/.."
target=$1 runs=${2:-1000000}
case $target in
  edit-text) sources=(tests/fuzz/EditTextFuzz.cpp dialog/EditText.cpp) ;;
  *) echo "fuzz: no target $target" >&2; exit 2 ;;
esac
for package in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q 'ok installed' ||
    { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang libclang-rt-14-dev >/dev/null; }
done
mkdir -p build/fuzz
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I. \
  "${sources[@]}" -o "build/fuzz/$target"
"build/fuzz/$target" -runs="$runs" -max_len=64

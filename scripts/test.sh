#!/bin/bash
# Sets everything up and runs every check and test: the formatting and static analysis of the
# sources, the pure arithmetic on the host under the sanitizers, the Windows tests under Wine,
# and the checks of the 32-bit product.
set -euo pipefail
cd "$(dirname "$0")/.."

failed=()
run() {
  echo "== $1"
  local step=$1
  shift
  "$@" || failed+=("$step")
}

# The checks of the sources come first, as they need no build: a finding is reported, and the
# build and the tests still run.
scripts/setup.sh
run "format: every C and C++ file as .clang-format says" scripts/format.sh --check
run "static analysis of the product and drivers: clang-tidy, cppcheck" scripts/analyse.sh
mapfile -t shell_scripts < <(git ls-files 'scripts/*.sh' '.ci/*')
run "shellcheck: the shell scripts, sourced ones included" shellcheck -x "${shell_scripts[@]}"

# The Wine tests run from the 64-bit build of the same sources on every machine. The 32-bit
# product's tree checks its files, and runs the Wine tests as well where the kernel can run
# 32-bit processes (ours cannot). A compiler warning fails the build.
scripts/setup.sh host windows-x86 windows-x64 --target all tests
# A second compiler, Clang, builds the 32-bit product and both drivers, also warning-free.
run "32-bit product and drivers built with Clang" scripts/setup.sh windows-x86-clang

# One private X server for the whole run.
. scripts/xvfb.sh
start_xvfb 1280x1024
stop_wine() {
  for preset in windows-x86 windows-x64; do
    WINEPREFIX="$PWD/build/$preset/wine/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  done
  kill "$xvfb" 2>/dev/null || true
}
trap stop_wine EXIT

run "host: arithmetic under the sanitizers" ctest --preset host -j2
run "32-bit product" ctest --preset windows-x86 -j2
run "64-bit Windows build under Wine" ctest --preset windows-x64 -j2
run "the drivers' exports as Clang built them" ctest --preset windows-x86-clang

# The size of the tests against the code: non-blank lines that are not only a // comment, in
# C and C++ sources and resource scripts, under tests/ against the rest outside bench/.
lines() { git ls-files | grep -E '\.(cpp|h|hpp|c|rc)$' | grep -E "$1" | grep -v -E "$2" | xargs cat | grep -c -v -E '^\s*(//.*)?$'; }
tests=$(lines '(^|/)tests/' '^$') code=$(lines '.' '(^|/)(tests|bench)/')
awk -v t="$tests" -v c="$code" 'BEGIN { printf "test/code ratio: %d test lines / %d code lines = %.2f (at most 0.40)\n", t, c, t / c }'

# What failed, last, as the findings may have scrolled far up.
[ ${#failed[@]} -eq 0 ] || { printf 'FAILED: %s\n' "${failed[@]}"; exit 1; }

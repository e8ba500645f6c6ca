#!/bin/bash
# Sets everything up and runs every test: the pure arithmetic on the host under the sanitizers,
# the Windows tests under Wine, and the checks of the 32-bit product's files.
set -euo pipefail
cd "$(dirname "$0")/.."

# The Wine tests run the 64-bit build of the same sources on every machine, so the result does not
# depend on whether the kernel can run 32-bit processes (ours cannot). On one that can,
# `ctest --preset windows-x86` runs them against the 32-bit product as well.
wine_preset=windows-x64
scripts/setup.sh host windows-x86 "$wine_preset"

# One private X server for the whole run.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$display_file")"
rm -f "$display_file"
stop_wine() {
  WINEPREFIX="$PWD/build/$wine_preset/wine/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap stop_wine EXIT

failed=0
run() {
  echo "== $1"
  shift
  "$@" || failed=1
}
run "host: arithmetic under the sanitizers" ctest --preset host -j2
run "32-bit product" ctest --preset windows-x86
run "64-bit Windows build under Wine" ctest --preset "$wine_preset" -j2
exit $failed

#!/bin/bash
# Runs the soak (bench/soak) on a private Xvfb in a Wine prefix of its own, so that it neither
# disturbs nor is disturbed by tests and benches running beside it. Not part of CI.
# Usage: scripts/soak.sh [--minutes N] [--short] [tracking|activate|profiles|boxes...]
set -euo pipefail
cd "$(dirname "$0")/.."

preset=$(scripts/wine-arch.sh)
scripts/setup.sh "$preset" --target benches >/dev/null
arch=$(sed -n 's/^MINGW_ARCH:[A-Z]*=//p' "build/$preset/CMakeCache.txt")
prefix="$PWD/build/$preset/wine/soak-prefix"

. scripts/xvfb.sh
start_xvfb 1280x1024
finish() {
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap finish EXIT

scripts/wine-run.sh "$prefix" "$arch" "build/$preset/bench/bin/soak.exe" "$@"

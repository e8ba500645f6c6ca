#!/bin/bash
# Plants one fault at a time in the product code, rebuilds, runs the tests and reports the
# faults that no test caught (scripts/mutate.py, with the faults of scripts/mutate-faults.txt).
# This builds first and gives the Wine tests a private X server. A tool to run by hand, not part
# of CI; every planted file gets its own text back, uncommitted edits included.
# Usage: scripts/mutate.sh [--each] [FAULT-NUMBER...]   (default: every fault)
#   --each runs every test for every fault and names the tests that caught it.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=windows-x64 # the tree mutate.py builds and tests
scripts/setup.sh host "$preset" --target all tests >/dev/null || { echo "mutate: the build fails before any fault" >&2; exit 2; }
. scripts/xvfb.sh
start_xvfb 1280x1024
cleanup() {
  WINEPREFIX="$PWD/build/$preset/wine/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

python3 scripts/mutate.py "$@"

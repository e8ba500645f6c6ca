#!/bin/bash
# Runs Nodlink under a private Xvfb and saves a PNG of its window.
# Usage: scripts/screenshot.sh [OUTPUT.png]   (default: docs/nodlink.png)
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/nodlink.png}

preset=$(scripts/wine-arch.sh)
scripts/setup.sh "$preset"
arch=$(sed -n 's/^MINGW_ARCH:[A-Z]*=//p' "build/$preset/CMakeCache.txt")
# A prefix of its own, with Wine's own fonts: the window as Windows draws it.
prefix="$PWD/build/$preset/wine/screenshot-prefix"

. scripts/xvfb.sh
start_xvfb 1024x768
NODLINK_WINE_FONTS=1 scripts/wine-run.sh "$prefix" "$arch" "build/$preset/program/nodlink.exe" &
nodlink=$!
# shellcheck disable=SC2317 # run by the EXIT trap, which shellcheck misses in a script that ends in exit
finish() {
  kill "$nodlink" 2>/dev/null || true
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap finish EXIT

mkdir -p "$(dirname "$output")"
for _ in $(seq 100); do
  # import would wait for a mouse click when the window is not there yet.
  window=$(xwininfo -name Nodlink 2>/dev/null | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p' || true)
  if [ -n "$window" ]; then
    sleep 1 # let it paint
    import -window "$window" "$output"
    echo "saved $output"
    exit 0
  fi
  sleep 0.2
done
echo "screenshot: the Nodlink window did not appear" >&2
exit 1

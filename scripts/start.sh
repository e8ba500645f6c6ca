#!/bin/bash
# Sets everything up and starts Nodlink with the simulated headset on this desktop.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=$(scripts/wine-arch.sh)
if [ "$preset" != windows-x86 ]; then
  echo "note: this kernel cannot run 32-bit processes; starting the 64-bit build of Nodlink"
fi
scripts/setup.sh "$preset"

if [ -z "${DISPLAY:-}" ]; then
  echo "start: no X display; run this from a desktop session (scripts/screenshot.sh shows the window without one)" >&2
  exit 2
fi
arch=$(sed -n 's/^MINGW_ARCH:[A-Z]*=//p' "build/$preset/CMakeCache.txt")
# A prefix of its own, with Wine's windows managed by the desktop's window manager.
NODLINK_WINE_MANAGED=1 exec scripts/wine-run.sh "$PWD/build/$preset/wine/desktop" "$arch" \
  "build/$preset/program/nodlink.exe"

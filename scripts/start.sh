#!/bin/bash
# Sets everything up and starts Nodlink on this desktop with the simulated headset, or with
# --bridge with the opentrack bridge, which takes head poses on UDP 127.0.0.1:4242 from Activate
# until Stop.
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
  "") driver=simulated ;;
  --bridge) driver=bridge ;;
  *) echo "usage: scripts/start.sh [--bridge]" >&2; exit 2 ;;
esac

# Before minutes of installing and building: without a display there is nothing to show.
if [ -z "${DISPLAY:-}" ] || { command -v xdpyinfo >/dev/null && ! xdpyinfo >/dev/null 2>&1; }; then
  echo "start: no X display (DISPLAY is '${DISPLAY:-}'): run this from a desktop session;" \
       "scripts/screenshot.sh shows the window without one" >&2
  exit 2
fi

preset=$(scripts/wine-arch.sh)
if [ "$preset" != windows-x86 ]; then
  echo "note: this kernel cannot run 32-bit processes; starting the 64-bit build of Nodlink"
fi
scripts/setup.sh
[ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
# The program alone: the tests would take several times longer to build.
cmake --build --preset "$preset" --target program

built="build/$preset/program"
program=$built
if [ "$driver" = bridge ]; then
  # A program folder of its own with the bridge beside nodlink.exe, as a user sets it up;
  # settings edited there are kept.
  program="build/$preset/program-bridge"
  mkdir -p "$program"
  cp "$built/nodlink.exe" "$built/default.vfx" "$built/bridge/VFXDrive.dll" "$built/bridge/VFXDraw.dll" "$program/"
  [ -f "$program/VFXBridge.ini" ] || cp "$built/bridge/VFXBridge.ini" "$program/"
  echo "start: Nodlink with the opentrack bridge; in opentrack choose the output \"UDP over network\" to" \
       "127.0.0.1:4242; Nodlink listens there from Activate until Stop"
fi
arch=$(sed -n 's/^MINGW_ARCH:[A-Z]*=//p' "build/$preset/CMakeCache.txt")
# A prefix of its own, with Wine's windows managed by the desktop's window manager.
NODLINK_WINE_MANAGED=1 exec scripts/wine-run.sh "$PWD/build/$preset/wine/desktop" "$arch" "$program/nodlink.exe"

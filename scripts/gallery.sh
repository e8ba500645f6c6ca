#!/bin/bash
# Renders every window Nodlink can show, as a PNG at 96 and at 144 DPI, into build/gallery/,
# by running the window test under a private Xvfb with NODLINK_GALLERY set.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=windows-x64
scripts/setup.sh "$preset" --target tests
. scripts/xvfb.sh
start_xvfb 1280x1024
trap 'kill "$xvfb" 2>/dev/null || true' EXIT

for dpi in 96 144; do
  prefix="$PWD/build/$preset/wine/prefix-${dpi}dpi"
  [ "$dpi" = 96 ] && prefix="$PWD/build/$preset/wine/prefix"
  out="build/gallery/$dpi"
  rm -rf "$out" && mkdir -p "$out"
  NODLINK_WINE_DPI=$dpi NODLINK_GALLERY=$(WINEPREFIX=$prefix /usr/lib/wine/wine64 winepath -w "$out" 2>/dev/null) \
    scripts/wine-run.sh "$prefix" x86_64 "build/$preset/tests/bin/dialog_tests.exe" \
    --gtest_filter='WindowsAsShown.EveryWindow*' >/dev/null
  for bmp in "$out"/*.bmp; do
    convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
  done
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
done
ls build/gallery/*/*.png

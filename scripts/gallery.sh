#!/bin/bash
# Photographs every window a user can reach in the real program, at 96 and at 144 DPI, into
# build/gallery/<dpi>/: the main window stopped and tracking, the input box of Add, and each box
# the profile functions show. Nodlink runs under Wine on a private Xvfb from a program folder of
# its own (default.vfx and x.vfx), clicked and typed at with xdotool as a user would.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=$(scripts/wine-arch.sh)
scripts/setup.sh "$preset" --target program >/dev/null
arch=$(sed -n 's/^MINGW_ARCH:[A-Z]*=//p' "build/$preset/CMakeCache.txt")
built="build/$preset/program"
. scripts/xvfb.sh
start_xvfb 1280x1024
folder=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$folder"' EXIT

# The main window, once it is the only one of the program's windows.
main_window() { xdotool search --name '^Nodlink$' | head -1; }
# A box over the main window: the program's other window titled Nodlink.
box() {
  for _ in $(seq 100); do
    other=$(xdotool search --onlyvisible --name '^Nodlink$' | grep -vx "$main" | head -1 || true)
    [ -n "$other" ] && { sleep 0.5; echo "$other"; return; }
    sleep 0.1
  done
  echo "gallery: no box came up" >&2
  exit 1
}
# The window's layout comes from the program's own table (scripts/dialog_layout.py).
layout() { python3 scripts/dialog_layout.py "$@"; }
# Clicks the point (x, y) of the main window's client area, given at 96 DPI.
click_at() {
  xdotool mousemove "$((client_x + $1 * dpi / 96))" "$((client_y + $2 * dpi / 96))" click 1
  sleep 0.5
}
# Clicks the centre of the control NAME.
click() {
  local x y
  read -r x y < <(layout "$1")
  click_at "$x" "$y"
}
# Clicks entry N (from 0) of the profile list, whose lines are 13 pixels high at 96 DPI.
list_entry() {
  local left top
  read -r left top _ < <(layout bounds ListProfiles)
  click_at $((left + 40)) $((top + 13 * $1 + 6))
}
shoot() { import -window "$1" "$out/$2.png"; }
answer() { xdotool key "$1"; sleep 0.5; }
read -r client_width client_height < <(layout size)

for dpi in 96 144; do
  prefix="$PWD/build/$preset/wine/gallery-${dpi}dpi"
  out="build/gallery/$dpi"
  rm -rf "$out" && mkdir -p "$out"
  rm -f "$folder"/*
  cp "$built/nodlink.exe" "$built/default.vfx" "$built/VFXDrive.dll" "$built/VFXDraw.dll" "$folder/"
  cp "$built/default.vfx" "$folder/x.vfx"
  NODLINK_WINE_DPI=$dpi NODLINK_WINE_FONTS=1 scripts/wine-run.sh "$prefix" "$arch" "$folder/nodlink.exe" &
  timeout 60 xdotool search --sync --name '^Nodlink$' >/dev/null
  sleep 1
  main=$(main_window)
  eval "$(xdotool getwindowgeometry --shell "$main")"
  border=$(((WIDTH - client_width * dpi / 96) / 2))
  client_x=$((X + border)) client_y=$((Y + HEIGHT - client_height * dpi / 96 - border))

  shoot "$main" main-window
  click Add
  shoot "$(box)" input-box
  answer Escape
  click Delete # with default.vfx loaded
  shoot "$(box)" cannot-delete-the-default
  answer Return
  list_entry 1 && click Delete # x.vfx
  shoot "$(box)" delete-prompt
  answer n
  click XSens && xdotool type 5
  list_entry 0
  shoot "$(box)" save-prompt
  answer Escape
  click Add && box >/dev/null && xdotool type x && answer Return # Add "x"
  shoot "$(box)" profile-name-exists
  answer Return
  click XSens && xdotool type 6
  rm "$folder/x.vfx"
  list_entry 0 && box >/dev/null && answer Return # save into the deleted x.vfx
  shoot "$(box)" profile-not-saved
  answer Return
  click Run # Activate
  sleep 1
  shoot "$main" main-window-tracking
  click Stop
  click Exit
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w 2>/dev/null || true
done
ls build/gallery/*/*.png

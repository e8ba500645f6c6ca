#!/bin/bash
# Measures fine pointing as a user meets it: the real nodlink.exe with default.vfx and the
# opentrack bridge under Wine, clicked with the real pointer, fed head poses at 250 a second from
# another process. Prints how far a slow 10-degree turn moves the pointer (100 px is right: 100
# units a degree, sensitivity 10), and how far the pointer moves when Activate follows a head
# turn made while stopped (0 px is right).
# Usage: scripts/pointer-motion.sh [PROGRAM-FOLDER]   (default: the build's program folder)
set -euo pipefail
cd "$(dirname "$0")/.."

preset=$(scripts/wine-arch.sh)
scripts/setup.sh "$preset" --target program >/dev/null
arch=$(sed -n 's/^MINGW_ARCH:[A-Z]*=//p' "build/$preset/CMakeCache.txt")
built=${1:-build/$preset/program}
prefix="$PWD/build/$preset/wine/measure-prefix"
folder=$(mktemp -d)
cp "$built/nodlink.exe" "$built/default.vfx" "$built/bridge/VFXDrive.dll" "$built/bridge/VFXDraw.dll" "$folder/"
printf '[Bridge]\r\nPort=47428\r\n' >"$folder/VFXBridge.ini"

. scripts/xvfb.sh
start_xvfb 1280x1024
finish() {
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$folder"
}
trap finish EXIT
scripts/wine-run.sh "$prefix" "$arch" "$folder/nodlink.exe" &
window=$(timeout 60 xdotool search --sync --name '^Nodlink$' | head -1)
sleep 1

python3 - "$window" <<'PY'
import socket, struct, subprocess, sys, time

window = sys.argv[1]
sender = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)

def xdotool(*args):
    return subprocess.run(['xdotool', *args], check=True, capture_output=True, text=True).stdout

def pointer():
    fields = dict(item.split(':') for item in xdotool('getmouselocation').split()[:2])
    return int(fields['x']), int(fields['y'])

# The client area is 463 x 398 at 96 DPI; Wine draws the frame inside the X window.
geometry = dict(line.split('=') for line in xdotool('getwindowgeometry', '--shell', window).split())
border = (int(geometry['WIDTH']) - 463) // 2
client = (int(geometry['X']) + border, int(geometry['Y']) + int(geometry['HEIGHT']) - 398 - border)

# Clicks the button at (x, y) of the client area; gives where the pointer was as it clicked.
def click(x, y):
    xdotool('mousemove', '--sync', str(client[0] + x), str(client[1] + y))
    at = pointer()
    xdotool('click', '1')
    return at

def activate():
    return click(272, 332)

def stop():
    click(344, 332)

def send(yaw, pitch=0.0):
    sender.sendto(struct.pack('<6d', 0, 0, 0, yaw, pitch, 0), ('127.0.0.1', 47428))

# Poses at 250 a second for SECONDS, the head at HEAD(t) degrees (yaw, pitch).
def track(seconds, head):
    start = time.monotonic()
    for i in range(int(seconds * 250) + 1):
        send(*head(i / 250))
        time.sleep(max(0.0, start + (i + 1) / 250 - time.monotonic()))

activate()
track(1, lambda t: (0, 0))  # the first pose after Activate is the centre
start = pointer()
track(4, lambda t: (10 * t / 4, 0))
track(0.5, lambda t: (10, 0))
ramp = pointer()
print(f'0 to 10 degrees of yaw over 4 s: the pointer moved {ramp[0] - start[0]:+d} px across, '
      f'{ramp[1] - start[1]:+d} px down (expected +100, 0)')

stop()
track(1, lambda t: (30, 0))  # turned 20 degrees more while stopped
clicked = activate()
track(1, lambda t: (30, 0))
after = pointer()
print(f'Stop, turn 20 degrees, Activate: the pointer moved {after[0] - clicked[0]:+d} px across, '
      f'{after[1] - clicked[1]:+d} px down from the click (expected 0, 0)')
stop()
PY

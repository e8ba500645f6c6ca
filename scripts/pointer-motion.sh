#!/bin/bash
# Measures the pointer's motion as a user meets it: the real nodlink.exe with default.vfx under
# Wine, clicked with the real pointer. With the opentrack bridge, fed head poses at 250 a second
# from one process while another reads the X pointer about every 0.3 ms, it prints the pointer's
# moves a second during a steady turn and how unevenly they fall into 60 Hz frames, the latency
# from a pose to the pointer's first move, how far a slow 10-degree turn moves the pointer and
# whether Activate makes it jump. With the moving simulated head it prints the CPU time a second
# of nodlink.exe and wineserver. Prints figures and asserts nothing.
# Usage: scripts/pointer-motion.sh [PROGRAM-FOLDER]   (default: the build's program folder)
set -euo pipefail
cd "$(dirname "$0")/.."

preset=$(scripts/wine-arch.sh)
scripts/setup.sh "$preset" --target program >/dev/null
arch=$(sed -n 's/^MINGW_ARCH:[A-Z]*=//p' "build/$preset/CMakeCache.txt")
built=${1:-build/$preset/program}
prefix="$PWD/build/$preset/wine/measure-prefix"
folder=$(mktemp -d)
finish() {
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ -z "${xvfb:-}" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$folder"
}
trap finish EXIT
mkdir "$folder/bridge" "$folder/simulated"
cp "$built/nodlink.exe" "$built/default.vfx" "$built/bridge/VFXDrive.dll" "$built/bridge/VFXDraw.dll" "$folder/bridge/"
cp "$built/nodlink.exe" "$built/default.vfx" "$built/VFXDrive.dll" "$built/VFXDraw.dll" "$folder/simulated/"
printf '[Bridge]\r\nPort=47428\r\n' >"$folder/bridge/VFXBridge.ini"

. scripts/xvfb.sh
# Wide enough for the steady turn's 1600 px to the right of the Activate button, which Wine
# places in the middle of the screen.
start_xvfb 3840x1024
# Other processes delay the timer's ticks: the figures mean little without the load.
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

# Wine doubles a relative move above 6 px an event, as Windows does with its default mouse
# settings; with acceleration off a turn's and a step's moves arrive as the program sends them.
# Wine reads these values at the program's start: a 2-degree step then moves 20 px, not 40.
for value in MouseSpeed MouseThreshold1 MouseThreshold2; do
  scripts/wine-run.sh "$prefix" "$arch" reg add 'HKCU\Control Panel\Mouse' /v "$value" /d 0 /f >/dev/null
done

python3 - "$prefix" "$arch" "$folder" <<'PY'
import bisect, ctypes, multiprocessing, os, random, socket, statistics, struct, subprocess, sys, time

prefix, arch, folder = sys.argv[1:]
sender = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)

x11 = ctypes.cdll.LoadLibrary('libX11.so.6')
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XQueryPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7

# Reads the X pointer with one round trip to the server; xdotool would spawn a process a read.
class Pointer:
    def __init__(self):
        self.display = x11.XOpenDisplay(None)
        self.root = x11.XDefaultRootWindow(self.display)
        self.window, self.x, self.y, self.mask = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int(), ctypes.c_uint()

    def read(self):
        w, i, m = ctypes.byref(self.window), ctypes.byref(self.x), ctypes.byref(self.y)
        x11.XQueryPointer(self.display, self.root, w, w, i, m, m, m, ctypes.byref(self.mask))
        return self.x.value, self.y.value

pointer = Pointer().read

# In a process of its own, so the pose sender's sleeps never delay a read: logs each change of
# the pointer's position with the time it was seen.
def watch(path, stop, interval):
    read = Pointer().read
    last, reads, start = None, 0, time.monotonic()
    with open(path, 'wb', buffering=0) as log:
        while not stop.is_set():
            at = read()
            seen = time.monotonic()
            reads += 1
            if at != last:
                log.write(struct.pack('<dii', seen, *at))
                last = at
            time.sleep(max(0.0, start + reads * 0.0003 - seen))
    interval.value = (time.monotonic() - start) / reads

def xdotool(*args):
    return subprocess.run(['xdotool', *args], check=True, capture_output=True, text=True, timeout=60).stdout

# Starts nodlink.exe from FOLDER and gives the top left corner of its client area.
def start(program):
    wine = subprocess.Popen(['scripts/wine-run.sh', prefix, arch, f'{program}/nodlink.exe'])
    window = xdotool('search', '--sync', '--name', '^Nodlink$').split()[0]
    time.sleep(1)
    # The client area is 463 x 398 at 96 DPI; Wine draws the frame inside the X window.
    geometry = dict(line.split('=') for line in xdotool('getwindowgeometry', '--shell', window).split())
    border = (int(geometry['WIDTH']) - 463) // 2
    return wine, (int(geometry['X']) + border, int(geometry['Y']) + int(geometry['HEIGHT']) - 398 - border)

def end(wine):
    subprocess.run(['/usr/lib/wine/wineserver', '-k'], env={**os.environ, 'WINEPREFIX': prefix}, timeout=30)
    wine.wait(timeout=30)

# Clicks the button at (x, y) of the client area; gives where the pointer was as it clicked.
def click(client, x, y):
    xdotool('mousemove', '--sync', str(client[0] + x), str(client[1] + y))
    at = pointer()
    xdotool('click', '1')
    return at

def activate(client):
    return click(client, 272, 332)

def stop(client):
    click(client, 344, 332)

def send(yaw, pitch=0.0):
    sender.sendto(struct.pack('<6d', 0, 0, 0, yaw, pitch, 0), ('127.0.0.1', 47428))

# Poses at 250 a second for SECONDS, the head at HEAD(t) degrees (yaw, pitch); gives the time
# of the first.
def track(seconds, head):
    start = time.monotonic()
    for i in range(int(seconds * 250) + 1):
        send(*head(i / 250))
        time.sleep(max(0.0, start + (i + 1) / 250 - time.monotonic()))
    return start

wine, client = start(f'{folder}/bridge')
log = f'{folder}/pointer.log'
stop_watch, interval = multiprocessing.Event(), multiprocessing.Value('d')
watcher = multiprocessing.Process(target=watch, args=(log, stop_watch, interval), daemon=True)
watcher.start()

activate(client)
track(1, lambda t: (0, 0))  # the first pose after Activate is the centre
before = pointer()
track(4, lambda t: (10 * t / 4, 0))
track(0.5, lambda t: (10, 0))
ramp = pointer()

stop(client)
track(1, lambda t: (30, 0))  # turned 20 degrees more while stopped
clicked = activate(client)
track(1, lambda t: (30, 0))
after = pointer()

# 40 degrees a second for 4 s: 4 px a tick at 100 ticks a second.
stop(client)
track(0.5, lambda t: (-80, 0))
activate(client)
track(0.5, lambda t: (-80, 0))
turn = track(4, lambda t: (-80 + 40 * t, 0))

# Steps of 2 degrees, out and back, 0.2 s apart; a random pause of up to one pose interval
# before each spreads them over the timer's phase.
track(0.5, lambda t: (80, 0))
steps = []
for n in range(100):
    time.sleep(random.uniform(0, 0.004))
    yaw = 82 if n % 2 == 0 else 80
    steps.append(track(0.2, lambda t: (yaw, 0)))
stop(client)
stop_watch.set()
watcher.join(timeout=10)
end(wine)

with open(log, 'rb') as file:
    seen = list(struct.iter_unpack('<dii', file.read()))
times = [t for t, _, _ in seen]

def at(moment):
    _, x, y = seen[max(0, bisect.bisect_right(times, moment) - 1)]
    return x, y

print(f'pointer read every {interval.value * 1000:.2f} ms on average')
begin, close = turn + 0.5, turn + 4  # past the start's latency
moves = sum(1 for t in times if begin < t <= close)
print(f'steady turn of 40 degrees a second: {moves / (close - begin):.0f} pointer moves a second')
frames = [at(begin + k / 60)[0] for k in range(int((close - begin) * 60) + 1)]
per_frame = [b - a for a, b in zip(frames, frames[1:])]
print(f'  move per 60 Hz frame: mean {statistics.mean(per_frame):.2f} px (expected 6.67), '
      f'unevenness (std / mean) {statistics.pstdev(per_frame) / statistics.mean(per_frame):.2f}, '
      f'largest {max(per_frame)} px')

latencies, sizes = [], []
for sent, following in zip(steps, steps[1:] + [steps[-1] + 0.2]):
    moved = [t for t in times if sent < t < following]
    if moved:
        latencies.append((moved[0] - sent) * 1000)
    sizes.append(abs(at(following - 0.001)[0] - at(sent)[0]))
print(f'pose to pointer, 2-degree steps: latency median {statistics.median(latencies):.1f} ms, '
      f'p90 {statistics.quantiles(latencies, n=10)[-1]:.1f} ms, max {max(latencies):.1f} ms '
      f'({len(latencies)} of {len(steps)} steps moved the pointer); '
      f'step size median {statistics.median(sizes):.0f} px (expected 20)')

print(f'0 to 10 degrees of yaw over 4 s: the pointer moved {ramp[0] - before[0]:+d} px across, '
      f'{ramp[1] - before[1]:+d} px down (expected +100, 0)')
print(f'Stop, turn 20 degrees, Activate: the pointer moved {after[0] - clicked[0]:+d} px across, '
      f'{after[1] - clicked[1]:+d} px down from the click (expected 0, 0)')

def cpu_seconds(pid):
    with open(f'/proc/{pid}/stat') as stat:
        fields = stat.read().rsplit(')', 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf('SC_CLK_TCK')

def process(name):
    for pid in filter(str.isdigit, os.listdir('/proc')):
        try:
            with open(f'/proc/{pid}/comm') as comm, open(f'/proc/{pid}/environ', 'rb') as environ:
                if comm.read().strip().startswith(name) and \
                        f'WINEPREFIX={prefix}'.encode() in environ.read().split(b'\0'):
                    return pid
        except OSError:
            pass
    raise RuntimeError(f'no {name} process in {prefix}')

def print_cpu(label, nodlink, wineserver):
    print(f'  {label:8} nodlink.exe {nodlink:.3f} s/s, wineserver {wineserver:.3f} s/s, sum {nodlink + wineserver:.3f} s/s')

# The pointer starts where the click on Activate left it, and the simulated head swings it up to
# 240 px sideways and 160 px up and down from there, about half the time over the Nodlink window
# and half below or right of it: the same path in every round.
print('CPU a second while tracking the moving simulated head, pointer starting on Activate:')
rounds = []
for n in range(3):
    wine, client = start(f'{folder}/simulated')
    activate(client)
    time.sleep(2)
    pids = process('nodlink.exe'), process('wineserver')
    start_cpu, start_time = [cpu_seconds(pid) for pid in pids], time.monotonic()
    time.sleep(10)
    rounds.append([(cpu_seconds(pid) - s) / (time.monotonic() - start_time) for pid, s in zip(pids, start_cpu)])
    end(wine)
    print_cpu(f'round {n + 1}:', *rounds[-1])
print_cpu('mean:', *map(statistics.mean, zip(*rounds)))
PY

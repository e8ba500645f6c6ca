"""Measures the pointer's motion as a user meets it: the real nodlink.exe with default.vfx under Wine,
on a private X server, clicked with the real pointer. Prints figures and asserts nothing.

Through the opentrack bridge, fed head poses at 250 a second as opentrack sends them while another
process reads the X pointer about every 0.3 ms, it prints the pointer's moves a second during a
steady turn and how unevenly they fall into 60 Hz frames, the latency from a pose to the pointer's
first move, how far a slow 10-degree turn moves the pointer, whether Activate makes it jump, and how
far it jumps when opentrack re-centres, stops and starts again. With the moving simulated head it
prints the CPU time a second of nodlink.exe and wineserver.

--load N measures the motion three times: on the quiet machine, beside N busy loops at normal
priority, and beside them with nodlink.exe and wineserver reniced to what the ticking thread's
priority gives it on a system that honours thread priorities (Wine 8 does not). The pose sender,
the pointer reader and the X server then run above the loops, so that the figures are Nodlink's.

Usage: pointer_motion.py PRESET [--load N] [PROGRAM-FOLDER]   (pointer-motion.sh builds first)
"""
import argparse
import bisect
import contextlib
import ctypes
import multiprocessing
import os
import pathlib
import random
import shutil
import socket
import statistics
import struct
import subprocess
import sys
import tempfile
import time

import dialog_layout

ROOT = pathlib.Path(__file__).resolve().parent.parent
PORT = 47428
POSES_PER_SECOND = 250  # opentrack's pipeline sends a pose every 4 ms
# On a system that honours it, THREAD_PRIORITY_HIGHEST puts the ticking thread two levels above
# normal threads, ahead of them; CFS has no strict levels, and nice -10 gives about nine times the
# weight of a loop at nice 0. wineserver does the work Windows does in the caller's thread.
RAISED_NICE = -10
# Above everything measured: the sender stands for opentrack, whose pipeline thread runs at the
# highest priority; the reader and the X server stand for the system's own input handling.
OBSERVER_NICE = -15

x11 = ctypes.cdll.LoadLibrary('libX11.so.6')
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XQueryPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7


class Pointer:
    """Reads the X pointer with one round trip to the server; xdotool would spawn a process a read."""

    def __init__(self):
        self.display = x11.XOpenDisplay(None)
        self.root = x11.XDefaultRootWindow(self.display)
        self.window, self.x, self.y, self.mask = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int(), ctypes.c_uint()

    def read(self):
        w, i, m = ctypes.byref(self.window), ctypes.byref(self.x), ctypes.byref(self.y)
        x11.XQueryPointer(self.display, self.root, w, w, i, m, m, m, ctypes.byref(self.mask))
        return self.x.value, self.y.value


def normal_priority():
    os.setpriority(os.PRIO_PROCESS, 0, 0)


def renice(pid, nice):
    """Every thread of PID: Linux keeps a nice value per thread."""
    for tid in os.listdir(f'/proc/{pid}/task'):
        with contextlib.suppress(ProcessLookupError):
            os.setpriority(os.PRIO_PROCESS, int(tid), nice)


def watch(path, stop, interval, nice):
    """In a process of its own, so the pose sender's sleeps never delay a read: logs each change of
    the pointer's position with the time it was seen."""
    os.setpriority(os.PRIO_PROCESS, 0, nice)
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


def busy():
    normal_priority()
    while True:
        pass


def xdotool(*args):
    return subprocess.run(['xdotool', *args], check=True, capture_output=True, text=True, timeout=60).stdout


class Machine:
    """The X server, the Wine prefix and the program folders of one measurement."""

    def __init__(self, preset, built, folder, observer_nice):
        self.arch = next(line.split('=', 1)[1] for line in (ROOT / f'build/{preset}/CMakeCache.txt').read_text()
                         .splitlines() if line.startswith('MINGW_ARCH:'))
        self.prefix = str(ROOT / f'build/{preset}/wine/measure-prefix')
        self.folder, self.observer_nice = folder, observer_nice
        for driver, dlls in (('bridge', built / 'bridge'), ('simulated', built)):
            (folder / driver).mkdir()
            for source in (built / 'nodlink.exe', built / 'default.vfx', dlls / 'VFXDrive.dll', dlls / 'VFXDraw.dll'):
                shutil.copy(source, folder / driver)
        (folder / 'bridge/VFXBridge.ini').write_bytes(f'[Bridge]\r\nPort={PORT}\r\n'.encode())
        # Wide enough for the steady turn's 1600 px to the right of the Activate button, which Wine
        # places in the middle of the screen.
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-screen', '0', '3840x1024x24',
                                      '-nolisten', 'tcp'], pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as display:
            os.environ['DISPLAY'] = ':' + display.readline().strip()
        os.setpriority(os.PRIO_PROCESS, self.xvfb.pid, observer_nice)
        # Wine doubles a relative move above 6 px an event, as Windows does with its default mouse
        # settings; with acceleration off a turn's and a step's moves arrive as the program sends
        # them. Wine reads these values at the program's start.
        for value in ('MouseSpeed', 'MouseThreshold1', 'MouseThreshold2'):
            self.wine('reg', 'add', r'HKCU\Control Panel\Mouse', '/v', value, '/d', '0', '/f').wait()

    def wine(self, *args):
        return subprocess.Popen([str(ROOT / 'scripts/wine-run.sh'), self.prefix, self.arch, *args],
                                stdout=subprocess.DEVNULL, preexec_fn=normal_priority)

    def close(self):
        self.stop_wine()
        self.xvfb.kill()

    def stop_wine(self):
        subprocess.run(['/usr/lib/wine/wineserver', '-k'], env={**os.environ, 'WINEPREFIX': self.prefix}, timeout=30)

    def process(self, name):
        """The pid of the process NAME of this prefix."""
        for pid in filter(str.isdigit, os.listdir('/proc')):
            with contextlib.suppress(OSError):
                with open(f'/proc/{pid}/comm') as comm, open(f'/proc/{pid}/environ', 'rb') as environ:
                    if comm.read().strip().startswith(name) and \
                            f'WINEPREFIX={self.prefix}'.encode() in environ.read().split(b'\0'):
                        return int(pid)
        raise RuntimeError(f'no {name} process in {self.prefix}')


class Nodlink:
    """nodlink.exe started from a program folder, clicked where the layout puts its buttons."""

    def __init__(self, machine, driver):
        self.machine = machine
        self.wine = machine.wine(str(machine.folder / driver / 'nodlink.exe'))
        window = xdotool('search', '--sync', '--name', '^Nodlink$').split()[0]
        time.sleep(1)
        # Wine draws the frame inside the X window.
        width, height = dialog_layout.client_size()
        geometry = dict(line.split('=') for line in xdotool('getwindowgeometry', '--shell', window).split())
        border = (int(geometry['WIDTH']) - width) // 2
        self.client = int(geometry['X']) + border, int(geometry['Y']) + int(geometry['HEIGHT']) - height - border

    def click(self, button):
        """Gives where the pointer was as it clicked."""
        x, y = dialog_layout.centre(button)
        xdotool('mousemove', '--sync', str(self.client[0] + x), str(self.client[1] + y))
        at = Pointer().read()
        xdotool('click', '1')
        return at

    def end(self):
        self.machine.stop_wine()
        self.wine.wait(timeout=30)


class Opentrack:
    """Head poses as opentrack's "UDP over network" output sends them, at its pace."""

    def __init__(self):
        self.socket = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)

    def send(self, yaw, pitch=0.0):
        """A pose with the few millimetres of a real head's position, which is never exactly 0."""
        self.socket.sendto(struct.pack('<6d', 0.1, -0.2, 0.3, yaw, pitch, 0), ('127.0.0.1', PORT))

    def stop(self):
        """opentrack's last datagram as it stops: six zeros, whatever the head's pose."""
        self.socket.sendto(bytes(48), ('127.0.0.1', PORT))

    def track(self, seconds, head):
        """Poses for SECONDS, the head at HEAD(t) degrees (yaw, pitch); gives the time of the first."""
        start = time.monotonic()
        for i in range(int(seconds * POSES_PER_SECOND) + 1):
            self.send(*head(i / POSES_PER_SECOND))
            time.sleep(max(0.0, start + (i + 1) / POSES_PER_SECOND - time.monotonic()))
        return start


def moved(before, after):
    return after[0] - before[0], after[1] - before[1]


def motion(machine, renice_nodlink):
    """One run of the bridge's figures: a dict of what was measured."""
    nodlink = Nodlink(machine, 'bridge')
    if renice_nodlink:
        renice(machine.process('nodlink.exe'), RAISED_NICE)
        renice(machine.process('wineserver'), RAISED_NICE)
    log = machine.folder / 'pointer.log'
    stop_watch, interval = multiprocessing.Event(), multiprocessing.Value('d')
    watcher = multiprocessing.Process(target=watch, args=(log, stop_watch, interval, machine.observer_nice),
                                      daemon=True)
    watcher.start()
    pointer, head, figures = Pointer().read, Opentrack(), {}

    nodlink.click('Run')
    head.track(1, lambda t: (0, 0))  # the first pose after Activate is the centre
    before = pointer()
    head.track(4, lambda t: (10 * t / 4, 0))
    head.track(0.5, lambda t: (10, 0))
    figures['slow turn'] = moved(before, pointer())

    nodlink.click('Stop')
    head.track(1, lambda t: (30, 0))  # turned 20 degrees more while stopped
    clicked = nodlink.click('Run')
    head.track(1, lambda t: (30, 0))
    figures['activate'] = moved(clicked, pointer())

    # 40 degrees a second for 4 s, then opentrack's Center: the angles step to 0 in one datagram.
    nodlink.click('Stop')
    head.track(0.5, lambda t: (-80, 0))
    nodlink.click('Run')
    head.track(0.5, lambda t: (-80, 0))
    turn = head.track(4, lambda t: (-80 + 40 * t, 0))
    head.track(0.3, lambda t: (80, 0))
    before = pointer()
    head.track(0.5, lambda t: (0, 0))
    figures['re-centring'] = moved(before, pointer())

    # Steps of 2 degrees, out and back, 0.2 s apart; a random pause of up to one pose interval
    # before each spreads them over the timer's phase.
    steps = []
    for n in range(100):
        time.sleep(random.uniform(0, 1 / POSES_PER_SECOND))
        yaw = 2 if n % 2 == 0 else 0
        steps.append(head.track(0.2, lambda t: (yaw, 0)))

    # Stop with the head turned aside, silence, and the poses of opentrack started again.
    head.track(2, lambda t: (-13.9 * t, -0.8 * t))
    head.track(0.3, lambda t: (-27.8, -1.6))
    before = pointer()
    head.stop()
    time.sleep(1)
    figures['stop'] = moved(before, pointer())
    before = pointer()
    head.track(1, lambda t: (0, 0))
    figures['restart'] = moved(before, pointer())

    nodlink.click('Stop')
    stop_watch.set()
    watcher.join(timeout=10)
    nodlink.end()
    with open(log, 'rb') as file:
        seen = list(struct.iter_unpack('<dii', file.read()))
    return figures | turn_figures(seen, turn) | latency_figures(seen, steps) | {'read_every': interval.value * 1000}


def position_at(seen, times, moment):
    _, x, y = seen[max(0, bisect.bisect_right(times, moment) - 1)]
    return x, y


def turn_figures(seen, turn):
    times = [t for t, _, _ in seen]
    begin, close = turn + 0.5, turn + 4  # past the start's latency
    frames = [position_at(seen, times, begin + k / 60)[0] for k in range(int((close - begin) * 60) + 1)]
    per_frame = [b - a for a, b in zip(frames, frames[1:])]
    return {'moves': sum(1 for t in times if begin < t <= close) / (close - begin),
            'frame mean': statistics.mean(per_frame),
            'unevenness': statistics.pstdev(per_frame) / statistics.mean(per_frame),
            'frame largest': max(per_frame)}


def latency_figures(seen, steps):
    times = [t for t, _, _ in seen]
    latencies, sizes = [], []
    for sent, following in zip(steps, steps[1:] + [steps[-1] + 0.2]):
        first = bisect.bisect_right(times, sent)
        if first < len(times) and times[first] < following:
            latencies.append((times[first] - sent) * 1000)
        sizes.append(abs(position_at(seen, times, following - 0.001)[0] - position_at(seen, times, sent)[0]))
    return {'latency median': statistics.median(latencies), 'latency p90': statistics.quantiles(latencies, n=10)[-1],
            'latency max': max(latencies), 'steps moved': f'{len(latencies)}/{len(steps)}',
            'step size': statistics.median(sizes)}


ROWS = [  # label, how a run's figures show, what to expect
    ('pointer moves a second, steady 40-degree/s turn', lambda f: f"{f['moves']:.0f}", ''),
    ('  move per 60 Hz frame: mean', lambda f: f"{f['frame mean']:.2f} px", '6.67'),
    ('  unevenness (std / mean)', lambda f: f"{f['unevenness']:.2f}", ''),
    ('  largest move in a frame', lambda f: f"{f['frame largest']} px", ''),
    ('pose to pointer, 2-degree steps: median', lambda f: f"{f['latency median']:.1f} ms", ''),
    ('  p90', lambda f: f"{f['latency p90']:.1f} ms", ''),
    ('  max', lambda f: f"{f['latency max']:.1f} ms", ''),
    ('  steps that moved the pointer', lambda f: f['steps moved'], '100/100'),
    ('  step size, median', lambda f: f"{f['step size']:.0f} px", '20'),
    ('0 to 10 degrees of yaw over 4 s: moved', lambda f: '{:+d}, {:+d} px'.format(*f['slow turn']), '+100, +0'),
    ('Stop, turn 20 degrees, Activate: jump', lambda f: '{:+d}, {:+d} px'.format(*f['activate']), '+0, +0'),
    ("opentrack's Center at 80 degrees: jump", lambda f: '{:+d}, {:+d} px'.format(*f['re-centring']), '+0, +0'),
    ("opentrack's Stop at -27.8, -1.6: jump", lambda f: '{:+d}, {:+d} px'.format(*f['stop']), '+0, +0'),
    ("opentrack started again: jump", lambda f: '{:+d}, {:+d} px'.format(*f['restart']), '+0, +0'),
    ('pointer read every', lambda f: f"{f['read_every']:.2f} ms", ''),
]


def print_table(runs):
    width = max(len(label) for label, _, _ in ROWS) + 2
    print(f"{'':{width}}" + ''.join(f'{name:>20}' for name in runs) + '   expected')
    for label, show, expected in ROWS:
        print(f'{label:{width}}' + ''.join(f'{show(figures):>20}' for figures in runs.values()) + f'   {expected}')


def cpu_seconds(pid):
    with open(f'/proc/{pid}/stat') as stat:
        fields = stat.read().rsplit(')', 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf('SC_CLK_TCK')


def print_cpu(label, nodlink, wineserver):
    print(f'  {label:8} nodlink.exe {nodlink:.3f} s/s, wineserver {wineserver:.3f} s/s, '
          f'sum {nodlink + wineserver:.3f} s/s')


def cpu(machine):
    """The pointer starts where the click on Activate left it, and the simulated head swings it up
    to 240 px sideways and 160 px up and down from there, about half the time over the Nodlink
    window and half below or right of it: the same path in every round."""
    print('CPU a second while tracking the moving simulated head, pointer starting on Activate:')
    rounds = []
    for n in range(3):
        nodlink = Nodlink(machine, 'simulated')
        nodlink.click('Run')
        time.sleep(2)
        pids = machine.process('nodlink.exe'), machine.process('wineserver')
        start_cpu, start_time = [cpu_seconds(pid) for pid in pids], time.monotonic()
        time.sleep(10)
        rounds.append([(cpu_seconds(pid) - s) / (time.monotonic() - start_time) for pid, s in zip(pids, start_cpu)])
        nodlink.end()
        print_cpu(f'round {n + 1}:', *rounds[-1])
    print_cpu('mean:', *map(statistics.mean, zip(*rounds)))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('preset')
    parser.add_argument('--load', type=int, default=0, metavar='N', help='N busy loops beside the motion figures')
    parser.add_argument('folder', nargs='?', help="the program folder (default: the build's)")
    options = parser.parse_intermixed_args()
    built = pathlib.Path(options.folder or ROOT / f'build/{options.preset}/program')
    can_raise = os.geteuid() == 0
    if options.load and not can_raise:
        print('note: not root, so the reader, the sender and the X server stay at nice 0 and nothing is reniced')
    observer_nice = OBSERVER_NICE if options.load and can_raise else 0
    with tempfile.TemporaryDirectory() as folder:
        machine = Machine(options.preset, built, pathlib.Path(folder), observer_nice)
        try:
            os.setpriority(os.PRIO_PROCESS, 0, observer_nice)
            # Other processes delay the timer's ticks: the figures mean little without the load.
            print(f"load average before: {' '.join(open('/proc/loadavg').read().split()[:3])}")
            runs = {'quiet': motion(machine, False)}
            if options.load:
                loops = [multiprocessing.Process(target=busy, daemon=True) for _ in range(options.load)]
                for loop in loops:
                    loop.start()
                runs[f'{options.load} busy loops'] = motion(machine, False)
                if can_raise:
                    runs[f'loops, nice {RAISED_NICE}'] = motion(machine, True)
                for loop in loops:
                    loop.kill()
            print_table(runs)
            cpu(machine)
        finally:
            machine.close()


if __name__ == '__main__':
    sys.exit(main())

#!/usr/bin/python3
"""Start-up time and peak memory of the program against a bare Qt Widgets
window, run alternately in one private X server. A third window, the bare one
with a single label, shows the floor for any window that draws text: the
font stack (fontconfig, FreeType, HarfBuzz) that a bare window never loads.

The line program/label is the one with targets: first frame at most 1.25
times the one-label window, peak memory at most 1.10 times.

Time: from the exec of the process to the X server mapping its first
top-level window (MapNotify on the root window, no polling), and to the first
frame drawn into that window (DamageNotify), when the user sees it filled.
Memory: the peak resident set, read from wait4 after the process has been up
for a moment and is asked to terminate.

Further programs given as name=path (the program built without one of its
start-up measures, say) are measured in the same rounds and compared with
the program.

Usage: benchmarks/startup.py [build folder, default build/dev] [rounds, default 15] [name=path ...]
"""
import os
import select
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display
from Xlib.ext import damage


def start_xvfb():
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24",
                             "-noreset", "-nolisten", "tcp"], pass_fds=[write_fd],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_fd)
    number = os.read(read_fd, 64).decode().strip()
    os.close(read_fd)
    return xvfb, ":" + number


def connect(name):
    # The server reports its number a moment before it takes connections.
    for _ in range(40):
        try:
            return display.Display(name)
        except Exception:
            time.sleep(0.05)
    return None


def start_server():
    """A private X server and a connection to it. A server that is still
    shutting down can remove the socket of a new one that took its number,
    so a server that cannot be reached is replaced."""
    for _ in range(3):
        xvfb, name = start_xvfb()
        disp = connect(name)
        if disp is not None:
            disp.damage_query_version()  # the extension takes no requests before this
            return xvfb, name, disp
        xvfb.terminate()
        xvfb.wait()
    raise RuntimeError("no X server could be reached")


def measure(command, disp, env):
    """Seconds from exec to the first top-level map and to the first frame
    drawn into that window, and peak RSS in MiB."""
    root = disp.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    disp.sync()
    while disp.pending_events():
        disp.next_event()
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = framed = window = None
    deadline = start + 20
    while framed is None and time.monotonic() < deadline:
        if not disp.pending_events():
            select.select([disp.fileno()], [], [], 0.05)
        while framed is None and disp.pending_events():
            event = disp.next_event()
            now = time.monotonic()
            if event.type == X.CreateNotify and not event.override:
                # Watched from its creation, so no drawing can slip past.
                event.window.damage_create(damage.DamageReportNonEmpty)
                disp.flush()
            elif event.type == X.MapNotify and not event.override and mapped is None:
                mapped, window = now, event.window.id
            elif type(event).__name__ == "DamageNotify" and mapped is not None and event.drawable.id == window:
                framed = now
    time.sleep(0.5)  # settle: peak memory of a program that is up
    process.send_signal(signal.SIGTERM)
    _, _, usage = os.wait4(process.pid, 0)
    root.change_attributes(event_mask=X.NoEventMask)
    if framed is None:
        raise RuntimeError(f"{command[0]} mapped and drew no window")
    return mapped - start, framed - start, usage.ru_maxrss / 1024


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/dev"
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    program = [os.path.join(build, "src/velto-arithmancy")]
    bare = [os.path.join(build, "benchmarks/bare_window")]
    label = [os.path.join(build, "benchmarks/label_window")]
    xvfb, name, disp = start_server()
    try:
        with tempfile.TemporaryDirectory() as home:
            env = dict(os.environ, DISPLAY=name, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=home + "/config",
                       XDG_RUNTIME_DIR=home + "/runtime", DBUS_SESSION_BUS_ADDRESS="disabled:")
            os.makedirs(home + "/runtime", mode=0o700)
            commands = {"program": program, "label": label, "bare": bare}
            for extra in sys.argv[3:]:
                key, path = extra.split("=", 1)
                commands[key] = [path]
            results = {k: [] for k in commands}
            for command in commands.values():  # warm the caches for all
                measure(command, disp, env)
            order = list(commands)
            for r in range(rounds):
                # A start runs faster or slower after some starts than after
                # others: each comes first, second, third and so on in turn.
                for k in order[r % len(order):] + order[: r % len(order)]:
                    results[k].append(measure(commands[k], disp, env))
    finally:
        xvfb.terminate()
        xvfb.wait()

    med = {k: [statistics.median(r[i] for r in v) for i in range(3)] for k, v in results.items()}
    print(f"{'':14}{'to map (ms)':>14}{'to frame (ms)':>16}{'peak RSS (MiB)':>16}")
    for k in commands:
        print(f"{k:14}{med[k][0] * 1000:14.1f}{med[k][1] * 1000:16.1f}{med[k][2]:16.1f}")
    for a, b in (("program", "bare"), ("label", "bare"), ("program", "label")):
        ratios = [med[a][i] / med[b][i] for i in range(3)]
        print(f"{a + '/' + b:14}{ratios[0]:14.2f}{ratios[1]:16.2f}{ratios[2]:16.2f}")
    # The targets: the program's first frame and peak memory against the
    # one-label window, the floor of any window that draws text.
    print(f"{'target':14}{'':14}{'<= 1.25':>16}{'<= 1.10':>16}")
    for k in list(commands)[3:]:
        ratios = [med[k][i] / med["program"][i] for i in range(3)]
        print(f"{k + '/program':14}{ratios[0]:14.3f}{ratios[1]:16.3f}{ratios[2]:16.3f}")
    print(f"load average {os.getloadavg()[0]:.2f}, {rounds} rounds")


if __name__ == "__main__":
    main()

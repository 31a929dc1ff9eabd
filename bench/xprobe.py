"""Measures, on an X display, how long a program takes from exec to its first window being mapped,
its resident memory once shown, and Kinmatch's generate command from Alt+G to the result window
being mapped. Used by startup.sh; prints one line per measurement."""

import os
import select
import subprocess
import sys
import time

from Xlib import X, XK, display
from Xlib.ext import xtest


def next_map(d, root, accept, timeout):
    """Waits for a top-level window that accept() likes to be mapped; returns (time, window)."""
    deadline = time.monotonic() + timeout
    while True:
        while d.pending_events():
            event = d.next_event()
            if event.type == X.MapNotify and accept(event.window):
                return time.monotonic(), event.window
        left = deadline - time.monotonic()
        if left <= 0:
            raise TimeoutError("no window appeared")
        select.select([d.fileno()], [], [], left)


def titled(title):
    def accept(window):
        try:
            return window.get_wm_name() == title
        except Exception:
            return False
    return accept


def wide(width):
    def accept(window):
        try:
            return window.get_geometry().width == width
        except Exception:
            return False
    return accept


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def press(d, *names):
    codes = [d.keysym_to_keycode(XK.string_to_keysym(name)) for name in names]
    for code in codes:
        xtest.fake_input(d, X.KeyPress, code)
    for code in reversed(codes):
        xtest.fake_input(d, X.KeyRelease, code)
    d.flush()


def start(d, root, command, title):
    began = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    shown, window = next_map(d, root, titled(title), 20)
    return process, (shown - began) * 1000, window


def main():
    kind, title = sys.argv[1], sys.argv[2]
    command = sys.argv[3:]  # the program and its arguments
    d = display.Display()
    root = d.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    process, startup_ms, window = start(d, root, command, title)
    time.sleep(0.4)  # let it settle before reading its memory
    line = f"startup_ms={startup_ms:.1f} rss_kib={rss_kib(process.pid)}"
    if kind == "generate":
        window.set_input_focus(X.RevertToParent, X.CurrentTime)
        d.sync()
        for text in ("Ann",):
            subprocess.run(["xdotool", "type", "--delay", "5", text], check=True)
        for _ in range(6):
            press(d, "Tab")
        subprocess.run(["xdotool", "type", "--delay", "5", "Bob"], check=True)
        time.sleep(0.3)
        while d.pending_events():
            d.next_event()
        began = time.monotonic()
        press(d, "Alt_L", "g")
        shown, _ = next_map(d, root, wide(656), 10)
        line += f" generate_ms={(shown - began) * 1000:.1f}"
    process.terminate()
    process.wait()
    print(line, flush=True)


if __name__ == "__main__":
    main()

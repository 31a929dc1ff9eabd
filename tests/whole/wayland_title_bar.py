"""Kinmatch's main window on Wayland alone, where Weston leaves the title bar to the program,
through the AT-SPI bus: its own title bar offers to minimize and close, and nothing offers to
maximize. Prints each problem it finds; nothing printed means both checks passed."""

import time

import pyatspi

from atspi_tree import application, walk

app = application("kinmatch")
for _ in range(200):
    buttons = [node.name for node in walk(app) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    if "Close" in buttons:
        break
    time.sleep(0.1)
if "Minimize" not in buttons or "Close" not in buttons:
    print(f"on Wayland the main window has no title bar of its own: {buttons}")
if "Maximize" in buttons:
    print("on Wayland the title bar offers to maximize")

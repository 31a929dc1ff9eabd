"""Kinmatch's main window on Wayland alone, where Weston leaves the title bar to the program,
through the AT-SPI bus: its own title bar offers to minimize and close, and nothing offers to
maximize. Prints each problem it finds; nothing printed means both checks passed. The buttons'
names are the language's, from its catalog (en for English).
  wayland_title_bar.py [CATALOG]"""

import sys
import time

import pyatspi

import catalog
from atspi_tree import application, walk

texts = sys.argv[1] if len(sys.argv) > 1 else "en"
minimize, close = (catalog.shown(texts, "TitleBar", name) for name in ("Minimize", "Close"))
app = application("kinmatch")
for _ in range(200):
    buttons = [node.name for node in walk(app) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    if close in buttons:
        break
    time.sleep(0.1)
if minimize not in buttons or close not in buttons:
    print(f"on Wayland the main window has no title bar of its own: {buttons}")
# The title bar is built alike in every language; the English run sees a button to maximize.
if "Maximize" in buttons:
    print("on Wayland the title bar offers to maximize")

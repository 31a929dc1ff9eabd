"""Waits for Kinmatch to show an alert (a message box) that holds every given text, as a screen
reader meets it on the AT-SPI bus; exits 1 naming the alerts it saw instead.
  alert.py TEXT..."""

import sys
import time

import pyatspi
from gi.repository import GLib

from atspi_tree import application, walk

wanted = sys.argv[1:]
seen = []
app = application("kinmatch")
for _ in range(100):
    seen = []
    for i in range(app.childCount):
        try:
            window = app.getChildAtIndex(i)
            if (window is None or window.getRole() != pyatspi.ROLE_ALERT
                    or not window.getState().contains(pyatspi.STATE_SHOWING)):
                continue
            text = " ".join(node.name for node in walk(window) if node.name)
            seen.append(text)
            if all(part in text for part in wanted):
                sys.exit(0)
        except GLib.GError:
            continue
    time.sleep(0.1)
sys.exit(f"no alert holds {wanted}; alerts seen: {seen}")

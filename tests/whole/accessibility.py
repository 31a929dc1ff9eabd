"""Walks Kinmatch's windows through the real AT-SPI bus, as a screen reader does, and prints
each problem it finds; nothing printed means every check passed.
  accessibility.py OPENED-LOG"""

import sys
import time

import pyatspi
from gi.repository import GLib

opened_log = sys.argv[1]
problems = []


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def application(name):
    for _ in range(200):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    sys.exit(f"no application {name} on the accessibility bus")


def window(app, width):
    for _ in range(200):
        for i in range(app.childCount):
            # A window closing meanwhile (the main window after Generate) leaves the bus.
            try:
                frame = app.getChildAtIndex(i)
                if frame is not None and frame.getRoleName() == "frame":
                    extents = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                    if extents.width == width and frame.getState().contains(pyatspi.STATE_SHOWING):
                        return frame
            except GLib.GError:
                continue
        time.sleep(0.1)
    sys.exit(f"no window {width} pixels wide")


def opened():
    try:
        return open(opened_log).read().split()
    except FileNotFoundError:
        return []


app = application("kinmatch")
main = window(app, 480)
nodes = list(walk(main))

# The six date lists are told apart by their descriptions.
lists = [node.description for node in nodes if node.getRole() == pyatspi.ROLE_COMBO_BOX]
wanted = {f"{whose} date of birth: {part}" for whose in ("Your", "Your partner's")
          for part in ("month", "day", "year")}
if set(lists) != wanted:
    problems.append(f"the date lists are described as {sorted(lists)}")

# Each link label offers an action that does what its click does, and takes no focus.
links = [node for node in nodes if node.getRole() == pyatspi.ROLE_LINK]
if len(links) < 3:
    problems.append(f"only {len(links)} links in the main window")
for link in links:
    if link.getState().contains(pyatspi.STATE_FOCUSABLE):
        problems.append(f"the link '{link.name[:30]}' takes the keyboard's focus")
    try:
        action = link.queryAction()
    except NotImplementedError:
        problems.append(f"the link '{link.name[:30]}' offers no action")
        continue
    before = len(opened())
    action.doAction(0)
    for _ in range(50):
        if len(opened()) > before:
            break
        time.sleep(0.1)
    if len(opened()) <= before:
        problems.append(f"the link '{link.name[:30]}' opened nothing")

# Fill both names and press Generate, as assistive technology can.
boxes = [node for node in nodes if node.getRole() == pyatspi.ROLE_TEXT]
for box, name in zip(boxes, ("Ann", "Bob")):
    box.queryEditableText().setTextContents(name)
generate = [node for node in nodes if node.getRole() == pyatspi.ROLE_PUSH_BUTTON
            and node.name.startswith("Generate")]
if not generate:
    sys.exit("no Generate button")
generate[0].queryAction().doAction(0)

result = window(app, 656)
nodes = list(walk(result))
inner = [node for node in nodes if node.name == "Mayan Astrology Compatibility"]
if not inner:
    problems.append("the inner frame is not announced as 'Mayan Astrology Compatibility'")
elif not any(child.name.endswith("Monkey") or " " in child.name for child in walk(inner[0])
             if child is not inner[0] and child.getRole() == pyatspi.ROLE_LABEL):
    problems.append("the inner frame holds no composite name")
captions = {"Your Mayan Day Sign ", "Your Galactic Tone", "Your Partner's Mayan Day Sign",
            "Your Partner's Galactic Tone"}
related = set()
for node in nodes:
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                related.add(relation.getTarget(i).name)
missing = captions - related
if missing:
    problems.append(f"values not related to their captions: {sorted(missing)}")

print("\n".join(problems))

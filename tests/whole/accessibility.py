"""Walks Kinmatch's windows through the real AT-SPI bus, as a screen reader does, and prints
each problem it finds; nothing printed means every check passed. Texts and access keys are the
language's, from its catalog (en for English).
  accessibility.py OPENED-LOG [CATALOG]"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

import catalog
from atspi_tree import application, walk

opened_log = sys.argv[1]
texts = sys.argv[2] if len(sys.argv) > 2 else "en"
problems = []


def shown(context, text, *arguments):
    return catalog.shown(texts, context, text, *arguments)


def alt(context, text):
    return "alt+" + catalog.access_key(texts, context, text)


def window(app, holding, what):
    """The showing frame (a main window) that holds a node of the role holding: the main window
    holds the date lists, the result window the composite's picture."""
    for _ in range(200):
        for i in range(app.childCount):
            # A window closing meanwhile (the main window after Generate) leaves the bus.
            try:
                frame = app.getChildAtIndex(i)
                if (frame is not None and frame.getRoleName() == "frame"
                        and frame.getState().contains(pyatspi.STATE_SHOWING)
                        and find(frame, holding) is not None):
                    return frame
            except GLib.GError:
                continue
        time.sleep(0.1)
    sys.exit(f"no {what}")


# Every event a screen reader hears about focus and text, in the order the program sent them.
events = []
TEXT_EVENTS = ("object:text-caret-moved", "object:text-selection-changed", "object:text-changed")


def record(event):
    try:
        events.append((event.type, event.source.name, event.source.getRoleName(), event.detail1))
    except Exception:
        pass


pyatspi.Registry.registerEventListener(record, "object:state-changed:focused", "focus:",
                                       *TEXT_EVENTS)


def pump(seconds=0.6):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def gains_focus(kind, detail):
    return kind == "focus:" or (kind.startswith("object:state-changed:focused") and detail == 1)


def pump_until(condition, seconds=5):
    """Events come late on a busy machine: pumps until the condition holds or the time is up,
    then as long again as after keys, so that what follows (a repeated report) is heard too."""
    end = time.time() + seconds
    while not condition() and time.time() < end:
        pump(0.1)
    pump()


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "120", *names], check=True)
    pump()


def click(node):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(extents.x + extents.width // 2),
                    str(extents.y + extents.height // 2), "click", "1"], check=True)
    pump()


def focus_comes_first(name, how):
    """The box's focus is reported once, and before anything it says about its text. Reported
    twice, a screen reader takes the first report for a duplicate of the second, adopts the box
    silently as its text changes in between, and has nothing new to say at the second."""
    pump_until(lambda: any(source == name and gains_focus(kind, detail)
                           for kind, source, _, detail in events))
    mine = [(kind, detail) for kind, source, role, detail in events if source == name]
    focus = [i for i, (kind, detail) in enumerate(mine) if gains_focus(kind, detail)]
    text = [i for i, (kind, _) in enumerate(mine) if kind.startswith(TEXT_EVENTS)]
    if not focus:
        problems.append(f"{how} into '{name}': no focus event")
    elif text and text[0] < focus[0]:
        problems.append(f"{how} into '{name}': {mine[text[0]][0]} comes before the focus")
    for kind in ("focus:", "object:state-changed:focused"):
        gained = [i for i, (event, detail) in enumerate(mine)
                  if event.startswith(kind) and (kind == "focus:" or detail == 1)]
        if len(gained) > 1:
            problems.append(f"{how} into '{name}': {kind} reported {len(gained)} times")


def find(root, role, name=None):
    for node in walk(root):
        try:
            if node.getRole() == role and (name is None or node.name == name):
                return node
        except GLib.GError:
            continue
    return None


def dialog(app, title=None):
    for _ in range(100):
        pump(0.05)
        for i in range(app.childCount):
            try:
                child = app.getChildAtIndex(i)
                if (child is not None and child.getState().contains(pyatspi.STATE_SHOWING)
                        and child.getRoleName() in ("dialog", "alert", "window")
                        and (title is None or child.name == title)):
                    return child
            except GLib.GError:
                continue
    return None


def modal_dialog(what, how):
    """The program's dialog that HOW opened, which must be announced as modal; None where none
    opened. Either fault is a problem."""
    found = dialog(app, "Kinmatch v1.10")
    if found is None:
        problems.append(f"{how} showed no {what}")
    elif not found.getState().contains(pyatspi.STATE_MODAL):
        problems.append(f"the {what} is not announced as modal")
    return found


def opened():
    try:
        return open(opened_log).read().split()
    except FileNotFoundError:
        return []


app = application("kinmatch")
main = window(app, pyatspi.ROLE_COMBO_BOX, "main window")
nodes = list(walk(main))

# The six date lists are told apart by their descriptions.
lists = [node.description for node in nodes if node.getRole() == pyatspi.ROLE_COMBO_BOX]
wanted = {shown("frmMain", f"%1: {part}", shown("frmMain", whose))
          for whose in ("Your date of birth", "Your partner's date of birth")
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

# A message box says whether it reports an error: its icon is named.
boxes = [node for node in nodes if node.getRole() == pyatspi.ROLE_TEXT]
boxes[0].queryEditableText().setTextContents("Ann")
boxes[0].queryComponent().grabFocus()
keys(alt("frmMain", "&Generate Mayan Astrology Compatibility Reading"))
message = dialog(app)
if message is None:
    problems.append("the blank partner's name showed no message box")
else:
    icons = [node.name for node in walk(message) if node.getRole() in (pyatspi.ROLE_ICON, pyatspi.ROLE_IMAGE)]
    if icons != [shown("QtPlatform", "Error")]:
        problems.append(f"the message box's icon is named {icons}, not as an error")
    keys("Return")

# Tab and Shift+Tab into the partner's name box, which holds a name: the box's focus first.
partner = boxes[1]
partner.queryEditableText().setTextContents("Bob")
# One run of attributes covers the whole text: runs of no characters lead Orca to read "Bob" as
# "Bo".
_, start, end = partner.queryText().getAttributeRun(0, False)
if (start, end) != (0, 3):
    problems.append(f"the attributes of 'Bob' run from {start} to {end}")
boxes[0].queryComponent().grabFocus()
pump()
events.clear()
keys(*["Tab"] * 6)
focus_comes_first(partner.name, "Tab")
keys("Tab")
events.clear()
keys("shift+Tab")
focus_comes_first(partner.name, "Shift+Tab")

# Qt's file dialog: its file name box tells its text's attributes in one run too.
keys(alt("frmMain", "&Open Previously Saved Reading"))
opening = dialog(app)
if opening is None:
    problems.append("Open Previously Saved Reading showed no file dialog")
else:
    names = [node for node in walk(opening) if node.getRole() == pyatspi.ROLE_TEXT
             and node.getState().contains(pyatspi.STATE_EDITABLE)]
    if not names:
        problems.append("the file dialog has no box for a file's name")
    else:
        names[0].queryEditableText().setTextContents("Bob")
        _, start, end = names[0].queryText().getAttributeRun(0, False)
        if (start, end) != (0, 3):
            problems.append(f"the file dialog's 'Bob' has attributes from {start} to {end}")
    keys("Escape")

# The about window: a modal dialog whose separator is a separator.
keys(alt("look", "&Help"), alt("look", "&About Software")[-1])
about = modal_dialog("about window", "Help > About")
if about is not None:
    kinds = [node.getRoleName() for node in walk(about)]
    if "separator" not in kinds or "frame" in kinds[1:]:
        problems.append(f"the about window's line is not a separator: {kinds}")
    keys("Escape")

generate = [node for node in nodes if node.getRole() == pyatspi.ROLE_PUSH_BUTTON
            and node.name == shown("frmMain", "&Generate Mayan Astrology Compatibility Reading")]
if not generate:
    sys.exit("no Generate button")
generate[0].queryAction().doAction(0)

result = window(app, pyatspi.ROLE_IMAGE, "result window")
nodes = list(walk(result))
compatibility = shown("frmMayanCompatibilityResult", "Mayan Astrology Compatibility")
inner = [node for node in nodes if node.name == compatibility]
if not inner:
    problems.append(f"the inner frame is not announced as '{compatibility}'")
elif not any(child.name.endswith("Monkey") or " " in child.name for child in walk(inner[0])
             if child is not inner[0] and child.getRole() == pyatspi.ROLE_LABEL):
    problems.append("the inner frame holds no composite name")
captions = {shown("frmMayanCompatibilityResult", caption)
            for caption in ("Your Mayan Day Sign ", "Your Galactic Tone",
                            "Your Partner's Mayan Day Sign", "Your Partner's Galactic Tone")}
related = set()
for node in nodes:
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                related.add(relation.getTarget(i).name)
missing = captions - related
if missing:
    problems.append(f"values not related to their captions: {sorted(missing)}")

# The report: a modal dialog whose text has a caret that the keyboard moves, read-only.
save = find(result, pyatspi.ROLE_PUSH_BUTTON, shown("frmMayanCompatibilityResult", "Save"))
click(save)
report = modal_dialog("report window", "Save")
if report is not None:
    text = find(report, pyatspi.ROLE_TEXT) or find(report, pyatspi.ROLE_DOCUMENT_TEXT)
    if text is None:
        problems.append("the report holds no text")
    else:
        text.queryComponent().grabFocus()
        keys("ctrl+End", "ctrl+Home")
        before = text.queryText().caretOffset
        keys("Down", "Down")
        after = text.queryText().caretOffset
        if not after > before == 0:
            problems.append(f"Down moves the report's caret from {before} to {after}")
        if text.getState().contains(pyatspi.STATE_EDITABLE):
            problems.append("the report can be edited")
    keys("alt+F4")

# Closing the result window shows the support window: a window, whose boxes each report their
# focus before the placeholder they remove.
keys("alt+F4")
support = None
for _ in range(100):
    pump(0.05)
    for i in range(app.childCount):
        try:
            child = app.getChildAtIndex(i)
            if child is not None and child.getState().contains(pyatspi.STATE_SHOWING) and find(child, pyatspi.ROLE_TEXT):
                support = child
        except GLib.GError:
            continue
    if support is not None:
        break
if support is None:
    problems.append("closing the result window showed no support window")
else:
    if support.getRoleName() != "frame" and support.getRoleName() != "window":
        problems.append(f"the support window's role is '{support.getRoleName()}'")
    # Left by the user, the program's last window takes the keyboard, its Exit button focused.
    focused = None
    for _ in range(50):
        pump(0.1)
        focused = [node for node in walk(support) if node.getState().contains(pyatspi.STATE_FOCUSED)]
        if support.getState().contains(pyatspi.STATE_ACTIVE) and focused:
            break
    if not support.getState().contains(pyatspi.STATE_ACTIVE):
        problems.append("the support window, the program's last, is not active")
    if not focused or focused[0].getRole() != pyatspi.ROLE_PUSH_BUTTON:
        problems.append(f"the support window's focus is on {[node.getRoleName() for node in focused or []]}")
    for steps, box in ((2, "txtName"), (2, "txtEmail"), (1, "txtFriendEmail"), (1, "txtFriendName")):
        events.clear()
        keys(*["Tab"] * steps)
        focused_boxes = lambda: [name for kind, name, role, detail in events
                                 if role == "text" and gains_focus(kind, detail)]
        pump_until(focused_boxes)
        named = focused_boxes()
        if not named:
            problems.append(f"Tab towards {box} focused no text box")
        else:
            focus_comes_first(named[0], f"Tab ({box})")

print("\n".join(problems))

#!/usr/bin/python3
"""Starts Quillmere on the accessibility bus and reads its tree as a screen
reader would, through AT-SPI: every command a push button with a name that
says what it is, a description and, while it is on screen, the Press action;
every field named by its label; nothing drawn only for the eye; no relation
listed twice; controls in reading order; the drive list's choice as its text;
the keyboard following the panels; the preview's page readable.

    accessible_tree.py PROGRAM
Run inside a D-Bus session on an X display. Prints each fault; exit status 1
when there is one.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 30
faults = []


def fault(node, what):
    faults.append(f"{node.getRoleName()} '{node.name}': {what}")


def wait_for(what, find, required=True):
    """What find() gives once it gives something; on a timeout, the end of
    the run, or a fault and None when the run can go on without it."""
    deadline = time.time() + TIMEOUT
    while time.time() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    if required:
        sys.exit(f"FAIL: no {what} within {TIMEOUT} s")
    faults.append(f"no {what} within {TIMEOUT} s")
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "quillmere":
            return app
    return None


def window(app, role, name=None):
    for w in app:
        if w is not None and w.getRoleName() == role and (name is None or w.name == name):
            return w
    return None


def nodes(root):
    yield root
    for child in root:
        if child is not None:
            yield from nodes(child)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def relations(node):
    return [(r.getRelationType(), r.getTarget(i))
            for r in node.getRelationSet() for i in range(r.getNTargets())]


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return ""
    return text.getText(0, text.characterCount)


def check_button(node):
    name = node.name or ""
    if not any(ch.isalpha() for ch in name):
        fault(node, "a screen reader cannot say what this button is")
    if not node.description:
        fault(node, "no description of what it does")
    if showing(node) and "Press" not in actions(node):
        fault(node, f"no Press action, only {actions(node)}")
    if not showing(node) and "Press" in actions(node):
        fault(node, "offers Press though it is not on screen")


def check_field(node):
    labellers = [t for kind, t in relations(node) if kind == pyatspi.RELATION_LABELLED_BY]
    labels = [t for t in labellers if t.getRoleName() == "label"]
    if not node.name:
        fault(node, "a field without a name")
    elif not labels and node.name in [t.name for t in labellers]:
        fault(node, "named only by the panel around it")
    elif labels and node.name != labels[0].name:
        fault(node, f"named '{node.name}' though its label says '{labels[0].name}'")


def check_relations(node):
    seen = []
    for kind, target in relations(node):
        # Qt's edit field of an editable combo box names its combo box once per
        # signal connection between the two; that repetition is the toolkit's.
        if (kind == pyatspi.RELATION_CONTROLLER_FOR and target == node.parent
                and target.getRoleName() == "combo box"):
            continue
        if (kind, target) in seen:
            fault(node, f"lists {kind.value_nick} '{target.name}' twice")
        seen.append((kind, target))


def check_window(root):
    buttons = 0
    for node in nodes(root):
        role = node.getRoleName()
        if node.name == '"':
            fault(node, "the quote character drawn for the eye is exposed")
        parent = node.parent.getRoleName()
        drawn = role in ("filler", "image", "separator")
        if parent in ("filler", "panel") and drawn and not node.name:
            fault(node, "a nameless drawing")
        if parent == "combo box" and role in ("text", "list") and node.name != node.parent.name:
            fault(node, f"this part of '{node.parent.name}' is not named by it")
        if role == "push button":
            buttons += 1
            check_button(node)
        elif role == "combo box" or (role == "text" and node.parent.getRoleName() != "combo box"):
            check_field(node)
        check_relations(node)
    if buttons == 0:
        faults.append(f"window '{root.name}': no push buttons at all")


def named(root, role, name):
    return pyatspi.findDescendant(root, lambda n: n.getRoleName() == role and n.name == name)


def check_reading_order(main_window):
    names = [(n.getRoleName(), n.name) for n in main_window]
    expected = [("label", "PSP Drive"), ("combo box", "PSP Drive"), ("text", "HTML Source"),
                ("push button", "Clear"), ("label", "HTML Commands"), ("push button", "Text"),
                ("push button", "About")]
    places = [names.index(e) if e in names else -1 for e in expected]
    if -1 in places or places != sorted(places):
        faults.append(f"the main window's controls are not in reading order: {names}")


def check_drive_value(main_window):
    drive = named(main_window, "combo box", "PSP Drive")
    drive.queryComponent().grabFocus()
    wait_for("focus on the drive list", lambda: focused(drive) or None)
    if not text_of(drive):
        # No stick here, so no drive is chosen: choose the first, as by keyboard.
        subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quillmere$",
                        "windowfocus", "--sync", "key", "Down"], check=True)
        wait_for("text of the chosen drive in the drive list", lambda: text_of(drive) or None,
                 required=False)
    if text_of(drive) not in [item.name for item in drive[0]]:
        faults.append(f"the drive list reads '{text_of(drive)}', which it does not list")


def check_descriptions(main_window):
    for name in ("HTML Source", "URL", "Background Colour", "Font Colour"):
        field = named(main_window, "text", name)
        if field is None or not field.description:
            faults.append(f"the field '{name}' has no description")


def check_text_panel(main_window):
    """Opening the panel from the keyboard moves into it, covered commands are
    neither shown nor pressed, and Hide brings the keyboard back."""
    panel = named(main_window, "panel", "Text")
    opener = named(main_window, "push button", "Text")
    source = named(main_window, "text", "HTML Source")
    opener.queryComponent().grabFocus()
    wait_for("focus on the Text command", lambda: focused(opener) or None)
    press(opener)
    wait_for("Text panel shown after pressing Text", lambda: showing(panel) or None)
    field = named(panel, "text", "Text")
    wait_for("keyboard focus in the Text panel", lambda: focused(field) or None, required=False)
    size = named(panel, "combo box", "Font Size")
    if size is None:
        faults.append("the Text panel has no combo box named 'Font Size'")
    bold = named(main_window, "push button", "Bold")
    if showing(bold) or "Press" in actions(bold):
        faults.append("'Bold' under the open panel is showing or offers Press")
    before = text_of(source)
    action = bold.queryAction()
    for i in range(action.nActions):
        action.doAction(i)
    if text_of(source) != before:
        faults.append("'Bold' under the open panel inserted into the page")
    check_window(main_window)
    hide = named(panel, "push button", "Hide")
    hide.queryComponent().grabFocus()
    wait_for("focus on Hide", lambda: focused(hide) or None)
    press(hide)
    wait_for("keyboard focus back on the Text command", lambda: focused(opener) or None,
             required=False)


def check_preview(main_window):
    """The page the preview shows reads with its heading and link."""
    source = named(main_window, "text", "HTML Source")
    page = "<h1>Readable heading</h1><a href='x.html'>A link</a>"
    source.queryEditableText().setTextContents(page)
    press(named(main_window, "push button", "Live Preview"))
    for role, words in (("heading", "Readable heading"), ("link", "A link")):
        def found(role=role, words=words):
            return pyatspi.findDescendant(
                application(),
                lambda n: n.getRoleName() == role and words in (n.name or text_of(n)))
        wait_for(f"{role} '{words}' of the previewed page", found, required=False)


def main():
    program = subprocess.Popen(sys.argv[1:])
    try:
        app = wait_for("application 'quillmere' on the bus", application)
        # Without a memory stick the detection message comes first; it is
        # answered through its OK button's Press action, as a reader user would.
        alert = window(app, "alert")
        if alert is not None:
            press(pyatspi.findDescendant(alert, lambda n: n.getRoleName() == "push button"))
        main_window = wait_for("main window", lambda: window(application(), "filler", "Quillmere"))
        wait_for("main window on screen", lambda: showing(main_window) or None)

        for role, name in (("combo box", "PSP Drive"), ("text", "HTML Source"),
                           ("push button", "Fold the window"), ("push button", "Unfold the window")):
            if named(main_window, role, name) is None:
                faults.append(f"no {role} named '{name}'")
        check_window(main_window)
        check_reading_order(main_window)
        check_descriptions(main_window)
        check_drive_value(main_window)
        check_text_panel(main_window)

        press(named(main_window, "push button", "About"))
        about = wait_for("About window", lambda: window(application(), "filler", "About Quillmere"))
        check_window(about)
        check_preview(main_window)
    except GLib.GError as error:
        faults.append(f"the program stopped answering: {error.message}")
    finally:
        program.terminate()
        program.wait(10)

    for f in faults:
        print("FAIL:", f)
    if faults:
        return 1
    print("the accessible tree reads as it should")
    return 0


if __name__ == "__main__":
    sys.exit(main())

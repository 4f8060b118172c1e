#!/usr/bin/python3
"""Starts Quillmere on the accessibility bus and reads its tree as a screen
reader would, through AT-SPI: every command a push button with a name that
says what it is, a description and the Press action; every field named by its
label; nothing drawn only for the eye; no relation listed twice.

    accessible_tree.py PROGRAM
Run inside a D-Bus session on an X display. Prints each fault; exit status 1
when there is one.
"""

import subprocess
import sys
import time

import pyatspi

TIMEOUT = 30
faults = []


def fault(node, what):
    faults.append(f"{node.getRoleName()} '{node.name}': {what}")


def wait_for(what, find):
    deadline = time.time() + TIMEOUT
    while time.time() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: no {what} within {TIMEOUT} s")


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


def check_button(node):
    name = node.name or ""
    if not any(ch.isalpha() for ch in name):
        fault(node, "a screen reader cannot say what this button is")
    if not node.description:
        fault(node, "no description of what it does")
    if "Press" not in actions(node):
        fault(node, f"no Press action, only {actions(node)}")


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

        # The Text command opens its panel; a press through the bus must do that.
        panel = named(main_window, "panel", "Text")
        text_command = pyatspi.findDescendant(
            main_window, lambda n: n.getRoleName() == "push button" and n.name == "Text")
        if panel is None or text_command is None:
            faults.append("no Text panel or Text command")
        else:
            press(text_command)
            wait_for("Text panel shown after pressing Text", lambda: showing(panel) or None)
            if named(panel, "combo box", "Font Size") is None:
                faults.append("the Text panel has no combo box named 'Font Size'")

        press(named(main_window, "push button", "About"))
        about = wait_for("About window", lambda: window(application(), "filler", "About Quillmere"))
        check_window(about)
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

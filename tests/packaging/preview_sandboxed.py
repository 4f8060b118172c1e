#!/usr/bin/python3
"""Starts PROGRAM, answers the detection message, presses "Live Preview"
through the accessibility bus and checks that the page is drawn by browser
processes that keep their sandbox. Run as an unprivileged user inside a D-Bus
session on an X display, with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.

    preview_sandboxed.py PROGRAM
"""

import os
import subprocess
import sys
import time

import pyatspi

TIMEOUT = 60


def wait_for(what, find):
    deadline = time.time() + TIMEOUT
    while time.time() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: no {what} within {TIMEOUT} s")


def window(title=None, role="filler"):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != "quillmere":
            continue
        for w in app:
            if w is not None and w.getRoleName() == role and (title is None or w.name == title):
                return w
    return None


def press(root, name):
    button = pyatspi.findDescendant(
        root, lambda n: n.getRoleName() == "push button" and (name is None or n.name == name))
    if button is None:
        sys.exit(f"FAIL: no button {name!r}")
    action = button.queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))


def parent_of(pid):
    with open(f"/proc/{pid}/stat") as f:
        return int(f.read().rsplit(")", 1)[1].split()[1])


def browser_processes(program):
    """Command lines of the browser engine helpers under PROGRAM. A sandboxed
    one is not dumpable, so its /proc entry belongs to root: go by ancestry."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            ancestor = int(pid)
            while ancestor > 1 and ancestor != program.pid:
                ancestor = parent_of(ancestor)
            if ancestor != program.pid:
                continue
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                # The engine rewrites its title: one string joined by spaces.
                args = f.read().replace(b"\0", b" ").decode(errors="replace").split()
        except (OSError, IndexError, ValueError):
            continue
        if args and args[0].endswith("QtWebEngineProcess"):
            found.append(args)
    return found


def main():
    program = subprocess.Popen(sys.argv[1:])
    try:
        wait_for("window of quillmere on the bus", lambda: window() or window(role="alert"))
        alert = window(role="alert")
        if alert is not None:
            press(alert, None)
        main_window = wait_for("main window", lambda: window("Quillmere"))
        press(main_window, "Live Preview")
        wait_for("Live Preview window", lambda: window("Live Preview"))
        renderers = wait_for("browser page process", lambda: [
            p for p in browser_processes(program) if "--type=renderer" in p])
        time.sleep(2)  # a renderer without its sandbox gives up at once
        if program.poll() is not None:
            sys.exit(f"FAIL: the program ended with status {program.returncode}")
        for args in browser_processes(program):
            if "--no-sandbox" in args:
                sys.exit("FAIL: a browser process runs without its sandbox: " + " ".join(args))
        if not [p for p in browser_processes(program) if "--type=renderer" in p]:
            sys.exit("FAIL: the page process did not survive its start")
        print(f"the preview is drawn by {len(renderers)} sandboxed page process(es)")
    finally:
        program.terminate()
        program.wait(10)


if __name__ == "__main__":
    main()

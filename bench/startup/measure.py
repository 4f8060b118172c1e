#!/usr/bin/env python3
"""Times Quillmere next to its yardsticks and prints the comparison table.

    measure.py --mapwait MAPWAIT --build BUILD_DIR --layout FORM1_JSON
               [--runs N] [--preview-runs M] [--settle SECONDS]

Run by measure.sh, which provides the bare X server, the memory stick and the
mapwait tool. mapwait times a window from process start (or from a synthetic
click) until it is mapped, and until its pixels have stopped changing for 30 ms
(for a preview: with a red pixel showing, the page loaded). The programs take
turns within every round, so load from other work on the machine falls on all
of them alike; the first round only warms the caches.

Before a preview the page is made red the way a person would: "Add
Background", "Background Colour", "Add Colour". The memory figure is the
resident set a settle time after the window appears, before any press.
"""

import argparse
import ctypes
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

from window_probe import Display, stop

TWIPS_PER_PIXEL = 15
# What "Add Colour" puts into the page source with its default colour code,
# as the preview file holds it.
RED_PAGE = b'<body bgcolor= "#FF0000">\r\n'


class WindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong), ("c_class", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


IS_VIEWABLE = 2
REVERT_TO_PARENT = 2


class Session(Display):
    """The probe's X connection with what driving a window by mouse needs."""

    def __init__(self):
        super().__init__()
        x = self.x
        x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.c_ulong),
                                 ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                                 ctypes.POINTER(ctypes.c_uint)]
        x.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
        x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_void_p]
        x.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong,
                                            ctypes.c_int, ctypes.c_int,
                                            ctypes.POINTER(ctypes.c_int),
                                            ctypes.POINTER(ctypes.c_int),
                                            ctypes.POINTER(ctypes.c_ulong)]
        self.xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                   ctypes.c_ulong]

    def find(self, title):
        """A mapped top-level window with this title, or None."""
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.x.XQueryTree(self.dpy, self.root, ctypes.byref(root), ctypes.byref(parent),
                                 ctypes.byref(children), ctypes.byref(count)):
            return None
        found = None
        attributes = WindowAttributes()
        for i in range(count.value):
            window = children[i]
            if self.title(window) == title and \
               self.x.XGetWindowAttributes(self.dpy, window, ctypes.byref(attributes)) and \
               attributes.map_state == IS_VIEWABLE:
                found = window
        if count.value:
            self.x.XFree(children)
        return found

    def wait_for(self, title, timeout=30):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            window = self.find(title)
            if window:
                return window
            time.sleep(0.01)
        raise SystemExit(f"no window titled {title!r} appeared")

    def wait_gone(self, title, timeout=10):
        deadline = time.monotonic() + timeout
        while self.find(title) and time.monotonic() < deadline:
            time.sleep(0.01)

    def origin(self, window):
        x, y, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
        self.x.XTranslateCoordinates(self.dpy, window, self.root, 0, 0, ctypes.byref(x),
                                     ctypes.byref(y), ctypes.byref(child))
        return x.value, y.value

    def focus(self, window):
        """Gives a window the keyboard focus, as a window manager does after a close."""
        self.x.XSetInputFocus(self.dpy, window, REVERT_TO_PARENT, 0)
        self.x.XSync(self.dpy, 0)

    def move(self, x, y):
        self.xtst.XTestFakeMotionEvent(self.dpy, -1, x, y, 0)
        self.x.XSync(self.dpy, 0)

    def click(self, x, y):
        self.move(x, y)
        time.sleep(0.03)
        self.xtst.XTestFakeButtonEvent(self.dpy, 1, 1, 0)
        self.xtst.XTestFakeButtonEvent(self.dpy, 1, 0, 0)
        self.x.XSync(self.dpy, 0)
        time.sleep(0.15)


def button_centres(layout_file):
    """Centre of each button of the main window, in pixels from its client area."""
    with open(layout_file, encoding="utf-8") as f:
        controls = json.load(f)["controls"]
    places = {c["name"]: c for c in controls}
    centres = {}
    for c in controls:
        left, top = c.get("left", 0), c.get("top", 0)
        if "container" in c:
            left += places[c["container"]]["left"]
            top += places[c["container"]]["top"]
        centres[c["name"]] = (round((left + c.get("width", 0) / 2) / TWIPS_PER_PIXEL),
                              round((top + c.get("height", 0) / 2) / TWIPS_PER_PIXEL))
    return centres


class NoWindow(Exception):
    pass


def mapwait(tool, args):
    done = subprocess.run([tool, *args], capture_output=True, text=True, timeout=60)
    out = done.stdout.split()
    if len(out) != 2 or float(out[1]) < 0:
        raise NoWindow(f"mapwait {' '.join(args)}: no complete window "
                       f"({done.stdout.strip()}{done.stderr.strip()}, status {done.returncode})")
    return float(out[0]), float(out[1])


def rss_mb(pid):
    with open(f"/proc/{pid}/status", encoding="ascii") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return float("nan")


class Figures:
    def __init__(self):
        self.samples = {}

    def add(self, key, value):
        self.samples.setdefault(key, []).append(value)

    def median(self, key):
        return statistics.median(self.samples[key])

    def spread(self, key):
        values = self.samples[key]
        return f"{min(values):.1f}-{max(values):.1f}"


def time_startup(tool, programs, rounds, figures):
    for round_ in range(rounds + 1):
        # Rotating the order keeps any one program from always following another.
        shift = round_ % len(programs)
        for name, program in programs[shift:] + programs[:shift]:
            mapped, painted = mapwait(tool, ["Quillmere", "--", *program])
            if round_:
                figures.add((name, "mapped"), mapped)
                figures.add((name, "painted"), painted)
        print(f"start-up round {round_}/{rounds}", file=sys.stderr)


def started(session, command, title, settle, log=subprocess.DEVNULL):
    """Starts a program and returns it once its window has been idle for a while."""
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=log)
    window = session.wait_for(title)
    time.sleep(settle)  # a person does not click within the first moment
    return process, window


def press_twice(session, tool, window, button):
    """Times a press that opens the preview, then closes it and times another."""
    times = []
    for _ in range(2):
        times.append(mapwait(tool, ["--click", *button, "--want", "ff0000", "Live Preview"])[1])
        session.close(session.find("Live Preview"))
        session.wait_gone("Live Preview")
        # Without a window manager nothing gives the focus back, and the
        # program's buttons take no click on an inactive window.
        session.focus(window)
        # The pointer leaves the button, as a person's does on the way to
        # the close box; a press soon after at the same place would be a
        # double click, which the program's buttons do not take as a click.
        session.move(0, 0)
        time.sleep(1)
    return times


def preview_once(session, tool, build, centres, settle, name, page):
    """Starts one program, makes its page red and times two previews."""
    with tempfile.TemporaryFile() as log:
        if name == "quillmere":
            title = "Quillmere"
            process, window = started(session, [os.path.join(build, "quillmere")], title, settle, log)
            x0, y0 = session.origin(window)
            for step in ("AddBackground", "BGSwitch", "AddColour"):
                session.click(x0 + centres[step][0], y0 + centres[step][1])
            button = (x0 + centres["LivePreview"][0], y0 + centres["LivePreview"][1])
        else:
            title = "Bare view"
            process, window = started(
                session, [os.path.join(build, "bench/startup/bench_bare_view_button"), page],
                title, settle, log)
            x0, y0 = session.origin(window)
            button = (x0 + 100, y0 + 30)
        try:
            return press_twice(session, tool, window, [str(v) for v in button])
        except NoWindow as failure:
            log.seek(0)
            said = log.read().decode(errors="replace").strip().splitlines()
            raise NoWindow(f"{failure}; {name} said: {said[-1] if said else 'nothing'}") from None
        finally:
            stop(process)
            session.wait_gone("Live Preview")
            session.wait_gone(title)


def time_previews(session, tool, build, centres, rounds, settle, figures):
    with tempfile.TemporaryDirectory() as folder:
        page = os.path.join(folder, "index.html")
        with open(page, "wb") as f:
            f.write(RED_PAGE)
        for round_ in range(rounds):
            order = ["quillmere", "bare"] if round_ % 2 == 0 else ["bare", "quillmere"]
            for name in order:
                for _ in range(3):
                    try:
                        first, again = preview_once(session, tool, build, centres, settle, name, page)
                        break
                    except NoWindow as failure:
                        print(f"{failure}: once more", file=sys.stderr)
                else:
                    raise SystemExit(f"{name}: no preview in three attempts")
                figures.add((name, "first"), first)
                figures.add((name, "again"), again)
            print(f"preview round {round_ + 1}/{rounds}", file=sys.stderr)


def time_memory(session, programs, rounds, settle, figures):
    for _ in range(rounds):
        for name, program in programs:
            process, _ = started(session, program, "Quillmere", settle)
            figures.add((name, "rss"), rss_mb(process.pid))
            stop(process)
            session.wait_gone("Quillmere")


def print_table(f, starts, previews):
    def row(label, ours, yardstick_label, theirs):
        a, b = f.median(ours), f.median(theirs)
        unit = "MB" if ours[1] == "rss" else "ms"
        print(f"| {label} | {a:.1f} {unit} ({f.spread(ours)}) | {yardstick_label}: "
              f"{b:.1f} {unit} ({f.spread(theirs)}) | {a / b:.2f}× |")

    print(f"\nMedians (min-max) of {starts} starts and {previews} previews and memory readings"
          f" each; memory a while after the window appears, nothing pressed:\n")
    print("| figure | Quillmere | yardstick | ratio |")
    print("|---|---|---|---|")
    row("start → main window mapped", ("quillmere", "mapped"),
        "same layout in stock Qt widgets", ("stock", "mapped"))
    row("start → main window completely painted (pixels stable)", ("quillmere", "painted"),
        "stock-widget layout", ("stock", "painted"))
    row("start → completely painted", ("quillmere", "painted"),
        "stock-widget layout that also asks to be active", ("stock-active", "painted"))
    row("start → completely painted", ("quillmere", "painted"),
        "empty Qt window of the same size", ("empty", "painted"))
    row('"Live Preview" click → red page painted, first press', ("quillmere", "first"),
        "a button opening a bare 480×265 QWebEngineView on the same file", ("bare", "first"))
    row("same, after closing the preview", ("quillmere", "again"), "same", ("bare", "again"))
    row("memory after start (RSS)", ("quillmere", "rss"), "stock-widget layout", ("stock", "rss"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--mapwait", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--preview-runs", type=int, default=5)
    parser.add_argument("--settle", type=float, default=1.0,
                        help="seconds between a window's appearance and the first click or RSS reading")
    parser.add_argument("--layout", required=True, help="the main window's layout file")
    args = parser.parse_args()

    build = os.path.abspath(args.build)
    stock = os.path.join(build, "bench/startup/bench_stock_layout")
    programs = [("stock", [stock]),
                ("quillmere", [os.path.join(build, "quillmere")]),
                ("empty", [os.path.join(build, "bench/startup/bench_empty_window")]),
                ("stock-active", [stock, "--activate"])]
    figures = Figures()
    time_startup(args.mapwait, programs, args.runs, figures)
    session = Session()
    time_previews(session, args.mapwait, build, button_centres(args.layout), args.preview_runs,
                  args.settle, figures)
    time_memory(session, programs[:2], args.preview_runs, args.settle, figures)
    print_table(figures, args.runs, args.preview_runs)
    return 0


if __name__ == "__main__":
    sys.exit(main())

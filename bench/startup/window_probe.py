#!/usr/bin/env python3
"""Starts a program on the current X display and watches its top-level windows.

    window_probe.py lifecycle --main T [--dismiss T]... PROGRAM
        Start PROGRAM, close any window titled by --dismiss, wait for the main
        window T, close it and expect the program to end with status 0.

Listens for MapNotify on the root window through libX11 (standard library
ctypes only), so a mapping is seen the moment the server reports it, without
polling. Meant for a bare X server (Xvfb) without a window manager, where
top-level windows are children of the root.
"""

import argparse
import ctypes
import os
import select
import subprocess
import sys
import time

MAP_NOTIFY = 19
CLIENT_MESSAGE = 33
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class Display:
    def __init__(self):
        self.x = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        self.x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        self.x.XPending.argtypes = [ctypes.c_void_p]
        self.x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        self.x.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                      ctypes.POINTER(ctypes.c_char_p)]
        self.x.XInternAtom.restype = ctypes.c_ulong
        self.x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self.x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                      ctypes.c_long, ctypes.c_void_p]
        self.x.XFlush.argtypes = [ctypes.c_void_p]
        self.x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        # A window can vanish between its mapping and our question about its
        # name; the default error handler would end this script for that.
        handler_type = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
        self.ignore_errors = handler_type(lambda display, error: 0)
        self.x.XSetErrorHandler(self.ignore_errors)

        self.dpy = self.x.XOpenDisplay(None)
        if not self.dpy:
            raise SystemExit("cannot open the X display " + os.environ.get("DISPLAY", "(unset)"))
        self.root = self.x.XDefaultRootWindow(self.dpy)
        self.x.XSelectInput(self.dpy, self.root, SUBSTRUCTURE_NOTIFY_MASK)
        self.x.XSync(self.dpy, 0)
        self.fd = self.x.XConnectionNumber(self.dpy)
        self.wm_protocols = self.x.XInternAtom(self.dpy, b"WM_PROTOCOLS", 0)
        self.wm_delete = self.x.XInternAtom(self.dpy, b"WM_DELETE_WINDOW", 0)

    def title(self, window):
        name = ctypes.c_char_p()
        if not self.x.XFetchName(self.dpy, window, ctypes.byref(name)) or not name.value:
            return None
        text = name.value.decode("utf-8", "replace")
        self.x.XFree(name)
        return text

    def next_mapped(self, deadline):
        """The next top-level window mapped before the deadline, or None."""
        event = (ctypes.c_long * 24)()  # XEvent: every field used here is one long wide
        while True:
            while self.x.XPending(self.dpy):
                self.x.XNextEvent(self.dpy, event)
                if event[0] & 0xFFFFFFFF == MAP_NOTIFY:
                    return event[5]
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([self.fd], [], [], min(left, 0.05))

    def close(self, window):
        """Asks a window to close, as a window manager's close button does."""
        event = (ctypes.c_long * 24)()
        event[0] = CLIENT_MESSAGE
        event[4] = window
        event[5] = self.wm_protocols
        event[6] = 32
        event[7] = self.wm_delete
        self.x.XSendEvent(self.dpy, window, 0, 0, event)
        self.x.XFlush(self.dpy)


def wait_for_title(display, process, titles, deadline, dismiss=(), log=False):
    """Returns (title, window) of the first window mapped with one of the titles."""
    while process.poll() is None:
        window = display.next_mapped(min(deadline, time.monotonic() + 0.2))
        if window is None:
            if time.monotonic() >= deadline:
                return None, None
            continue
        title = display.title(window)
        if title in titles:
            return title, window
        if title in dismiss:
            if log:
                print(f"closing the window {title!r}")
            display.close(window)
    return None, None


def stop(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def lifecycle(args):
    display = Display()
    process = subprocess.Popen([args.program])
    try:
        deadline = time.monotonic() + args.timeout
        title, window = wait_for_title(display, process, [args.main], deadline,
                                       args.dismiss, log=True)
        if window is None:
            status = process.poll()
            if status is not None:
                print(f"the program ended with status {status} before showing {args.main!r}")
            else:
                print(f"no window titled {args.main!r} within {args.timeout} s")
            return 1
        print(f"the window {title!r} is shown; closing it")
        display.close(window)
        try:
            status = process.wait(args.timeout)
        except subprocess.TimeoutExpired:
            print("the program kept running after its main window was closed")
            return 1
        print(f"the program ended with status {status}")
        return 0 if status == 0 else 1
    finally:
        stop(process)


def main():
    parser = argparse.ArgumentParser()
    commands = parser.add_subparsers(dest="command", required=True)
    life = commands.add_parser("lifecycle")
    life.add_argument("--main", required=True)
    life.add_argument("--dismiss", action="append", default=[])
    life.add_argument("--timeout", type=float, default=20)
    life.add_argument("program")
    args = parser.parse_args()
    return lifecycle(args)


if __name__ == "__main__":
    sys.exit(main())

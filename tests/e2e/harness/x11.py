"""The X display for the tests, and the one X request xdotool cannot make here.

Uses the DISPLAY it is given, or starts a private Xvfb (24-bit screen) when there is none.
Closing a window the way a window manager's close box does means sending it a
WM_DELETE_WINDOW client message; this xdotool only knows how to destroy a window, so the
message is sent through libX11 with ctypes.
"""

import ctypes
import ctypes.util
import os
import shutil
import subprocess

SCREEN = "1280x1024x24"

CLIENT_MESSAGE = 33  # the X event type of a client message


class _ClientMessage(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class _Event(ctypes.Union):
    # XEvent is a union padded to 24 longs; the client message is one of its members.
    _fields_ = [("client", _ClientMessage), ("pad", ctypes.c_long * 24)]


def _libx11():
    name = ctypes.util.find_library("X11") or "libX11.so.6"
    lib = ctypes.CDLL(name)
    lib.XOpenDisplay.restype = ctypes.c_void_p
    lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    lib.XInternAtom.restype = ctypes.c_ulong
    lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    lib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_Event)]
    lib.XFlush.argtypes = [ctypes.c_void_p]
    lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return lib


def send_close_request(window_id):
    """Asks the window to close as a window manager's close box would (WM_DELETE_WINDOW)."""
    lib = _libx11()
    display = lib.XOpenDisplay(None)
    if not display:
        raise RuntimeError("cannot open the X display %r" % os.environ.get("DISPLAY"))
    try:
        event = _Event()
        event.client.type = CLIENT_MESSAGE
        event.client.window = window_id
        event.client.message_type = lib.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.client.format = 32
        event.client.data[0] = lib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        event.client.data[1] = 0  # CurrentTime
        if not lib.XSendEvent(display, window_id, 0, 0, ctypes.byref(event)):
            raise RuntimeError("XSendEvent refused the close request")
        lib.XFlush(display)
    finally:
        lib.XCloseDisplay(display)


class PrivateDisplay:
    """An Xvfb started for this run; it picks a free display number itself (-displayfd)."""

    def __init__(self):
        if shutil.which("Xvfb") is None:
            raise RuntimeError("DISPLAY is not set and Xvfb is not installed")
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN, "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.process.kill()
            raise RuntimeError("Xvfb did not report a display number")
        self.name = ":" + number

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def ensure_display():
    """Returns a PrivateDisplay when one had to be started (and sets DISPLAY), else None."""
    if os.environ.get("DISPLAY"):
        return None
    display = PrivateDisplay()
    os.environ["DISPLAY"] = display.name
    return display

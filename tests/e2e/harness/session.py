"""One run of the game: a Wine process in its own folder, its window, input and screenshots.

The process is started in a new session so that it, and whatever it starts (the browser
stub), can be ended by its own process group and nothing else. Keys go to the focused
window (there is no window manager, so the harness gives the focus itself); clicks are
placed relative to the client area. Every wait polls the screen or the process against a
deadline and fails with a description of what was on the screen instead.
"""

import os
import signal
import subprocess
import time

from harness import wine, x11
from harness.image import Shot
from harness.layout import HEIGHT, NEUTRAL_POINT, WIDTH

CAPTION = "Quickfigure"
START_TIMEOUT = 60.0  # the first Wine start of a run may also start the wine server
EXIT_TIMEOUT = 20.0
POLL_SECONDS = 0.03


class ScenarioFailure(AssertionError):
    """A wait that ran out, with the screen that was seen last."""


def _run(args):
    done = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if done.returncode != 0:
        raise ScenarioFailure("%s failed (status %d): %s" % (
            " ".join(args), done.returncode, done.stderr.decode(errors="replace").strip()))
    return done.stdout


class GameSession:
    """The game started from folder (which must hold quickfigure.exe)."""

    def __init__(self, folder, artifacts, name, extra_path=None, size=(WIDTH, HEIGHT),
                 locale=None):
        self.folder = folder
        self.artifacts = artifacts
        self.name = name
        self.extra_path = extra_path
        self.locale = locale  # the environment's locale ("fr_FR.UTF-8"); None keeps the runner's
        self.process = None
        self.window = None
        self.offset = (0, 0)
        self.size = size  # the client area the window is expected to have, width x height
        self.shots_saved = 0
        self.classify = None  # set by the scenarios: names the screen for failure reports

    # --- process -----------------------------------------------------------------------

    def start(self):
        log = open(os.path.join(self.folder, "wine-output.log"), "ab")
        self.process = subprocess.Popen(
            [wine.wine_binary(), "quickfigure.exe"], cwd=self.folder,
            env=wine.wine_environment(self.extra_path, self.locale), stdout=log, stderr=log,
            start_new_session=True)
        log.close()
        self.window = self._wait_for_window()
        self.offset = self._client_offset()
        self.focus()
        self.park_pointer()
        return self

    def alive(self):
        return self.process is not None and self.process.poll() is None

    def wait_exit(self, what, timeout=EXIT_TIMEOUT):
        """Waits for the program to end by itself; returns its exit status."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.fail("the program to end (%s)" % what, timeout)

    def kill(self):
        """Ends the game and anything it started, by its own process group."""
        if self.process is None or self.process.poll() is not None:
            return
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait(timeout=10)

    def _wait_for_window(self):
        deadline = time.monotonic() + START_TIMEOUT
        while time.monotonic() < deadline:
            if not self.alive():
                raise ScenarioFailure("the program ended before its window appeared "
                                      "(exit status %s)" % self.process.returncode)
            found = subprocess.run(
                ["xdotool", "search", "--all", "--pid", str(self.process.pid), "--name",
                 "^%s$" % CAPTION], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
            ids = found.stdout.split()
            # Input focus can only go to a window that is mapped and viewable.
            if ids and "IsViewable" in _run(["xwininfo", "-id", ids[0].decode()]).decode():
                return int(ids[0])
            time.sleep(POLL_SECONDS)
        raise ScenarioFailure("no window captioned %r appeared within %.0f s"
                              % (CAPTION, START_TIMEOUT))

    def window_name(self):
        return _run(["xdotool", "getwindowname", str(self.window)]).decode().rstrip("\n")

    def window_geometry(self):
        """Width and height of the game's X window, from xwininfo."""
        info = _run(["xwininfo", "-id", str(self.window)]).decode()
        values = {}
        for line in info.splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        return int(values["Width"]), int(values["Height"])

    def _client_offset(self):
        # Without a window manager Wine's X window is the client area itself; should it
        # carry a frame drawn by Wine, the frame sits evenly round the sides and bottom.
        width, height = self.window_geometry()
        border = max(0, (width - self.size[0]) >> 1)
        return border, max(0, height - self.size[1] - border)

    def resize(self, width, height):
        """Gives the window a client area of width x height, as dragging its frame would,
        and waits until the window has that size."""
        _run(["xdotool", "windowsize", "--sync", str(self.window), str(width), str(height)])
        self.size = (width, height)
        self.poll("the window to become %d x %d" % self.size,
                  lambda: self.window_geometry() == self.size)
        self.offset = self._client_offset()

    def move(self, x, y):
        """Moves the window's top-left corner to screen point (x, y)."""
        _run(["xdotool", "windowmove", "--sync", str(self.window), str(x), str(y)])

    # --- input -------------------------------------------------------------------------

    def focus(self):
        """Gives the game window the keyboard focus (there is no window manager to do it)."""
        deadline = time.monotonic() + 5.0
        while True:
            try:
                _run(["xdotool", "windowfocus", "--sync", str(self.window)])
                return
            except ScenarioFailure:
                if time.monotonic() >= deadline or not self.alive():
                    raise
            time.sleep(POLL_SECONDS)

    def keys(self, *names):
        """Types keys (xdotool names) into the focused game window, in order."""
        self.focus()
        _run(["xdotool", "key", "--delay", "40"] + list(names))

    def type_text(self, text):
        """Types text as key presses, one character at a time; a character the keyboard
        map lacks (an accented letter) gets a spare key of its own for the press."""
        self.focus()
        _run(["xdotool", "type", "--delay", "60", text])

    def move_pointer(self, x, y):
        _run(["xdotool", "mousemove", "--window", str(self.window),
              str(x + self.offset[0]), str(y + self.offset[1])])

    def click(self, x, y):
        """A left click at client point (x, y); the pointer stays there."""
        self.move_pointer(x, y)
        _run(["xdotool", "click", "1"])

    def press_until(self, x, y, what, test):
        """Holds the left button down at client point (x, y) until the screen passes test,
        then lets go and waits until it no longer does: a control that reacts to the press
        sees it in a frame of its own, and the next press starts from a released state."""
        self.move_pointer(x, y)
        _run(["xdotool", "mousedown", "1"])
        try:
            self.wait_for(what, test)
        finally:
            _run(["xdotool", "mouseup", "1"])
        self.wait_for("the end of " + what, lambda shot: not test(shot))

    def park_pointer(self):
        """Moves the pointer where it hovers over no control."""
        self.move_pointer(*NEUTRAL_POINT)

    def click_and_park(self, x, y):
        self.click(x, y)
        self.park_pointer()

    def close_box(self):
        """Closes the window as a window manager's close box does."""
        x11.send_close_request(self.window)

    # --- screen ------------------------------------------------------------------------

    def screenshot(self):
        data = _run(["import", "-window", str(self.window), "-depth", "8", "ppm:-"])
        shot = Shot.from_ppm(data)
        if self.offset != (0, 0) or (shot.width, shot.height) != self.size:
            left, top = self.offset
            shot = shot.crop(left, top, left + self.size[0], top + self.size[1])
        return shot

    def wait_for(self, what, test, timeout=10.0):
        """Polls screenshots until test(shot) is true; returns that shot."""
        deadline = time.monotonic() + timeout
        shot = None
        while True:
            if not self.alive():
                raise ScenarioFailure("the program ended (exit status %s) while waiting for %s"
                                      % (self.process.returncode, what))
            shot = self.screenshot()
            if test(shot):
                return shot
            if time.monotonic() >= deadline:
                self.fail(what, timeout, shot)
            time.sleep(POLL_SECONDS)

    def wait_steady(self, what, test, timeout=10.0):
        """Like wait_for, but the shot must also equal the one before it (no frame in flux)."""
        previous = [None]

        def steady(shot):
            ok = test(shot) and previous[0] is not None and previous[0].rgb == shot.rgb
            previous[0] = shot
            return ok

        return self.wait_for(what, steady, timeout)

    def hold(self, what, test, seconds):
        """Checks the screen for the given number of seconds: test must stay true."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            shot = self.screenshot()
            if not test(shot):
                raise ScenarioFailure("%s did not last %.0f s; the screen showed %s"
                                      % (what, seconds, self.describe(shot)))
            time.sleep(POLL_SECONDS)

    def poll(self, what, test, timeout=10.0):
        """Waits for test() (about something other than the screen) to become true."""
        deadline = time.monotonic() + timeout
        while not test():
            if time.monotonic() >= deadline:
                self.fail(what, timeout)
            time.sleep(POLL_SECONDS)

    def fail(self, what, timeout, shot=None):
        """Fails the scenario, saving the screen and naming what it shows."""
        seen = "the program had ended"
        if self.alive():
            shot = shot or self.screenshot()
            seen = self.describe(shot)
        raise ScenarioFailure("timed out after %.0f s waiting for %s; the screen showed %s"
                              % (timeout, what, seen))

    def describe(self, shot):
        """A name for the screen shown, and where a copy of it was saved."""
        self.shots_saved += 1
        path = os.path.join(self.artifacts, "%s-%d.png" % (self.name, self.shots_saved))
        shot.save_png(path)
        name = self.classify(shot) if self.classify else "an unclassified screen"
        return "%s (saved as %s)" % (name, path)

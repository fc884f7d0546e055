"""The base of every scenario: a fresh folder with the program, sessions, clean-up.

Each scenario copies quickfigure.exe into a new temporary folder, so the data files the
game keeps beside itself start absent (or as the scenario writes them). Whatever happens,
the Wine processes a scenario started are ended by their own ids. A failed scenario
leaves its folder (data files, Wine output) and screenshots in the artifacts folder.
"""

import os
import shutil
import tempfile
import unittest

from harness import data_files
from harness.layout import find_font_height
from harness.problem_reader import read_problem
from harness.screens import Screens
from harness.session import GameSession


class Config:
    """Set once by the runner."""
    exe = None
    artifacts = None
    web_address = None


class Scenario(unittest.TestCase):
    """A TestCase whose tests drive the real program."""

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="quickfigure-e2e-")
        shutil.copy2(Config.exe, os.path.join(self.folder, "quickfigure.exe"))
        self.sessions = []
        self.screens = None

    def tearDown(self):
        for session in self.sessions:
            if session.alive():
                session.describe(session.screenshot())
                session.kill()

    def run(self, result=None):
        result = result or self.defaultTestResult()
        problems = len(result.failures) + len(result.errors)
        super().run(result)
        if len(result.failures) + len(result.errors) > problems:
            kept = os.path.join(Config.artifacts, self.short_name() + "-folder")
            shutil.rmtree(kept, ignore_errors=True)
            shutil.copytree(self.folder, kept)
        shutil.rmtree(self.folder, ignore_errors=True)
        return result

    def short_name(self):
        return self.id().rsplit(".", 1)[-1]

    # --- the program --------------------------------------------------------------------

    def start_game(self, extra_path=None, opening=None, locale=None):
        """Starts the program from the scenario's folder and waits for its main menu, or
        for opening, a (what, test) pair for the screen it should open on instead; with a
        locale ("fr_FR.UTF-8"), in an environment of that locale."""
        name = "%s-run%d" % (self.short_name(), len(self.sessions) + 1)
        session = GameSession(self.folder, Config.artifacts, name, extra_path, locale=locale)
        self.sessions.append(session)
        session.start()
        if self.screens is None:
            shot = session.wait_steady("the decorated menu panel",
                                       lambda s: find_font_height(s) is not None)
            self.screens = Screens(find_font_height(shot))
        session.classify = self.screens.classify
        session.wait_steady(*(opening or ("the main menu", self.screens.is_main_menu)))
        return session

    def quit_and_wait(self, session, what):
        """Waits for the program to end after a quit and checks it ended cleanly."""
        status = session.wait_exit(what)
        self.assertEqual(status, 0, "the program ended with status %d after %s" % (status, what))

    def wait_screen(self, session, what, test, timeout=10.0):
        return session.wait_steady(what, test, timeout)

    # --- pictures -----------------------------------------------------------------------

    @staticmethod
    def same_picture(a, b):
        return (a.width, a.height, a.rgb) == (b.width, b.height, b.rgb)

    def save_pictures(self, what, *shots):
        paths = []
        for i, shot in enumerate(shots):
            paths.append(os.path.join(Config.artifacts, "%s-%s-%d.png" % (
                self.short_name(), what.replace(" ", "-"), i + 1)))
            shot.save_png(paths[-1])
        return ", ".join(paths)

    def assert_same_pictures(self, a, b, what):
        if not self.same_picture(a, b):
            self.fail("%s differ in %d pixels (saved as %s)"
                      % (what, a.differing_pixels(b), self.save_pictures(what, a, b)))

    def assert_different_pictures(self, a, b, what):
        if self.same_picture(a, b):
            self.fail("%s are the same picture (saved as %s)" % (what, self.save_pictures(what, a)))

    # --- data files ---------------------------------------------------------------------

    def problem_on_screen(self, game):
        """Waits for a play screen whose problem can be read; returns the shot and the
        problem."""
        layout = self.screens.game

        def readable(shot):
            return self.screens.is_play(shot) and read_problem(shot, layout) is not None

        shot = game.wait_for("a problem that can be read", readable)
        return shot, read_problem(shot, layout)

    def status_box(self, shot):
        """The play screen's score, level and problem box, cut out of the shot."""
        x, y, w, h = self.screens.game.status_box
        return shot.crop(x, y, x + w + 1, y + h + 1)

    def path(self, name):
        return os.path.join(self.folder, name)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def write(self, name, data):
        with open(self.path(name), "wb") as f:
            f.write(data)

    def read_saved_files(self):
        """Both data files after an exit: the decoded table and the settings, checked
        against each other (the settings record the high-score file's length)."""
        stored = self.read("highscores.dat")
        settings = data_files.Settings(self.read("settings.dat"))
        self.assertEqual(settings.stored_length, len(stored),
                         "the last line of settings.dat is not the high-score file's length")
        return data_files.read_high_scores(data_files.invert(stored)), settings

    def write_data_files(self, entries, sound=True, difficulty=1, extra=b""):
        """Writes a table (stored inverted) and settings that record its length; extra
        bytes are appended to the high-score file afterwards, as damage."""
        plain = data_files.plain_high_scores(entries)
        self.write("settings.dat",
                   data_files.settings((1, 1, 1, 1), difficulty, sound, len(plain)))
        self.write("highscores.dat", data_files.invert(plain) + extra)
        return plain

"""The table survives saves that cannot complete, and a program folder that cannot be written.

A folder named settings.dat.tmp blocks the settings' half of the pair save: a game that
scored is then not saved at all, and the old table (not an emptied one) shows at the next
start. With the program's folder mounted read-only (a bind mount, since root ignores
file modes), the files go to the prefix's %LOCALAPPDATA%\\Quickfigure, starting from the
table in the program's folder; that scenario is skipped where mounts are not permitted.
"""

import contextlib
import os
import shutil
import subprocess
import tempfile

from harness import data_files
from harness.problem_reader import read_problem, result_of
from harness.scenario import Scenario
from scenarios.test_data_files import EMPTY_LINES, ENTRY_LINES, TABLE
from scenarios.test_scoring import wrong_answer

FOUR_OPERATIONS = b" +  -  x  \x89 "


def _mount(*args):
    subprocess.run(["mount"] + list(args), check=True, stdout=subprocess.PIPE,
                   stderr=subprocess.PIPE)


class DataSafety(Scenario):

    def play_a_scoring_game(self, game):
        """From the main menu: one right answer, then wrong ones until the game is over
        (the clock runs out by itself once a penalty no longer fits)."""
        screens = self.screens
        game.keys("1")
        self.wait_screen(game, "the setup screen", screens.is_setup)
        game.keys("1")
        answered = False
        shot = game.screenshot()
        while not screens.is_game_over(shot):
            problem = read_problem(shot, screens.game) if screens.is_play(shot) else None
            if problem is not None:
                result = result_of(problem)
                game.keys(*(wrong_answer(result) if answered else str(result)))
                answered = True
            if not game.alive():
                self.fail("the program ended during the game")
            shot = game.screenshot()

    def wait_slot(self, game, key, lines, differs_from=None):
        """Types a key on (or into) the high-score screen and waits for the line colours
        of the entry shown, and for a panel other than differs_from's if given."""
        game.keys(key)
        screens = self.screens

        def shown(shot):
            return (screens.is_high_scores(shot) and screens.high_score_lines(shot) == lines and
                    (differs_from is None or not self.same_picture(
                        screens.panel_of(shot), screens.panel_of(differs_from))))

        return self.wait_screen(game, "slot %s showing %r" % (key, lines), shown)

    def test_a_blocked_pair_save_keeps_the_old_table_and_a_later_save_works(self):
        self.write_data_files(TABLE)
        stored, settings = self.read("highscores.dat"), self.read("settings.dat")
        os.mkdir(self.path("settings.dat.tmp"))

        game = self.start_game()
        self.play_a_scoring_game(game)
        game.close_box()
        self.quit_and_wait(game, "the close request on the game-over screen")
        self.assertEqual(self.read("highscores.dat"), stored, "the old table was replaced")
        self.assertEqual(self.read("settings.dat"), settings)
        self.assertFalse(os.path.exists(self.path("highscores.dat.tmp")))

        game = self.start_game()
        best = self.wait_slot(game, "3", ENTRY_LINES)
        self.wait_slot(game, "2", ENTRY_LINES, differs_from=best)
        self.wait_slot(game, "3", EMPTY_LINES)
        os.rmdir(self.path("settings.dat.tmp"))
        game.keys("0", "2", "1")  # the options screen; key 1 switches the sound off
        self.wait_screen(game, "the options screen with the sound off",
                         lambda s: (self.screens.is_options(s) and not
                                    self.screens.check_box_ticked(
                                        s, self.screens.find_check_box(s))))
        game.close_box()
        self.quit_and_wait(game, "the close request on the options screen")
        entries, saved = self.read_saved_files()
        self.assertEqual(entries, TABLE)
        self.assertFalse(saved.sound, "the save after the folder was removed did not happen")

    @contextlib.contextmanager
    def read_only_folder(self):
        """The scenario's folder as a read-only bind mount. The harness keeps the Wine log
        in it, so that one file is bound to a writable one outside."""
        log = self.path("wine-output.log")
        open(log, "ab").close()
        handle, outside = tempfile.mkstemp(prefix="quickfigure-e2e-log-")
        os.close(handle)
        mounts = []
        try:
            try:
                _mount("--bind", self.folder, self.folder)
                mounts.append(self.folder)
                _mount("-o", "remount,bind,ro", self.folder, self.folder)
                _mount("--bind", outside, log)
                mounts.append(log)
            except (OSError, subprocess.CalledProcessError) as error:
                self.skipTest("read-only bind mounts are not permitted here (%s)" % error)
            yield
        finally:
            for session in self.sessions:
                session.kill()
            for mount in reversed(mounts):
                subprocess.run(["umount", mount], check=True)
            shutil.copyfile(outside, log)
            os.remove(outside)

    def test_a_read_only_program_folder_keeps_the_files_in_the_user_folder(self):
        user = data_files.user_data_folder(os.environ["WINEPREFIX"])
        shutil.rmtree(user, ignore_errors=True)
        self.write_data_files(TABLE)
        stored, settings = self.read("highscores.dat"), self.read("settings.dat")
        try:
            with self.read_only_folder():
                game = self.start_game()
                self.wait_slot(game, "3", ENTRY_LINES)  # the program folder's table
                game.keys("0")
                self.wait_screen(game, "the main menu", self.screens.is_main_menu)
                self.play_a_scoring_game(game)
                game.close_box()
                self.quit_and_wait(game, "the close request on the game-over screen")

                entries, _ = data_files.read_pair(user)
                self.assertEqual(entries[:2], TABLE[:2])
                spare, difficulty, mode, score, level = entries[2]
                self.assertEqual((spare, difficulty, mode, level), (b"", b"Normal",
                                                                    FOUR_OPERATIONS, 1))
                self.assertGreater(score, 0)

                game = self.start_game()
                best = self.wait_slot(game, "3", ENTRY_LINES)
                # The third slot holds the new entry, kept in the user folder only.
                self.wait_slot(game, "3", ENTRY_LINES, differs_from=best)
                game.close_box()
                self.quit_and_wait(game, "the close request on the high-score screen")
            self.assertEqual(self.read("highscores.dat"), stored)
            self.assertEqual(self.read("settings.dat"), settings)
        finally:
            shutil.rmtree(user, ignore_errors=True)

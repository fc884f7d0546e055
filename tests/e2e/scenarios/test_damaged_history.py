"""A history that survives damage: a progress.dat cut short in its second game starts the
program with the facts and the first game, saved again in its place, and the damaged file
kept as progress.dat.bad; the progress screen says so once, on a line above its grid that
is gone when the screen is opened again. Damaged a second time, the file goes beside the
first copy as progress.dat.bad2. A game whose program is killed on its game-over screen
still has its record in progress.dat.
"""

import os

from harness import progress
from harness.problem_reader import read_problem, result_of
from harness.scenario import Scenario
from scenarios.test_scoring import wrong_answer

MULTIPLY = ord("x")
# Three facts and two games; the games played count both.
FACTS = [(MULTIPLY, 6, 7, 2, 1, 1, 0, 5200, 2100, 2),
         (MULTIPLY, 3, 4, 1, 1, 0, 0, 1500, 1500, 1),
         (ord("+"), 8, 5, 1, 0, 0, 1, 0, 0, 2)]
GAMES = [(b"2026-12-01 17:10", 1, b"Multiply", 40, 1, 2, 1, 2100),
         (b"2026-12-02 17:25", 2, b" +  x ", 12, 1, 1, 1, 1500)]


class DamagedHistory(Scenario):

    def open_progress(self, game, what):
        """From the main menu or the setup screen to the progress screen; returns its shot."""
        if not self.screens.is_setup(game.screenshot()):
            game.keys("1")
            self.wait_screen(game, "the setup screen", self.screens.is_setup)
        game.keys("9")
        return self.wait_screen(game, what, lambda s: progress.find_grid(s) is not None)

    def check_said_once(self, game):
        """The first opening differs from the second only above the grid: the line."""
        first = self.open_progress(game, "the progress screen with the damage line")
        top = progress.grid_rect(progress.find_grid(first))[1]
        game.keys("0")
        self.wait_screen(game, "the setup screen after key 0", self.screens.is_setup)
        second = self.open_progress(game, "the progress screen opened again")
        below = (0, top, first.width, first.height)
        self.assert_same_pictures(first.crop(*below), second.crop(*below),
                                  "the progress screens below the grid's top")
        self.assert_different_pictures(first.crop(0, 0, first.width, top),
                                       second.crop(0, 0, first.width, top),
                                       "the tops of the first and second opening")
        game.keys("0")
        self.wait_screen(game, "the setup screen after key 0", self.screens.is_setup)

    def test_a_damaged_history_keeps_what_reads_whole_and_twice_leaves_two_copies(self):
        whole = progress.progress_bytes(2, FACTS, GAMES)
        damaged = whole[:-3]  # cut in the second game's last line
        self.write("progress.dat", damaged)
        game = self.start_game()
        game.poll("progress.dat.bad", lambda: os.path.exists(self.path("progress.dat.bad")))
        self.assertEqual(self.read("progress.dat.bad"), damaged)
        self.assertEqual(self.read("progress.dat"), progress.progress_bytes(2, FACTS, GAMES[:1]),
                         "what was read is not saved in the damaged file's place")
        self.check_said_once(game)
        game.close_box()
        self.quit_and_wait(game, "the close request on the setup screen")

        again = self.read("progress.dat") + b"junk"
        self.write("progress.dat", again)
        game = self.start_game()
        game.poll("progress.dat.bad2", lambda: os.path.exists(self.path("progress.dat.bad2")))
        self.assertEqual(self.read("progress.dat.bad2"), again)
        self.assertEqual(self.read("progress.dat.bad"), damaged, "the first copy changed")
        self.check_said_once(game)
        game.close_box()
        self.quit_and_wait(game, "the close request on the setup screen")
        saved = progress.ProgressFile(self.read("progress.dat"))
        self.assertEqual((saved.games_played, saved.facts, len(saved.games)), (2, FACTS, 1))

    def test_a_game_killed_on_its_game_over_screen_keeps_its_record(self):
        game = self.start_game()
        screens = self.screens
        game.keys("1")
        self.wait_screen(game, "the setup screen", screens.is_setup)
        game.keys("1")
        shot = game.screenshot()
        while not screens.is_game_over(shot):
            problem = read_problem(shot, screens.game) if screens.is_play(shot) else None
            if problem is not None:
                game.keys(*wrong_answer(result_of(problem)))
            self.assertTrue(game.alive(), "the program ended during the game")
            shot = game.screenshot()
        game.poll("progress.dat to hold the game",
                  lambda: os.path.exists(self.path("progress.dat")) and
                  progress.ProgressFile(self.read("progress.dat")).games)
        game.kill()
        saved = progress.ProgressFile(self.read("progress.dat"))
        self.assertEqual((saved.games_played, len(saved.games)), (1, 1))
        self.assertTrue(saved.facts, "the game's answers are not in progress.dat")
        self.assertGreater(saved.games[0][6], 0, "the game's wrong answers are not counted")

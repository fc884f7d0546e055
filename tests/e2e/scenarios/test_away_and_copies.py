"""How players really use a window: a held key acts once, a game pauses when the player
switches away, a recorded score is on disk before the program ends, and a second copy
started from the same folder leaves the running one (and its table) alone.
"""

import subprocess
import time

from harness import wine
from harness.scenario import Scenario
from harness.screens import clock_range
from harness.session import _run
from scenarios import test_scoring

HOLD_SECONDS = 1.2
SECOND_COPY_TIMEOUT = 30.0


class AwayAndCopies(Scenario):

    # The scoring scenario's helpers: read a problem off the screen, answer it, lose.
    # (Taken from the module, so the scoring scenario is not collected here a second time.)
    problem_on_screen = test_scoring.Scoring.problem_on_screen
    status_box = test_scoring.Scoring.status_box
    answer_right = test_scoring.Scoring.answer_right
    lose = test_scoring.Scoring.lose

    def hold_key(self, game, key):
        game.focus()
        _run(["xdotool", "keydown", key])
        time.sleep(HOLD_SECONDS)
        _run(["xdotool", "keyup", key])

    def near_thirty_seconds(self, shot):
        """A game in play whose lamps show about 30 seconds (25 to 34)."""
        return self.screens.is_play(shot) and clock_range(self.screens.lamps(shot)) == (25, 34)

    def close_in_play(self, game):
        game.close_box()
        self.quit_and_wait(game, "the close request in play")

    def start_playing(self, game):
        screens = self.screens
        game.keys("1")
        self.wait_screen(game, "the setup screen", screens.is_setup)
        game.keys("1")
        return game.wait_for("a new game's lamps", self.near_thirty_seconds)

    def test_a_held_key_acts_once_on_the_menu_and_in_play(self):
        game = self.start_game()
        screens = self.screens
        self.hold_key(game, "1")
        self.wait_screen(game, "the setup screen after holding 1 on the menu", screens.is_setup)
        game.keys("1")
        game.wait_for("a new game", screens.is_play)
        self.hold_key(game, "1")  # one wrong answer costs 3 s; repeats would drain the clock
        game.hold("the game still running with about 30 s", self.near_thirty_seconds, 1.0)
        self.close_in_play(game)

    def test_leaving_the_window_pauses_a_game_until_a_click(self):
        game = self.start_game()
        screens = self.screens
        self.start_playing(game)
        # There is no window manager to minimise with, so the keyboard focus goes to the
        # root window, as when the player switches to another program.
        root = _run(["xdotool", "search", "--maxdepth", "0", "--name", ""]).split()[0]
        _run(["xdotool", "windowfocus", root.decode()])
        time.sleep(6.0)  # more than a lamp's worth of seconds would pass if the clock ran
        game.focus()
        game.wait_for("the pause screen after coming back", screens.is_paused)
        game.click_and_park(320, 400)
        game.wait_for("the game running again with its time", self.near_thirty_seconds)
        self.close_in_play(game)

    def test_a_recorded_score_survives_a_killed_process(self):
        game = self.start_game()
        screens = self.screens
        self.start_playing(game)
        self.answer_right(game, "keys")
        self.lose(game)
        game.keys("space")
        self.wait_screen(game, "the setup screen after Space", screens.is_setup)
        game.kill()
        entries, _ = self.read_saved_files()
        self.assertGreater(entries[0][3], 0, "the recorded score was not on disk")

    def test_a_second_copy_leaves_the_running_one_and_its_table_alone(self):
        self.write_data_files([(b"", b"Hard", b" x ", 77, 3)] + [(b"", b"", b"", 0, 0)] * 4)
        before = self.read("highscores.dat")
        game = self.start_game()
        second = subprocess.Popen([wine.wine_binary(), "quickfigure.exe"], cwd=self.folder,
                                  env=wine.wine_environment(), stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        try:
            status = second.wait(timeout=SECOND_COPY_TIMEOUT)
        except subprocess.TimeoutExpired:
            second.kill()
            self.fail("a second copy on the same folder kept running")
        self.assertEqual(status, 0)
        self.assertTrue(game.alive(), "the first copy ended")
        self.wait_screen(game, "the first copy's main menu", self.screens.is_main_menu)
        game.close_box()
        self.quit_and_wait(game, "the close request on the main menu")
        entries, _ = self.read_saved_files()
        self.assertEqual(entries[0][3], 77, "the running copy's table was lost")
        self.assertEqual(self.read("highscores.dat"), before)

"""Only the 7 times table, chosen by keys on the facts screen, in a game played from
outside: every problem shown is a fact of 7, so is every fact of the exported
facts, and the high-score table is as it was, though the game scored enough to
enter it.
"""

from harness import progress
from harness.problem_reader import result_of
from harness.scenario import Scenario

ONLY_MULTIPLY = ("5", "6", "8")  # the setup keys switching off add, subtract and divide
RIGHT_ANSWERS = 8
# A table with room for any score: a game played as specified would enter it.
TABLE = [(b"", b"Normal", b" x ", 5, 1)] + [(b"", b"", b"", 0, 0)] * 4


def fact_of_seven(a, b):
    return a == 7 or b == 7


class SevensPlay:
    """Steps of a game of the 7 times table played from outside, for a Scenario."""

    def open_the_sevens(self):
        """Starts the program and goes to the setup screen with only x on and only the 7
        times table chosen; returns the session."""
        game = self.start_game()
        game.keys("1")
        self.wait_screen(game, "the setup screen", self.screens.is_setup)
        game.keys(*ONLY_MULTIPLY)
        self.choose_the_sevens(game)
        return game

    def choose_the_sevens(self, game):
        """F opens the facts screen, 7 switches the table on, Escape returns; the setup
        screen then shows the choice in a line of its own."""
        screens = self.screens
        plain = game.screenshot()
        game.keys("F")
        self.wait_screen(game, "the facts screen", lambda s: not screens.is_setup(s))
        game.keys("7")
        game.keys("Escape")
        shot = self.wait_screen(game, "the setup screen", screens.is_setup)
        self.assert_different_pictures(shot, plain, "the setup screen with and without a choice")

    def answer_right(self, game):
        shot, problem = self.problem_on_screen(game)
        a, sign, b = problem
        self.assertEqual(sign, "x", "only multiplication was switched on: %s" % (problem,))
        self.assertTrue(fact_of_seven(a, b), "%d x %d is no fact of 7" % (a, b))
        before = self.status_box(shot)
        game.keys(*str(result_of(problem)))
        game.wait_for("%d x %d answered" % (a, b),
                      lambda s: not self.same_picture(self.status_box(s), before))
        return "%d x %d" % (a, b)

    def answer_wrong_to_the_end(self, game):
        """Answers the problem shown wrong until the clock ends the game; returns its fact
        and the game-over screen."""
        _, (a, _, b) = self.problem_on_screen(game)
        shot = game.screenshot()
        while not self.screens.is_game_over(shot):
            if self.screens.is_play(shot):
                game.keys("0", "0")  # no fact of 7 from 1 up has the result 0 or 00
            shot = game.screenshot()
        return "%d x %d" % (a, b), shot

    def export(self, game):
        game.keys("9")
        # Not found by its grid, which a row of answered facts may leave without grey.
        self.wait_screen(game, "the progress screen", lambda s: not self.screens.is_setup(s))
        game.keys("2")
        game.poll("the export to be written",
                  lambda: self.saved(progress.MILESTONES_CSV) is not None)
        return progress.read_export(self.read)

    def saved(self, name):
        try:
            return self.read(name)
        except OSError:
            return None


class Facts(SevensPlay, Scenario):

    def test_only_the_sevens_are_dealt_and_the_table_is_untouched(self):
        self.write_data_files(TABLE)
        before = self.read("highscores.dat")
        game = self.open_the_sevens()
        screens = self.screens
        game.keys("1")
        for _ in range(RIGHT_ANSWERS):
            self.answer_right(game)
        self.answer_wrong_to_the_end(game)
        game.keys("space")
        self.wait_screen(game, "the setup screen after the game", screens.is_setup)
        facts, games, _ = self.export(game)
        self.assertGreaterEqual(len(facts), 2, "the export lists %d facts" % len(facts))
        for text in facts:
            a, sign, b = text.split(" ")
            self.assertEqual(sign, "x", text)
            self.assertTrue(fact_of_seven(int(a), int(b)), "%s is no fact of 7" % text)
        self.assertEqual(len(games), 1)
        self.assertGreater(int(games[0]["score"]), TABLE[0][3],
                           "the game scored too little to prove the table kept it out")
        game.keys("0")
        self.wait_screen(game, "the setup screen", screens.is_setup)
        game.keys("Escape")
        self.wait_screen(game, "the main menu", screens.is_main_menu)
        game.keys("Escape")
        self.quit_and_wait(game, "Escape on the main menu")
        self.assertEqual(self.read("highscores.dat"), before,
                         "the high-score table changed after a game of chosen facts")

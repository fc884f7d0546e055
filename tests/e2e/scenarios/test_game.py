"""A whole game lost on purpose: wrong answers typed and clicked until the clock runs out.

The problems are random, so the answers are chosen to be wrong whatever the problem:
each answer is typed as zeros. A result's first digit is never 0 unless the result is 0
itself (only a subtraction of equal numbers), so a run of zeros is judged wrong as soon
as it is as long as the result. That the judgements cost time is read off the clock's
lamps: the clock must fall further than the real time that passed.
"""

import time

from harness.scenario import Scenario
from harness.screens import clock_range

MAX_PRESSES = 40
STEP_SECONDS = 6  # how far each phase drives the clock down, at least
FOUR_OPERATIONS = b" +  -  x  \x89 "


class Reading:
    """The clock's range of remaining seconds, bracketed by when the screenshot was taken."""

    def __init__(self, before, after, seconds):
        self.before = before
        self.after = after
        self.low, self.high = seconds


class Game(Scenario):

    def read_clock(self, game):
        screens = self.screens
        before = time.monotonic()
        shot = game.wait_for("the game in play with readable lamps",
                             lambda s: screens.is_play(s) and clock_range(screens.lamps(s)))
        return Reading(before, time.monotonic(), clock_range(screens.lamps(shot)))

    def drain(self, game, press, how):
        """Presses until the clock shows STEP_SECONDS less, then checks the clock fell
        further than real time allows without penalties."""
        start = self.read_clock(game)
        for _ in range(MAX_PRESSES):
            press()
            now = self.read_clock(game)
            if now.high <= start.low - STEP_SECONDS:
                break
        else:
            self.fail("the clock stayed at %d..%d s after %d wrong answers %s"
                      % (now.low, now.high, MAX_PRESSES, how))
        # Whole seconds: the clock lost more than (start.low - now.high - 1) s of time.
        lost_at_least = start.low - now.high - 1
        real = now.after - start.before + 0.25  # plus a frame or so of display lag
        self.assertGreaterEqual(lost_at_least, real,
                                "wrong answers %s did not cost time: the clock fell from "
                                "%d..%d to %d..%d s in %.2f s" % (how, start.low, start.high,
                                                                 now.low, now.high, real))
        return now

    def test_wrong_answers_end_the_game_and_the_game_is_recorded(self):
        game = self.start_game()
        screens = self.screens
        game.keys("1")
        self.wait_screen(game, "the setup screen", screens.is_setup)
        game.keys("1")
        opening = self.read_clock(game)
        self.assertEqual((opening.low, opening.high), (25, 34),
                         "a new game's lamps do not show about 30 seconds")

        self.drain(game, lambda: game.keys("0"), "typed on the keyboard")
        zero_key = screens.game.key_centre("0")

        def press_zero():
            # The keypad reacts to the press; a release in the same frame would cancel it.
            game.press_until(zero_key[0], zero_key[1], "the 0 key drawn pressed",
                             lambda shot: screens.key_shows_pressed(shot, "0"))

        self.drain(game, press_zero, "clicked on the keypad")
        game.park_pointer()
        game.wait_for("the game-over screen", screens.is_game_over, timeout=15)

        game.keys("space")
        self.wait_screen(game, "the setup screen after Space", screens.is_setup)
        game.keys("Escape")
        self.wait_screen(game, "the main menu after Escape", screens.is_main_menu)
        game.keys("3")
        table = self.wait_screen(game, "the high-score screen", screens.is_high_scores)
        game.keys("0")
        self.wait_screen(game, "the main menu after key 0", screens.is_main_menu)
        game.keys("Escape")
        self.quit_and_wait(game, "Escape on the main menu")

        self.assertNotEqual(self.read("highscores.dat")[:3], b"11\n",
                            "highscores.dat was left in its plain form")
        entries, settings = self.read_saved_files()
        spare, difficulty, mode, score, level = entries[0]
        self.assertEqual((spare, difficulty, mode, level), (b"", b"Normal", FOUR_OPERATIONS, 1))
        self.assertEqual(entries[1:], [(b"", b"", b"", 0, 0)] * 4)
        self.assertEqual((settings.operations, settings.difficulty, settings.sound),
                         ((True,) * 4, 1, True))
        # A zero score is entered but shown as an empty slot; a lucky zero answer scores.
        expected_lines = ["black"] if score == 0 else ["blue", "black", "black", "blue"]
        self.assertEqual(screens.high_score_lines(table), expected_lines)

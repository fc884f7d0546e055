"""Practice: the setup screen's "Weak facts" and "Show the answer" switches, the right
result shown in red after a miss until the next digit, and the untimed round over a game's
misses that "Practise misses" starts from the game-over screen.

The switches belong to the progress history: keys W and A save them in progress.dat at
once and leave settings.dat alone, and a restart reads them back. A game of
multiplication is played with both on: the first problem is answered wrong (zeros: no
product of operands from 1 up is 0) and then right, the second right, the third wrong
until the penalties and the clock end the game. That game missed the first and the last
problem, so the game-over screen offers them again; the round asks exactly those, in that
order, and scores nothing: the table and progress.dat hold the one game alone.
"""

import os
import time

from harness.data_files import FormatError
from harness.image import same_565
from harness.layout import HEIGHT, NORMAL_FILL, OK_BUTTON_WIDTH, WIDTH
from harness.problem_reader import read_problem, result_of
from harness.progress import ProgressFile
from harness.scenario import Scenario

NORMAL = "3"  # the setup keys: Normal difficulty, add, subtract and divide switched off
ONLY_MULTIPLY = ("5", "6", "8")
SWITCHES = ("w", "a")  # Weak facts, Show the answer
PRACTISE = "p"

# The right result after a miss is red (0x1E1ED2 as 0xBBGGRR) until the next digit.
RED_SEEN_WITHIN = 1.0  # seconds after the wrong answer was typed
RED_STILL_AFTER = 3.0  # seconds after it was first seen, no digit typed
RED_PIXELS = 10  # the core of a digit's strokes, at the least
GAME_SECONDS = 90  # more than the clock can give a game whose answers are wrong


def red_pixels(shot, rect):
    """How many pixels of rect are strongly red: red high above green and blue, as the
    result's colour is and nothing else on the play screen with "Show the answer" on ever
    is (its text is black over white)."""
    left, top, right, bottom = rect
    count = 0
    for y in range(top, bottom):
        row = shot.rgb[(y * shot.width + left) * 3:(y * shot.width + right) * 3]
        count += sum(1 for r, g, b in zip(row[0::3], row[1::3], row[2::3])
                     if r >= 0xC0 and r - g >= 0x40 and r - b >= 0x40)
    return count


def problem_area(layout):
    """The problem box: left of the keypad, below the time panel and its lamps (red below
    25 seconds); the problem, the typed answer and the right result after a miss are drawn
    in it."""
    _, y, _, h = layout.time_box()
    return 0, y + h + 2, layout.keypad_x, HEIGHT


def fact_text(problem):
    a, sign, b = problem
    return "%d %s %d" % (a, sign, b)


class Practice(Scenario):

    # --- the files ----------------------------------------------------------------------

    def saved_progress(self):
        """progress.dat as read, or None while there is none (or it is being written)."""
        try:
            return ProgressFile(self.read("progress.dat"))
        except (OSError, FormatError):
            return None

    def wait_switches(self, game, weak_facts, show_answer):
        """Waits for progress.dat to hold the two switches so; returns its bytes."""
        wanted = (weak_facts, show_answer)

        def saved():
            history = self.saved_progress()
            return history is not None and (history.weak_facts, history.show_answer) == wanted

        game.poll("progress.dat to hold Weak facts %s, Show the answer %s" % wanted, saved)
        return self.read("progress.dat")

    def settings_state(self):
        """settings.dat's bytes and time of writing, or None while there is none: a save
        of the same bytes still shows."""
        path = self.path("settings.dat")
        if not os.path.exists(path):
            return None
        return self.read("settings.dat"), os.stat(path).st_mtime_ns

    # --- screens ------------------------------------------------------------------------

    def is_review(self, shot):
        """The review round: the play screen's boxes, but the score box holds the single
        line "No clock, no score" where play shows score, level and problem."""
        x, y, w, h = self.screens.game.status_box
        return (self.screens.is_play(shot) and
                len(shot.ink_lines((x + 2, y + 2, x + w - 2, y + h - 2))) == 1)

    def practise_button_shown(self, shot):
        """A button a line below OK, wider than OK: its face fills more than OK's width of
        the row just inside its top, its label is ink between."""
        f = self.screens.f
        top = (HEIGHT >> 1) - ((5 * f) >> 1) + 8 * f  # OK's top, its height, a line
        face = sum(1 for x in range(WIDTH) if same_565(shot.pixel(x, top + 3), NORMAL_FILL))
        label = shot.ink_lines((WIDTH >> 2, top + 3, WIDTH - (WIDTH >> 2), top + 2 * f - 3))
        return face > OK_BUTTON_WIDTH and label == ["black"]

    def review_problem(self, game, what, test=lambda shot: True):
        """Waits for a review screen passing test whose problem can be read."""
        layout = self.screens.game
        shot = game.wait_for(what, lambda s: (self.is_review(s) and test(s) and
                                              read_problem(s, layout) is not None))
        return shot, read_problem(shot, layout)

    # --- the game -----------------------------------------------------------------------

    def switch_practice_on(self, game):
        """W and A on the setup screen save both switches in progress.dat, on the frame
        after each key, and do not write settings.dat (its bytes and time unchanged)."""
        screens = self.screens
        game.keys("1")
        before = self.wait_screen(game, "the setup screen", screens.is_setup)
        settings = self.settings_state()
        game.keys(*SWITCHES)
        saved = self.wait_switches(game, True, True)
        # A steady screen: the frames after the last switch's save have been drawn.
        after = self.wait_screen(game, "the setup screen after W and A", screens.is_setup)
        self.assert_different_pictures(before.crop(0, 0, screens.game.keypad_x, HEIGHT),
                                       after.crop(0, 0, screens.game.keypad_x, HEIGHT),
                                       "the setup screen before and after W and A")
        self.assertEqual(self.settings_state(), settings, "W and A wrote settings.dat")
        return saved

    def answer_right(self, game, shot, problem):
        """Types the right answer and waits until the game has moved on (the score box
        counts every problem passed)."""
        before = self.status_box(shot)
        typed = str(result_of(problem))
        game.keys(*typed)
        game.wait_for("%s answered %s" % (fact_text(problem), typed),
                      lambda s: not self.same_picture(self.status_box(s), before))

    def miss_and_see_the_answer(self, game):
        """A wrong answer of the right length to the problem shown: within a second its
        result shows in red in the problem box, where nothing was red before; three seconds
        after that it is still there, the same problem still asked. Then the right answer
        moves on and the red is gone. Returns the problem."""
        shot, problem = self.problem_on_screen(game)
        self.assertEqual(problem[1], "x", "a game of multiplication dealt %s" % (problem,))
        area = problem_area(self.screens.game)
        self.assertEqual(red_pixels(shot, area), 0, "the problem box was red before a miss")
        right = str(result_of(problem))
        game.keys(*("0" * len(right)))
        game.wait_for("%s in red after a miss on %s" % (right, fact_text(problem)),
                      lambda s: red_pixels(s, area) >= RED_PIXELS, timeout=RED_SEEN_WITHIN)
        time.sleep(RED_STILL_AFTER)
        shot = game.screenshot()
        self.assertTrue(self.screens.is_play(shot), "the game did not go on after a miss")
        self.assertEqual(read_problem(shot, self.screens.game), problem,
                         "a wrong answer did not keep the problem")
        if red_pixels(shot, area) < RED_PIXELS:
            self.fail("the result went before a digit was typed, %.1f s after it was shown "
                      "(saved as %s)" % (RED_STILL_AFTER, self.save_pictures("red gone", shot)))
        self.answer_right(game, shot, problem)
        shot = game.screenshot()
        found = red_pixels(shot, area)
        if found:
            self.fail("%d red pixels after the right answer was typed (saved as %s)"
                      % (found, self.save_pictures("red left", shot)))
        return problem

    def miss_to_the_end(self, game):
        """Answers the problem shown wrong, again and again, until the penalties and the
        clock end the game; returns it and the game-over screen."""
        _, problem = self.problem_on_screen(game)
        zeros = "0" * len(str(result_of(problem)))

        def over(shot):
            if self.screens.is_game_over(shot):
                return True
            if self.screens.is_play(shot):
                game.keys(*zeros)
            return False

        return problem, game.wait_for("the clock to end the game", over, timeout=GAME_SECONDS)

    def play(self, game):
        """A game of multiplication: missed first, right, missed to the end. Returns the
        missed problems in order and the game-over screen."""
        game.keys(NORMAL, *ONLY_MULTIPLY)
        game.keys("1")
        first = self.miss_and_see_the_answer(game)
        self.answer_right(game, *self.problem_on_screen(game))
        last, over = self.miss_to_the_end(game)
        return [first, last], over

    def review(self, game, missed):
        """The round asks the missed problems in order (the counter in the time panel
        moves on with each), untimed; the last right answer returns to the setup screen."""
        x, y, w, h = self.screens.game.time_box()

        def counter(shot):
            return shot.crop(x, y, x + w, y + h)

        last = None  # the counter as the problem before showed it
        for number, expected in enumerate(missed, 1):
            shot, problem = self.review_problem(
                game, "review problem %d of %d" % (number, len(missed)),
                lambda s, before=last: before is None or not self.same_picture(counter(s),
                                                                               before))
            self.assertEqual(problem, expected,
                             "review problem %d is not miss %d" % (number, number))
            last = counter(shot)
            game.keys(*str(result_of(problem)))
        self.wait_screen(game, "the setup screen after the review", self.screens.is_setup)

    # --- the scenario -------------------------------------------------------------------

    def check_one_game(self, saved, missed):
        """progress.dat holds one game of three problems, one right and two missed (the
        review counted nothing), and both switches on; the table holds its score alone."""
        history = ProgressFile(saved)
        self.assertEqual((history.weak_facts, history.show_answer), (True, True))
        self.assertEqual(history.games_played, 1)
        self.assertEqual(len(history.games), 1, "progress.dat lists %d games, not 1"
                         % len(history.games))
        _, _, operations, score, level, right, wrong, _ = history.games[0]
        self.assertEqual((operations, right, wrong), (b"Multiply", 1, len(missed)))
        asked = sum(asked for asked, _, _, _ in history.counts().values())
        self.assertEqual(asked, 1 + len(missed), "progress.dat counts other answers")
        entries, _ = self.read_saved_files()
        recorded = [entry for entry in entries if entry[3] != 0]
        self.assertEqual([(entry[1], entry[3], entry[4]) for entry in recorded],
                         [(b"Normal", score, level)],
                         "the table does not hold the game's score once")

    def test_a_game_with_both_switches_offers_its_misses_once_more(self):
        game = self.start_game()
        screens = self.screens
        self.switch_practice_on(game)
        missed, over = self.play(game)
        if not self.practise_button_shown(over):
            self.fail("no Practise misses button below OK (saved as %s)"
                      % self.save_pictures("game over", over))

        game.keys(PRACTISE)
        self.review_problem(game, "the review round after key P")
        # Starting the round recorded the game as OK does: its files are written.
        game.poll("progress.dat to hold the game",
                  lambda: self.saved_progress() is not None and self.saved_progress().games)
        recorded = self.read("progress.dat")
        self.review(game, missed)
        self.assertEqual(self.read("progress.dat"), recorded, "the review changed progress.dat")
        game.keys("Escape")
        self.wait_screen(game, "the main menu after Escape", screens.is_main_menu)
        game.keys("Escape")
        self.quit_and_wait(game, "Escape on the main menu")
        self.assertEqual(self.read("progress.dat"), recorded, "progress.dat changed at the exit")
        self.check_one_game(recorded, missed)

        # A restart reads both switches back: W turns Weak facts off and keeps the other.
        game = self.start_game()
        self.wait_switches(game, True, True)
        game.keys("1")
        self.wait_screen(game, "the setup screen after a restart", screens.is_setup)
        game.keys(SWITCHES[0])
        toggled = self.wait_switches(game, False, True)
        game.keys("Escape")
        self.wait_screen(game, "the main menu after Escape", screens.is_main_menu)
        game.keys("Escape")
        self.quit_and_wait(game, "Escape on the main menu after a restart")
        self.assertEqual(self.read("progress.dat"), toggled, "progress.dat changed at the exit")

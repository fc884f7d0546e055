"""Right answers score: problems read off the screen, answered on the keyboard and on the
keypad, then the game lost with answers known to be wrong; the recorded entry has a score
and is shown the same after a restart.

A right answer scores 1 to 10 points and moves the score box on (score and problem
count); a wrong one leaves it as it was.
"""

from harness.problem_reader import read_problem, result_of
from harness.scenario import Scenario

RIGHT_ANSWERS = ("keys", "keys", "keypad")
FOUR_OPERATIONS = b" +  -  x  \x89 "
ENTRY_LINES = ["blue", "black", "black", "blue"]


def wrong_answer(result):
    """A number of as many digits as the result that is not the result."""
    above = result + 1
    return str(above) if len(str(above)) == len(str(result)) else str(result - 1)


class Scoring(Scenario):

    def type_on_keypad(self, game, digits):
        screens = self.screens
        for digit in digits:
            x, y = screens.game.key_centre(digit)
            game.press_until(x, y, "the %s key drawn pressed" % digit,
                             lambda shot: screens.key_shows_pressed(shot, digit))

    def answer_right(self, game, how):
        shot, problem = self.problem_on_screen(game)
        answer = str(result_of(problem))
        before = self.status_box(shot)
        if how == "keys":
            game.keys(*answer)
        else:
            self.type_on_keypad(game, answer)
        game.park_pointer()
        game.wait_for("%s = %s accepted (%s)" % (problem, answer, how),
                      lambda s: not self.same_picture(self.status_box(s), before))

    def lose(self, game):
        """Wrong answers until the game-over screen shows; the clock runs out on its own
        once too little time is left for a penalty."""
        screens = self.screens
        shot = game.screenshot()
        while not screens.is_game_over(shot):
            problem = read_problem(shot, screens.game) if screens.is_play(shot) else None
            if problem is not None:
                game.keys(*wrong_answer(result_of(problem)))
            if not game.alive():
                self.fail("the program ended during the game")
            shot = game.screenshot()

    def test_right_answers_score_and_the_entry_survives_a_restart(self):
        game = self.start_game()
        screens = self.screens
        game.keys("1")
        self.wait_screen(game, "the setup screen", screens.is_setup)
        game.keys("1")
        for how in RIGHT_ANSWERS:
            self.answer_right(game, how)
        self.lose(game)

        game.keys("space")
        self.wait_screen(game, "the setup screen after Space", screens.is_setup)
        game.keys("Escape")
        self.wait_screen(game, "the main menu after Escape", screens.is_main_menu)
        game.keys("3")
        table = self.wait_screen(game, "the high-score screen with an entry",
                                 lambda s: (screens.is_high_scores(s) and
                                            screens.high_score_lines(s) == ENTRY_LINES))
        game.keys("0")
        self.wait_screen(game, "the main menu after key 0", screens.is_main_menu)
        game.keys("Escape")
        self.quit_and_wait(game, "Escape on the main menu")

        entries, _ = self.read_saved_files()
        spare, difficulty, mode, score, level = entries[0]
        self.assertEqual((spare, difficulty, mode, level), (b"", b"Normal", FOUR_OPERATIONS, 1))
        self.assertTrue(len(RIGHT_ANSWERS) <= score <= 10 * len(RIGHT_ANSWERS),
                        "%d right answers scored %d" % (len(RIGHT_ANSWERS), score))

        game = self.start_game()
        game.keys("3")
        self.wait_screen(game, "the same entry after a restart",
                         lambda s: self.same_picture(screens.panel_of(s),
                                                     screens.panel_of(table)))
        game.close_box()
        self.quit_and_wait(game, "the close request on the high-score screen")

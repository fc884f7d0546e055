"""Facts made fluent in play: two games of the 7 times table, the first answered quickly
and right many times before its last problem is answered wrong to the end, the second
answered wrong from its first problem. A fact is fluent when two of its last three answers
were right within three seconds, so exactly the facts answered right twice or more among
their last three answers are fluent in the export and in progress.dat; the first
game-over screen names facts made fluent below its buttons and the second, which made
none, does not; the 7 times table's milestone is there exactly when all ten of its facts
are fluent.
"""

from collections import defaultdict

from harness import progress
from harness.scenario import Scenario
from scenarios.test_facts import SevensPlay

RIGHT_ANSWERS = 24  # enough for most of the ten facts of 7 to come up twice or more
FLUENT_MS = 3000
SEVENS = {"%d x %d" % (max(7, k), min(7, k)) for k in range(1, 11)}


def fluent(answers):
    """Whether a fact's answers, oldest first (True right), make it fluent: every right
    answer here is quick, so two rights among the last three."""
    return sum(answers[-3:]) >= 2


class Fluency(SevensPlay, Scenario):

    def play_a_game(self, game, right_answers):
        """From the setup screen: a game of right_answers quick right answers, then its
        last problem wrong to the end. Returns the answers by fact (True right) and the
        game-over screen."""
        game.keys("1")
        answers = defaultdict(list)
        for _ in range(right_answers):
            answers[self.answer_right(game)].append(True)
        missed, shot = self.answer_wrong_to_the_end(game)
        answers[missed].append(False)
        game.keys("space")
        self.wait_screen(game, "the setup screen after the game", self.screens.is_setup)
        return answers, shot

    def below_the_buttons(self, shot):
        """The game-over screen below its OK button and the row of controls under it,
        where the facts made fluent are named."""
        top = self.screens.game.now_fluent_top()
        return shot.crop(0, top, shot.width, shot.height)

    def test_facts_answered_quickly_twice_become_fluent_and_are_named(self):
        game = self.open_the_sevens()
        screens = self.screens
        answers, first_over = self.play_a_game(game, RIGHT_ANSWERS)
        second, second_over = self.play_a_game(game, 0)
        for fact, verdicts in second.items():
            answers[fact] += verdicts
        self.assert_different_pictures(self.below_the_buttons(first_over),
                                       self.below_the_buttons(second_over),
                                       "the game-over screens of a game that made facts "
                                       "fluent and of one that made none")

        facts, games, milestones = self.export(game)
        self.assertEqual(set(facts), set(answers), "the export lists other facts")
        expected = {fact for fact, verdicts in answers.items() if fluent(verdicts)}
        self.assertTrue(expected, "no fact was answered right twice: %r" % dict(answers))
        self.assertEqual({fact for fact, row in facts.items() if row["fluent"] == "yes"},
                         expected, "the fluent facts of the export")
        self.assertEqual([row["game"] for row in games], ["1", "2"])
        self.assertEqual([row["milestone"] for row in milestones],
                         ["7 x table"] if SEVENS <= expected else [])

        saved = progress.ProgressFile(self.read("progress.dat"))
        for (operation, a, b), recent in saved.recent_answers().items():
            fact = "%d x %d" % (a, b)
            self.assertEqual([right for _, right in recent], answers[fact][-3:], fact)
            self.assertTrue(all(ms <= FLUENT_MS for ms, right in recent if right),
                            "%s was answered slower than the threshold: %r" % (fact, recent))
        game.keys("0")
        self.wait_screen(game, "the setup screen", screens.is_setup)
        game.close_box()
        self.quit_and_wait(game, "the close request on the setup screen")

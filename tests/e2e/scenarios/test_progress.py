"""The progress history of one played game: multiplication problems read off the screen
and answered right at once, wrong first or wrong to the end, the game finished by the
clock; then the progress screen's grid shows exactly those facts, in the classes their
answers earn, and the export lists them with their counts and the game with its tallies,
the same again after a restart, when progress.dat is left as the game saved it.

A fact is counted once per problem: right when the first answer is right, wrong when it
is wrong, whatever follows. Wrong answers are typed as zeros (no product of operands from
1 up is 0), each followed by the right answer to move on, except on the last problem,
answered wrong until the penalties and the clock end the game.
"""

import os
from collections import Counter

from harness import progress
from harness.problem_reader import result_of
from harness.scenario import Scenario

# First answers, in order, before the last problem: right or wrong.
FIRST_ANSWERS = ("right", "right", "wrong", "right", "wrong", "right")
NORMAL = "3"  # the setup keys: Normal difficulty, add, subtract and divide switched off
ONLY_MULTIPLY = ("5", "6", "8")
MULTIPLY = ord("x")


def fact_text(problem):
    a, sign, b = problem
    return "%d %s %d" % (a, sign, b)


class Progress(Scenario):

    # --- the game -----------------------------------------------------------------------

    def answer(self, game, first):
        """Answers the problem shown, first right or first wrong, and waits until the
        game has moved on (the score box counts every problem passed)."""
        shot, problem = self.problem_on_screen(game)
        self.assertEqual(problem[1], "x", "a game of multiplication dealt %s" % (problem,))
        right = str(result_of(problem))
        typed = ("0" * len(right) if first == "wrong" else "") + right
        before = self.status_box(shot)
        game.keys(*typed)
        game.wait_for("%s answered %s" % (fact_text(problem), typed),
                      lambda s: not self.same_picture(self.status_box(s), before))
        return problem

    def answer_wrong_to_the_end(self, game):
        _, problem = self.problem_on_screen(game)
        zeros = "0" * len(str(result_of(problem)))
        shot = game.screenshot()
        while not self.screens.is_game_over(shot):
            if self.screens.is_play(shot):
                game.keys(*zeros)
            shot = game.screenshot()
        return problem

    def play(self, game):
        """Plays one game of multiplication; returns the expected (asked, right, wrong) of
        each fact, the game's right and wrong tallies and each problem with its first
        answer."""
        screens = self.screens
        game.keys("1")
        self.wait_screen(game, "the setup screen", screens.is_setup)
        game.keys(NORMAL, *ONLY_MULTIPLY)
        game.keys("1")
        outcomes = [(self.answer(game, first), first) for first in FIRST_ANSWERS]
        outcomes.append((self.answer_wrong_to_the_end(game), "wrong"))
        asked = Counter(fact_text(problem) for problem, _ in outcomes)
        right = Counter(fact_text(problem) for problem, first in outcomes if first == "right")
        expected = {text: (asked[text], right[text], asked[text] - right[text]) for text in asked}
        tallies = (sum(right.values()), len(outcomes) - sum(right.values()))
        return expected, tallies, outcomes

    # --- the progress screen ------------------------------------------------------------

    def wait_grid(self, game, what, test=lambda cells: True):
        """Waits for a steady progress screen whose grid passes test; returns the shot,
        the grid and its cells."""
        found = {}

        def shown(shot):
            grid = progress.find_grid(shot)
            if grid is None:
                return False
            found["grid"], found["cells"] = grid, progress.grid_cells(shot, grid)
            return test(found["cells"])

        shot = self.wait_screen(game, what, shown)
        return shot, found["grid"], found["cells"]

    def check_grid(self, cells, problems, outcomes):
        """Exactly the answered facts' cells are coloured, a product in both its cells
        (3 x 7 is 7 x 3 as shown): dark blue for a fluent fact (right twice among its last
        three tries), light blue for one right at its one try, orange for one missed in at
        most half its tries, red for one missed in more."""
        places = {}
        for problem in problems:
            a, _, b = problem
            places.setdefault(fact_text(problem), set()).update({(a, b), (b, a)})
        coloured = progress.asked_cells(cells)
        self.assertEqual(set(coloured), set().union(*places.values()),
                         "the grid's coloured cells are not the facts answered")
        for text, first_answers in outcomes.items():
            recent = first_answers[-3:]
            missed = recent.count("wrong")
            if len(recent) - missed >= 2:
                expected = 0  # fluent: answered right twice, as a program answers, quickly
            elif missed == 0:
                expected = 1
            else:
                expected = 4 if 2 * missed > len(recent) else 3
            for place in places[text]:
                self.assertEqual(progress.grid_class(coloured[place]), expected,
                                 "%s (%s) is shown %r" % (text, recent, coloured[place]))

    def switch_grid_and_back(self, game, cells):
        """Key 1 shows the addition table, never asked here, and again the same table."""
        game.keys("1")
        self.wait_grid(game, "the addition grid, all grey",
                       lambda shown: not progress.asked_cells(shown))
        game.keys("1")
        self.wait_grid(game, "the multiplication grid again", lambda shown: shown == cells)

    def export(self, game, before, cells):
        """Key 2 writes the export's files and reports it on the screen, which still shows
        the same grid (moved down to make room for the folder's line); returns what the
        files hold (facts, games, milestones)."""
        csv_path = self.path(progress.FACTS_CSV)
        self.assertFalse(os.path.exists(csv_path), "the export was there before the export")
        game.keys("2")

        def reported(shot):
            grid = progress.find_grid(shot)
            return (not self.same_picture(shot, before) and grid is not None and
                    progress.grid_cells(shot, grid) == cells)

        self.wait_screen(game, "the export reported on the progress screen", reported)
        game.poll("the export to be written", lambda: all(
            os.path.exists(self.path(name))
            for name in (progress.FACTS_CSV, progress.GAMES_CSV, progress.MILESTONES_CSV)))
        return progress.read_export(self.read)

    # --- the files ----------------------------------------------------------------------

    def check_csv(self, export, expected, tallies, problems):
        facts, games, _ = export
        # Every problem but the last was answered right in the end, and so timed.
        timed = {fact_text(problem) for problem in problems[:-1]}
        found = {text: (int(row["asked"]), int(row["right"]), int(row["wrong"]))
                 for text, row in facts.items()}
        self.assertEqual(found, expected, "the export does not count the facts answered")
        for text, row in facts.items():
            self.assertEqual((row["skipped"], row["last game"]), ("0", "1"), text)
            self.assertEqual(row["average seconds"] != "", text in timed,
                             "%s: a time belongs to a right answer" % text)
            self.assertEqual(row["best seconds"] != "", text in timed, text)
            if text in timed:
                self.assertLessEqual(float(row["best seconds"]), float(row["average seconds"]),
                                     "%s: the best is slower than the average" % text)
        self.assertEqual(len(games), 1, "the export lists %d games, not 1" % len(games))
        game = games[0]
        self.assertEqual((game["game"], game["difficulty"], game["operations"], game["level"]),
                         ("1", "Normal", "x", "1"))
        self.assertEqual((int(game["right"]), int(game["wrong"])), tallies,
                         "the game's right and wrong tallies")
        # Each problem passed scores 1 to 10, whether its first answer was right or not.
        passed = len(FIRST_ANSWERS)
        self.assertTrue(passed <= int(game["score"]) <= 10 * passed,
                        "%d problems passed scored %s" % (passed, game["score"]))
        self.assertRegex(game["date"], r"^\d{4}-\d\d-\d\d \d\d:\d\d$")

    def check_progress_file(self, data, expected, tallies):
        saved = progress.ProgressFile(data)
        self.assertEqual(saved.games_played, 1)
        counts = {"%d x %d" % (a, b): (asked, right, wrong)
                  for (operation, a, b), (asked, right, wrong, _) in saved.counts().items()
                  if operation == MULTIPLY}
        self.assertEqual(counts, expected, "progress.dat does not count the facts answered")
        self.assertEqual(len(saved.facts), len(expected), "progress.dat has other facts")
        self.assertEqual([game[2] + b"/%d/%d" % game[5:7] for game in saved.games],
                         [b"Multiply/%d/%d" % tallies])

    # --- the scenario -------------------------------------------------------------------

    def start_with_progress_named(self):
        """Starts the program; failure reports also name the progress screen."""
        game = self.start_game()
        named = game.classify
        game.classify = lambda shot: ("the progress screen" if progress.find_grid(shot)
                                      else named(shot))
        return game

    def saved_history(self):
        """progress.dat as read, or None while there is none."""
        if not os.path.exists(self.path("progress.dat")):
            return None
        return progress.ProgressFile(self.read("progress.dat"))

    def test_a_played_game_is_shown_and_exported_the_same_after_a_restart(self):
        game = self.start_with_progress_named()
        screens = self.screens
        expected, tallies, outcomes = self.play(game)
        problems = [problem for problem, _ in outcomes]
        first_answers = {}
        for problem, first in outcomes:
            first_answers.setdefault(fact_text(problem), []).append(first)
        # The game's record is saved when the clock ends it, before its screen is dismissed.
        game.poll("progress.dat to hold the game at its end",
                  lambda: self.saved_history() is not None and self.saved_history().games)
        game.keys("space")
        self.wait_screen(game, "the setup screen after Space", screens.is_setup)
        game.poll("progress.dat to hold the game",
                  lambda: self.saved_history() is not None and self.saved_history().games)
        saved = self.read("progress.dat")
        self.check_progress_file(saved, expected, tallies)

        game.keys("9")
        _, _, cells = self.wait_grid(game, "the progress screen with the answered facts",
                                     lambda shown: bool(progress.asked_cells(shown)))
        self.check_grid(cells, problems, first_answers)
        self.switch_grid_and_back(game, cells)
        exported = self.export(game, game.screenshot(), cells)
        self.check_csv(exported, expected, tallies, problems)
        game.keys("0")
        self.wait_screen(game, "the setup screen after key 0", screens.is_setup)
        game.keys("Escape")
        self.wait_screen(game, "the main menu after Escape", screens.is_main_menu)
        game.keys("Escape")
        self.quit_and_wait(game, "Escape on the main menu")
        self.assertEqual(self.read("progress.dat"), saved, "progress.dat changed at the exit")

        for name in (progress.FACTS_CSV, progress.GAMES_CSV, progress.MILESTONES_CSV):
            os.remove(self.path(name))
        game = self.start_with_progress_named()
        game.keys("1")
        self.wait_screen(game, "the setup screen", screens.is_setup)
        game.keys("9")
        shot, _, _ = self.wait_grid(game, "the same grid after a restart",
                                    lambda shown: shown == cells)
        self.assertEqual(self.export(game, shot, cells), exported,
                         "the export after a restart differs")
        game.keys("Escape")
        self.wait_screen(game, "the setup screen after Escape", screens.is_setup)
        game.close_box()
        self.quit_and_wait(game, "the close request on the setup screen")
        self.assertEqual(self.read("progress.dat"), saved,
                         "progress.dat changed in a run without a game")

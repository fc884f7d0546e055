"""Two players on one computer, from the keyboard: a second player added on "Who is
playing?" (a name another player has refused first, then a name with an accented letter
typed key by key), an option switched off and a game scored as that player, and the
program quit. players.dat then lists both, the new player's files are in players\\1\\ with
the change and the score, and the first player's, beside the program, have neither.
The next start opens on "Who is playing?" with both players and the last one to play
chosen; each player then finds their own setup screen and high-score table.
"""

import os

from harness import data_files
from harness.scenario import Scenario
from scenarios import test_scoring

NAME = "Zo\u00eb-Ann"
TAKEN_NAME = "PLAYER 1"  # the first player's name in other letters
FIRST_NAME = b"Player 1"
EMPTY_LINES = ["black"]
ENTRY_LINES = test_scoring.ENTRY_LINES
THREE_OPERATIONS = b" -  x  \x89 "  # Add switched off


class Players(Scenario):

    # --- the setup screen: its left side, the current player's name above the options ---

    def setup_side(self, shot):
        return shot.crop(0, 0, self.screens.game.keypad_x, shot.height)

    def name_row(self, shot):
        return shot.crop(0, 0, self.screens.game.keypad_x, 4 * self.screens.f)

    def options(self, shot):
        return shot.crop(0, 4 * self.screens.f, self.screens.game.keypad_x, shot.height)

    # --- "Who is playing?" ----------------------------------------------------------------

    def wait_list(self, game, what, count, chosen=None):
        """Waits for the list with count player buttons (and, if given, the button at
        index chosen framed: its fill is cut shorter by the frame than the others')."""
        screens = self.screens

        def shown(shot):
            if not screens.is_players_list(shot):
                return False
            heights = [bottom - top for top, bottom in screens.player_buttons(shot)]
            return len(heights) == count and (
                chosen is None or
                heights[chosen] < min(h for i, h in enumerate(heights) if i != chosen))

        return self.wait_screen(game, what, shown)

    def type_name(self, game, text):
        """Types text into the name entry and waits until the entry shows something new."""
        before = game.screenshot()
        game.type_text(text)
        return self.wait_screen(game, "the name entry showing %r" % text,
                                lambda s: (self.screens.is_name_entry(s) and
                                           not self.same_picture(s, before)))

    def add_player(self, game):
        """On the setup screen: P, N, a taken name refused, then NAME; returns the setup
        screen that follows."""
        screens = self.screens
        game.keys("p")
        self.wait_list(game, "\"Who is playing?\" with one player", 1)
        game.keys("n")
        self.wait_screen(game, "the name entry after N", screens.is_name_entry)
        typed = self.type_name(game, TAKEN_NAME)
        game.keys("Return")
        self.wait_screen(game, "the refusal of a name the first player has",
                         lambda s: screens.is_name_entry(s) and not self.same_picture(s, typed))
        game.keys(*["BackSpace"] * len(TAKEN_NAME))
        self.type_name(game, NAME)
        game.keys("Return")
        return self.wait_screen(game, "the setup screen of the new player", screens.is_setup)

    def play_one_right_answer(self, game):
        """A game from the setup screen: one right answer, then lost; back to the setup."""
        game.keys("1")
        test_scoring.Scoring.answer_right(self, game, "keys")
        test_scoring.Scoring.lose(self, game)
        game.keys("space")
        self.wait_screen(game, "the setup screen after the game", self.screens.is_setup)

    def check_table(self, game, lines, what):
        """From the main menu: the high-score screen shows lines and, with two players,
        the player's name on a black line under them; back to the main menu."""
        screens = self.screens
        game.keys("3")
        self.wait_screen(game, what, lambda s: (screens.is_high_scores(s) and
                                               screens.high_score_lines(s) == lines + ["black"]))
        game.keys("0")
        self.wait_screen(game, "the main menu after key 0", screens.is_main_menu)

    # --- the files ------------------------------------------------------------------------

    def saved_players(self):
        return data_files.Players(self.read("players.dat"))

    def check_files(self):
        players = self.saved_players()
        self.assertEqual([(name, folder) for name, folder, _ in players.players],
                         [(FIRST_NAME, 0), (NAME.encode("cp1252"), 1)])
        self.assertEqual(players.current, 1, "the player who played last is not the current one")
        first_table, first = data_files.read_pair(self.folder)
        self.assertEqual((first.operations, first.difficulty), ((True,) * 4, 1),
                         "the first player's settings took the new player's change")
        self.assertEqual([entry[3] for entry in first_table], [0] * 5,
                         "the new player's score went into the first player's table")
        table, settings = data_files.read_pair(os.path.join(self.folder, "players", "1"))
        self.assertEqual(settings.operations, (False, True, True, True),
                         "the new player's folder does not hold Add switched off")
        self.assertEqual(table[0][2], THREE_OPERATIONS)
        self.assertGreater(table[0][3], 0, "the new player's game was not scored")

    # --- the scenario ---------------------------------------------------------------------

    def test_a_second_player_keeps_their_own_settings_and_table(self):
        game = self.start_game()
        screens = self.screens
        game.keys("1")
        first_setup = self.wait_screen(game, "the setup screen", screens.is_setup)
        self.assertFalse(os.path.exists(self.path("players.dat")),
                         "players.dat was written with one player")

        new_setup = self.add_player(game)
        self.assert_different_pictures(self.name_row(first_setup), self.name_row(new_setup),
                                       "the setup screen's names of the two players")
        self.assert_same_pictures(self.options(first_setup), self.options(new_setup),
                                  "the first player's and a new player's options")
        game.keys("5")
        changed = self.wait_screen(game, "Add switched off",
                                   lambda s: (screens.is_setup(s) and not self.same_picture(
                                       self.options(s), self.options(new_setup))))
        self.play_one_right_answer(game)
        game.keys("Escape")
        self.wait_screen(game, "the main menu after Escape", screens.is_main_menu)
        game.keys("Escape")
        self.quit_and_wait(game, "Escape on the main menu")
        self.check_files()

        game = self.start_game(opening=("\"Who is playing?\" with both players",
                                        lambda s: screens.is_players_list(s) and
                                        len(screens.player_buttons(s)) == 2))
        self.wait_list(game, "the last player to play chosen", 2, chosen=1)
        game.keys("Up")
        self.wait_list(game, "the first player chosen after Up", 2, chosen=0)
        game.keys("Return")
        self.wait_screen(game, "the main menu after choosing the first player",
                         screens.is_main_menu)
        self.check_table(game, EMPTY_LINES, "the first player's empty table")
        game.keys("1")
        self.wait_screen(game, "the first player's own setup screen",
                         lambda s: (screens.is_setup(s) and self.same_picture(
                             self.setup_side(s), self.setup_side(first_setup))))
        game.keys("p")
        self.wait_list(game, "\"Who is playing?\" from the setup screen", 2, chosen=0)
        game.keys("2")
        self.wait_screen(game, "the new player's own setup screen",
                         lambda s: (screens.is_setup(s) and self.same_picture(
                             self.setup_side(s), self.setup_side(changed))))
        game.keys("Escape")
        self.wait_screen(game, "the main menu after Escape", screens.is_main_menu)
        self.check_table(game, ENTRY_LINES, "the new player's table with their entry")
        game.keys("Escape")
        self.quit_and_wait(game, "Escape on the main menu")
        self.check_files()

"""The high-score table across restarts, and a high-score file that was tampered with.

The scenarios write the files themselves, in the documented format, so the table holds
entries with real scores: shown, an entry is four lines (blue difficulty, black level,
black mode, blue score) and an empty slot one black line.
"""

from harness.scenario import Scenario

EMPTY = (b"", b"", b"", 0, 0)
TABLE = [(b"", b"Hard", b"Add", 4321, 3), (b"", b"Easy", b" +  - ", 50, 1), EMPTY, EMPTY, EMPTY]
ENTRY_LINES = ["blue", "black", "black", "blue"]
EMPTY_LINES = ["black"]


class DataFiles(Scenario):

    def text_area(self, shot):
        return shot.crop(*self.screens.menu.high_score_text_area())

    def panel(self, shot):
        return self.screens.panel_of(shot)

    def wait_entry(self, game, what, lines, differs_from=None):
        """Waits for the high-score screen to show text of the given line colours (and,
        if given, a panel other than differs_from's)."""
        screens = self.screens

        def shown(shot):
            return (screens.is_high_scores(shot) and screens.high_score_lines(shot) == lines and
                    (differs_from is None or not self.same_picture(self.panel(shot),
                                                                   self.panel(differs_from))))

        return self.wait_screen(game, what, shown)

    def wait_same_panel(self, game, what, earlier):
        return self.wait_screen(game, what,
                                lambda s: self.same_picture(self.panel(s), self.panel(earlier)))

    def test_the_table_read_at_start_is_saved_unchanged_and_shown_again(self):
        self.write_data_files(TABLE)
        stored, settings = self.read("highscores.dat"), self.read("settings.dat")

        game = self.start_game()
        game.keys("3")
        first = self.wait_entry(game, "the best entry", ENTRY_LINES)
        game.keys("2")
        second = self.wait_entry(game, "the second entry", ENTRY_LINES, differs_from=first)
        self.assert_different_pictures(self.text_area(first), self.text_area(second),
                                       "the texts of entries 1 and 2")
        game.keys("3")
        self.wait_entry(game, "the empty third slot", EMPTY_LINES)
        game.keys("0")
        self.wait_screen(game, "the main menu after key 0", self.screens.is_main_menu)
        game.keys("0")
        self.quit_and_wait(game, "key 0 on the main menu")
        self.assertEqual(self.read("highscores.dat"), stored,
                         "an unchanged table was not saved as it was read")
        self.assertEqual(self.read("settings.dat"), settings)

        game = self.start_game()
        game.keys("3")
        self.wait_same_panel(game, "the best entry as shown before the restart", first)
        game.keys("2")
        self.wait_same_panel(game, "the second entry as shown before the restart", second)
        game.close_box()
        self.quit_and_wait(game, "the close request on the high-score screen")
        self.assertEqual(self.read("highscores.dat"), stored)

    def test_a_high_score_file_with_a_byte_added_loads_as_an_empty_table(self):
        self.write_data_files(TABLE, extra=b"\xc8")
        game = self.start_game()
        game.keys("3")
        first = self.wait_entry(game, "an empty best entry", EMPTY_LINES)
        game.keys("2")
        self.wait_entry(game, "an empty second entry", EMPTY_LINES, differs_from=first)
        game.close_box()
        self.quit_and_wait(game, "the close request on the high-score screen")
        entries, _ = self.read_saved_files()
        self.assertEqual([entry[3] for entry in entries], [0] * 5,
                         "scores of a table of the wrong length survived")

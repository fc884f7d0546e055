"""The language: followed from Windows at the first start, chosen with L, kept by language.dat.

Wine takes Windows' display language from the environment's locale, so each run starts in
an environment of one locale. The harness cannot read the menu's words, so a language is
told by its pictures: the main menu's panel in English must be the picture of a run
started without a locale, in French and German it must differ from the English one and
from each other. The French and German checks need their catalogues in the program; a
build without the French one skips them. What the game stores never depends on the
language: a game lost in French leaves the files an English one leaves.
"""

import unittest

from harness import data_files
from harness.catalogues import has_catalogue
from harness.scenario import Config, Scenario

ENGLISH = "en_US.UTF-8"
FRENCH = "fr_FR.UTF-8"
GERMAN = "de_DE.UTF-8"
FOUR_OPERATIONS = b" +  -  x  \x89 "
# The options screen presses L at most this many times to come back to English.
MAX_LANGUAGES = 20
# Wrong answers typed at most before the clock has run out.
MAX_WRONG_ANSWERS = 200


def saved_code(data):
    """The language code in language.dat's bytes: its last line."""
    return data.rstrip(b"\n").rsplit(b"\n", 1)[-1].decode()


class Languages(Scenario):

    def main_menu_panel(self, locale):
        """The main menu's panel of a run in the locale's environment, quit at once."""
        game = self.start_game(locale=locale)
        panel = self.screens.panel_of(game.screenshot())
        game.keys("Escape")
        self.quit_and_wait(game, "Escape on the main menu in %s" % (locale or "no locale"))
        return panel

    def require_french(self):
        if not has_catalogue(Config.exe, "fr"):
            self.skipTest("the program holds no French catalogue")

    def options_panel(self, game, what):
        return self.screens.panel_of(self.wait_screen(game, what, self.screens.is_options))

    def test_the_main_menu_speaks_the_language_of_the_environment(self):
        plain = self.main_menu_panel(None)
        english = self.main_menu_panel(ENGLISH)
        self.assert_same_pictures(english, plain, "the English main menu and today's")
        self.assertFalse(self.path_exists("language.dat"), "a start chose a language")
        self.require_french()
        french = self.main_menu_panel(FRENCH)
        german = self.main_menu_panel(GERMAN)
        self.assert_different_pictures(french, english, "the French and English main menus")
        self.assert_different_pictures(german, english, "the German and English main menus")
        self.assert_different_pictures(french, german, "the French and German main menus")

    def test_l_on_the_options_screen_switches_at_once_and_a_restart_keeps_it(self):
        game = self.start_game(locale=ENGLISH)
        game.keys("2")
        english = self.options_panel(game, "the options screen in English")
        game.keys("l")
        chosen = self.options_panel(game, "the options screen after L")
        code = saved_code(self.read("language.dat"))
        if has_catalogue(Config.exe, code) and code != "en":
            self.assert_different_pictures(chosen, english, "the options before and after L")
        else:
            self.assertEqual(code, "en", "L chose a language the program cannot show")
            self.assert_same_pictures(chosen, english, "the English options before and after L")
        game.keys("0")
        self.wait_screen(game, "the main menu after key 0", self.screens.is_main_menu)
        game.keys("Escape")
        self.quit_and_wait(game, "Escape on the main menu")

        game = self.start_game(locale=GERMAN)
        game.keys("2")
        kept = self.options_panel(game, "the options screen after a restart")
        self.assert_same_pictures(kept, chosen, "the chosen language's options before and after "
                                                "a restart in another locale")
        for _ in range(MAX_LANGUAGES):
            if saved_code(self.read("language.dat")) == "en":
                break
            game.keys("l")
            self.options_panel(game, "the options screen after L")
        back = self.options_panel(game, "the options screen back in English")
        self.assert_same_pictures(back, english, "the English options first and after a round")
        game.keys("0")
        self.wait_screen(game, "the main menu after key 0", self.screens.is_main_menu)
        game.keys("Escape")
        self.quit_and_wait(game, "Escape on the main menu")

    def test_a_game_lost_in_french_stores_what_english_stores(self):
        game = self.start_game(locale=FRENCH)
        screens = self.screens
        game.keys("1")
        self.wait_screen(game, "the setup screen", screens.is_setup)
        game.keys("1")
        game.wait_for("the game in play", screens.is_play)
        # Zeros are wrong whatever the problem (test_game.py tells why); each costs time.
        for _ in range(MAX_WRONG_ANSWERS):
            if screens.is_game_over(game.screenshot()):
                break
            game.keys("0")
        else:
            self.fail("no game-over screen after %d wrong answers" % MAX_WRONG_ANSWERS)
        game.keys("space")
        self.wait_screen(game, "the setup screen after Space", screens.is_setup)
        game.keys("Escape")
        self.wait_screen(game, "the main menu after Escape", screens.is_main_menu)
        game.keys("Escape")
        self.quit_and_wait(game, "Escape on the main menu")

        entries, settings = self.read_saved_files()
        spare, difficulty, mode, score, level = entries[0]
        self.assertEqual((spare, difficulty, mode, level), (b"", b"Normal", FOUR_OPERATIONS, 1))
        plain = data_files.plain_high_scores(entries)
        self.assertEqual(self.read("highscores.dat"), data_files.invert(plain))
        self.assertEqual(self.read("settings.dat"),
                         data_files.settings((1, 1, 1, 1), 1, True, len(plain)))

    def path_exists(self, name):
        try:
            self.read(name)
        except FileNotFoundError:
            return False
        return True


if __name__ == "__main__":
    unittest.main()

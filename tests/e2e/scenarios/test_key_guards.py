"""The setup screen's keys act only on the setup screen, and a pause never outlives it.

The high-score screen passes keys 6 and 8 on to the game, and the options screen key 4;
they must not switch off Subtract and Divide or choose Hard (settings.dat, read after
quitting, keeps all four operations and Normal). Paused on the setup screen, Escape must
not leave for the menu behind the pause, and the next Play must show the setup screen.
"""

from harness.scenario import Scenario

NORMAL = 1


class KeyGuards(Scenario):

    def test_setup_keys_elsewhere_change_nothing_and_play_never_finds_a_pause(self):
        game = self.start_game()
        screens = self.screens
        game.keys("3")
        self.wait_screen(game, "the high-score screen", screens.is_high_scores)
        game.keys("6", "8", "0")
        self.wait_screen(game, "the main menu after the high scores", screens.is_main_menu)
        game.keys("2")
        self.wait_screen(game, "the options screen", screens.is_options)
        game.keys("4", "0")
        self.wait_screen(game, "the main menu after the options", screens.is_main_menu)

        game.keys("1")
        self.wait_screen(game, "the setup screen", screens.is_setup)
        game.click_and_park(*screens.game.command_centre("Pause"))
        game.wait_for("the pause screen over the setup", screens.is_paused)
        game.keys("Escape")
        game.hold("the pause screen after Escape", screens.is_paused, 1)
        game.click_and_park(320, 400)
        self.wait_screen(game, "the setup screen after the resume", screens.is_setup)
        game.keys("Escape")
        self.wait_screen(game, "the main menu after Escape", screens.is_main_menu)
        game.keys("1")
        self.wait_screen(game, "the setup screen after Play", screens.is_setup)

        game.keys("Escape")
        self.wait_screen(game, "the main menu before quitting", screens.is_main_menu)
        game.keys("0")
        self.quit_and_wait(game, "key 0 on the main menu")
        settings = self.read_saved_files()[1]
        self.assertEqual(settings.operations, (True, True, True, True),
                         "keys on the menu screens switched operations off")
        self.assertEqual(settings.difficulty, NORMAL, "a key on the options screen chose Hard")

"""Start-up and the main menu: the window, its background, entries and their number keys.

A fresh folder has no data files, so the first exit must write both: an empty table of
71 plain bytes stored inverted, and settings that record that length.
"""

from harness import data_files
from harness.image import rgb_of
from harness.layout import HEIGHT, MENU_BACKGROUND, WIDTH
from harness.scenario import Scenario

EMPTY_ENTRY = (b"", b"", b"", 0, 0)


class StartAndMenu(Scenario):

    def test_window_shows_the_menu_on_its_background_and_first_exit_writes_both_files(self):
        game = self.start_game()
        self.assertEqual(game.window_name(), "Quickfigure")
        self.assertEqual(game.window_geometry(), (WIDTH, HEIGHT),
                         "the client area is not 640 x 480")
        shot = game.screenshot()
        left_of_panel = (0, 360, self.screens.menu.left - 10, 400)
        for rect in (self.screens.menu_background_rect(), left_of_panel):
            wrong = shot.first_not_565(rect, MENU_BACKGROUND)
            self.assertIsNone(wrong, "the background is not 0xFFE7DB in 5-6-5 form: "
                              "(x, y, seen) = %s, expected the top bits of %s"
                              % (wrong, rgb_of(MENU_BACKGROUND)))

        game.close_box()
        self.quit_and_wait(game, "the close request on the main menu")
        stored = self.read("highscores.dat")
        self.assertEqual(stored, data_files.invert(data_files.plain_high_scores([EMPTY_ENTRY] * 5)))
        self.assertEqual(len(stored), 71)
        entries, settings = self.read_saved_files()
        self.assertEqual(entries, [EMPTY_ENTRY] * 5)
        self.assertEqual((settings.operations, settings.difficulty, settings.sound),
                         ((True,) * 4, 1, True), "first-start defaults were not saved")

    def test_clicking_an_entry_and_pressing_its_number_lead_to_the_same_screen(self):
        game = self.start_game()
        screens = self.screens
        main_panel = screens.panel_of(game.screenshot())
        panels = {}
        for key, entry, name, test in (("2", 1, "the options screen", screens.is_options),
                                       ("3", 2, "the high-score screen", screens.is_high_scores)):
            game.keys(key)
            by_key = screens.panel_of(self.wait_screen(game, name + " (key %s)" % key, test))
            game.keys("0")
            self.wait_screen(game, "the main menu after key 0", screens.is_main_menu)
            game.click_and_park(*screens.menu.entry_centre(entry))
            by_click = screens.panel_of(self.wait_screen(game, name + " (clicked)", test))
            self.assert_same_pictures(by_key, by_click, "%s by key %s and by a click" % (name, key))
            self.assert_different_pictures(by_key, main_panel, "%s and the main menu" % name)
            panels[name] = by_key
            game.keys("0")
            self.wait_screen(game, "the main menu after key 0", screens.is_main_menu)
        self.assert_different_pictures(panels["the options screen"],
                                       panels["the high-score screen"], "the two panels")

        game.keys("1")
        setup_by_key = self.wait_screen(game, "the setup screen (key 1)", screens.is_setup)
        game.keys("Escape")
        self.wait_screen(game, "the main menu after Escape", screens.is_main_menu)
        game.click_and_park(*screens.menu.entry_centre(0))
        setup_by_click = self.wait_screen(game, "the setup screen (Play)", screens.is_setup)
        self.assert_same_pictures(setup_by_key, setup_by_click,
                                  "the setup screens by key 1 and by Play")

        game.keys("Escape")
        self.wait_screen(game, "the main menu after Escape", screens.is_main_menu)
        game.click(*screens.menu.entry_centre(3))
        self.quit_and_wait(game, "a click on Quit")
        self.read_saved_files()

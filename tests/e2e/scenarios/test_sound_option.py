"""The options screen's sound switch: the check box and key 1 flip it, and it is saved.

The box itself shows the state: ticked, it is filled with the controls' normal fill;
cleared, it is plain white. settings.dat keeps the switch on its second-to-last line.
"""

from harness.scenario import Scenario


class SoundOption(Scenario):

    def wait_options(self, game, what, ticked):
        screens = self.screens

        def shown(shot):
            if not screens.is_options(shot):
                return False
            return screens.check_box_ticked(shot, screens.find_check_box(shot)) == ticked

        return self.wait_screen(game, what, shown)

    def test_the_check_box_and_key_1_flip_the_sound_and_it_survives_a_restart(self):
        game = self.start_game()
        screens = self.screens
        game.keys("2")
        on = screens.panel_of(self.wait_options(game, "the options screen, sound on", True))
        corner = screens.find_check_box(game.screenshot())
        centre = (corner[0] + 16, corner[1] + 16)

        game.click_and_park(*centre)
        off = screens.panel_of(self.wait_options(game, "sound off after a click", False))
        self.assert_different_pictures(on, off, "the options panels with sound on and off")
        game.keys("1")
        again_on = screens.panel_of(self.wait_options(game, "sound on after key 1", True))
        self.assert_same_pictures(again_on, on, "the sound-on panels before and after key 1")
        game.click_and_park(*centre)
        self.wait_options(game, "sound off after a second click", False)
        game.keys("0")
        self.wait_screen(game, "the main menu after key 0", screens.is_main_menu)
        game.keys("0")
        self.quit_and_wait(game, "key 0 on the main menu")
        self.assertFalse(self.read_saved_files()[1].sound, "sound off was not saved")

        game = self.start_game()
        game.keys("2")
        restored = screens.panel_of(self.wait_options(game, "sound still off", False))
        self.assert_same_pictures(restored, off, "the sound-off panels before and after a restart")
        game.keys("1")
        self.wait_options(game, "sound on after key 1", True)
        game.close_box()
        self.quit_and_wait(game, "the close request on the options screen")
        self.assertTrue(self.read_saved_files()[1].sound, "sound on was not saved")

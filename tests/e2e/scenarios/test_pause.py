"""Pausing a game: the clock stands still and typed digits answer nothing until a click.

A new game shows about 30 seconds (second lamp yellow: 25 to 34). Paused for longer than
the five seconds that would take the clock below 25, with zeros typed meanwhile, it must
still show that range when it runs again. A game left by Exit is not entered in the table.
"""

import time

from harness.scenario import Scenario
from harness.screens import clock_range

PAUSE_SECONDS = 7


class Pause(Scenario):

    def test_a_paused_game_keeps_its_time_and_ignores_typing_until_a_click(self):
        game = self.start_game()
        screens = self.screens
        game.keys("1")
        self.wait_screen(game, "the setup screen", screens.is_setup)
        game.keys("1")
        game.wait_for("a new game's lamps",
                      lambda s: screens.is_play(s) and clock_range(screens.lamps(s)) == (25, 34))

        game.click_and_park(*screens.game.command_centre("Pause"))
        game.wait_for("the pause screen", screens.is_paused)
        paused_at = time.monotonic()
        game.keys("0", "0", "0", "0", "0", "0")
        game.hold("the pause screen", screens.is_paused, PAUSE_SECONDS)

        game.click_and_park(320, 400)
        resumed = game.wait_for("the game running again", screens.is_play)
        self.assertGreaterEqual(time.monotonic() - paused_at, PAUSE_SECONDS)
        self.assertEqual(clock_range(screens.lamps(resumed)), (25, 34),
                         "the clock moved while the game was paused")

        game.click_and_park(*screens.game.command_centre("Exit"))
        self.wait_screen(game, "the main menu after Exit", screens.is_main_menu)
        game.close_box()
        self.quit_and_wait(game, "the close request on the main menu")
        entries, _ = self.read_saved_files()
        self.assertEqual(entries, [(b"", b"", b"", 0, 0)] * 5,
                         "a game left by Exit was entered in the table")

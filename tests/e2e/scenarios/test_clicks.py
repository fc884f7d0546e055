"""A keypad key held while the clock runs out must not eat the next click.

Zeros typed on the keyboard are wrong answers (see test_game), so they drain the clock
fast. Near the end the keypad's "0" is pressed and held while more zeros end the game;
it is let go over the game-over screen, which draws no keypad. Back on the setup screen,
which draws the keypad again, a single click on "Start Game" must start the game at once.
"""

import subprocess

from harness.scenario import Scenario
from harness.screens import clock_range

HOLD_BELOW_SECONDS = 9  # hold the key once the clock shows at most this much
MAX_BATCHES = 40
START_SECONDS = 3.0  # the click must act in the next frame; this is generous


def xdotool(*args):
    subprocess.run(["xdotool"] + list(args), check=True)


class Clicks(Scenario):

    def start_button_centre(self):
        """The centre of "Start Game": half the left area wide, four lines high, centred
        under the second row of operation switches."""
        f = self.screens.f
        area = self.screens.game.keypad_x
        toggle = 32 if f >= 16 else 16
        second_row = 9 * f + toggle + (toggle >> 1)
        return area >> 1, second_row + 2 * toggle + f + 2 * f

    def drain_until(self, game, what, done):
        """Types zeros a few at a time until done(shot) holds."""
        for _ in range(MAX_BATCHES):
            shot = game.screenshot()
            if done(shot):
                return
            game.keys("0", "0")
        game.fail(what, 0)

    def test_a_key_held_as_the_clock_runs_out_leaves_the_next_click_working(self):
        game = self.start_game()
        screens = self.screens
        game.keys("1")
        self.wait_screen(game, "the setup screen", screens.is_setup)
        game.keys("1")
        game.wait_for("the game in play", screens.is_play)

        def nearly_out(shot):
            seconds = clock_range(screens.lamps(shot)) if screens.is_play(shot) else None
            return seconds is not None and seconds[1] <= HOLD_BELOW_SECONDS

        self.drain_until(game, "the clock nearly out", nearly_out)
        game.move_pointer(*screens.game.key_centre("0"))
        xdotool("mousedown", "1")
        try:
            self.drain_until(game, "the game-over screen with the key held",
                             screens.is_game_over)
            self.wait_screen(game, "the game-over screen", screens.is_game_over)
        finally:
            xdotool("mouseup", "1")
        game.park_pointer()
        game.keys("space")
        self.wait_screen(game, "the setup screen after the game", screens.is_setup)

        game.click_and_park(*self.start_button_centre())
        game.wait_for("the game started by one click on Start Game", screens.is_play,
                      timeout=START_SECONDS)
        game.close_box()
        self.quit_and_wait(game, "the close request in play")

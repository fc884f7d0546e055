"""Recognising the game's screens on a screenshot, and reading the clock's three lamps.

There is no text recognition: a screen is known by colours the layout rules put in known
places (the menu background beside the panel, the Back button, the white game background,
the filled score and time boxes, the blue captions of the game-over and pause screens).
The lamps give the remaining seconds as a range, which is enough to tell that the clock
fell faster than real time. "Who is playing?" is white with its action buttons in the
bottom-left corner; its player buttons are counted down a line through their right half.
"""

from harness.image import is_blue_ink, same_565
from harness.layout import (CHECK_BOX, HEIGHT, LAMP_COLOURS, MENU_BACKGROUND, NORMAL_FILL,
                            PANEL_FILL, PRESSED_FILL, STATUS_FILL, WHITE, WIDTH, GameLayout,
                            MenuLayout)

# Remaining seconds each lamp colour stands for (first, second, third lamp) while the
# clock shows 5 seconds or more; below 5 all three blink red and white together.
LAMP_RANGES = (
    {"red": (5, 9), "yellow": (10, 14), "green": (15, 60)},
    {"white": (5, 19), "red": (20, 24), "yellow": (25, 34), "green": (35, 60)},
    {"white": (5, 44), "red": (45, 49), "yellow": (50, 59), "green": (60, 60)},
)
BLINK_RANGE = (0, 4)
# How far left of the English options panel's edge a translation may move the check box.
LANGUAGE_WIDENING = 120


def clock_range(lamps):
    """The (lowest, highest) remaining seconds the lamp colours allow, or None."""
    if lamps is None:
        return None
    if len(set(lamps)) == 1 and lamps[0] in ("red", "white"):
        return BLINK_RANGE
    low, high = 0, 60
    for ranges, colour in zip(LAMP_RANGES, lamps):
        if colour not in ranges:
            return None
        low = max(low, ranges[colour][0])
        high = min(high, ranges[colour][1])
    return (low, high) if low <= high else None


class Screens:
    """The screen tests for one font height."""

    def __init__(self, font_height):
        self.f = font_height
        self.menu = MenuLayout(font_height)
        self.game = GameLayout(font_height)

    # --- menu screens -------------------------------------------------------------------

    def menu_background_rect(self):
        """Background at the right edge, between the upper band and the swirl (wide
        panel texts may reach a little beyond the panel)."""
        return WIDTH - 100, 100, WIDTH, HEIGHT - 100

    def is_menu(self, shot):
        return shot.all_565(self.menu_background_rect(), MENU_BACKGROUND, step=4)

    def has_back_button(self, shot):
        """The Back button's fill just inside its top corners: it is four font heights
        wide (or more), centred in the panel, at the top of the shrunk panel."""
        left, top, right, _ = self.menu.inner_panel()
        half = 2 * self.f
        if all(same_565(shot.pixel(x, top + 2), NORMAL_FILL)
               for x in ((WIDTH >> 1) - half + 3, (WIDTH >> 1) + half - 4)):
            return True
        # A translation widens the panel, which may then move right off the chalkboard with
        # its button: a run of the button's fill as long as its inside, anywhere on the row.
        run = 0
        for x in range(max(0, left - LANGUAGE_WIDENING), min(WIDTH, right + LANGUAGE_WIDENING)):
            run = run + 1 if same_565(shot.pixel(x, top + 2), NORMAL_FILL) else 0
            if run >= 2 * half - 7:
                return True
        return False

    def find_check_box(self, shot):
        """Top-left corner of the options screen's 32-pixel check box, or None. A longer
        language widens the panel both ways, so the box is looked for left of the English
        panel's edge too."""
        left, top, right, bottom = self.menu.inner_panel()

        def black(x, y):
            return same_565(shot.pixel(x, y), 0)

        # A box's outline reaches one pixel past its side, right and down.
        span = CHECK_BOX + 1
        for y in range(top, bottom - span):
            for x in range(max(0, left - LANGUAGE_WIDENING), left + 6):
                if (all(black(x, y + i) for i in range(span)) and
                        all(black(x + i, y) for i in range(span)) and
                        all(black(x + CHECK_BOX, y + i) for i in range(span))):
                    return x, y
        return None

    def check_box_ticked(self, shot, corner):
        """True when the box shows its filled (ticked) face, False when it is plain white."""
        x, y = corner
        return same_565(shot.pixel(x + 3, y + 3), NORMAL_FILL)

    def has_score_selector(self, shot):
        left, _, _, bottom = self.menu.inner_panel()
        return same_565(shot.pixel(left + 2, bottom - 3), NORMAL_FILL)

    def is_options(self, shot):
        return self.is_menu(shot) and self.has_back_button(shot) and (
            self.find_check_box(shot) is not None)

    def is_high_scores(self, shot):
        return (self.is_menu(shot) and self.has_back_button(shot) and
                self.has_score_selector(shot))

    def is_main_menu(self, shot):
        return self.is_menu(shot) and not self.has_back_button(shot)

    def panel_of(self, shot):
        return shot.crop(*self.menu.panel())

    def high_score_lines(self, shot):
        """Ink colours of the text lines of the high-score panel, top to bottom."""
        return shot.ink_lines(self.menu.high_score_text_area())

    # --- game screens -------------------------------------------------------------------

    def is_game_family(self, shot):
        """White game background in two corners that no game screen draws over."""
        return (shot.all_565((0, 0, 6, 6), WHITE) and
                shot.all_565((0, HEIGHT - 6, 6, HEIGHT), WHITE))

    def keypad_absent(self, shot):
        """The right half of the keypad's place is white above the game-over screen's
        line of facts made fluent (the centred messages of the pause and game-over screens
        may reach into its left half, that line across the window)."""
        g = self.game
        rect = (WIDTH - (g.keypad_width >> 1), g.keypad_y, WIDTH, g.now_fluent_top())
        return shot.all_565(rect, WHITE, step=7)

    def _fills(self, shot, points, colour):
        return all(same_565(shot.pixel(x, y), colour) for x, y in points)

    def is_setup(self, shot):
        return (self.is_game_family(shot) and
                self._fills(shot, self.game.status_interior(), STATUS_FILL) and
                self._fills(shot, self.game.time_interior(), WHITE))

    def is_play(self, shot):
        return (self.is_game_family(shot) and
                self._fills(shot, self.game.status_interior(), STATUS_FILL) and
                self._fills(shot, self.game.time_interior(), PANEL_FILL))

    def _blue_rows(self, shot, rows):
        top, bottom = rows
        return shot.count((WIDTH >> 2, top, WIDTH - (WIDTH >> 2), bottom), is_blue_ink) > 20

    def is_game_over(self, shot):
        ok_x, ok_y = self.game.ok_button_fill_point()
        return (self.is_game_family(shot) and self.keypad_absent(shot) and
                self._blue_rows(shot, self.game.game_over_caption_rows()) and
                same_565(shot.pixel(ok_x, ok_y), NORMAL_FILL))

    def is_paused(self, shot):
        return (self.is_game_family(shot) and self.keypad_absent(shot) and
                self._blue_rows(shot, self.game.pause_caption_rows()))

    def key_shows_pressed(self, shot, label):
        """True when the keypad key is drawn in the pressed colours."""
        return same_565(shot.pixel(*self.game.key_fill_point(label)), PRESSED_FILL)

    def lamps(self, shot):
        """Colour names of the three lamps, or None when one is not a lamp colour."""
        names = []
        for x, y in self.game.lamp_centres():
            pixel = shot.pixel(x, y)
            name = next((n for n, c in LAMP_COLOURS.items() if same_565(pixel, c)), None)
            if name is None:
                return None
            names.append(name)
        return names

    # --- players ------------------------------------------------------------------------

    def _players_margin(self):
        return max(2, self.f >> 1)

    def has_players_actions(self, shot):
        """The fill of the first action button (Add, or OK in the name entry) at the
        bottom-left, where no other white screen has a control."""
        m = self._players_margin()
        return same_565(shot.pixel(m + 3, HEIGHT - m - 2 * self.f + 3), NORMAL_FILL)

    def player_buttons(self, shot):
        """The (top, bottom) rows of the player buttons drawn, top to bottom: runs of button
        fill down a line through the buttons' right half (at least twelve font heights
        wide and centred), clear of the centred names, above the message and actions."""
        x = (WIDTH >> 1) + 5 * self.f
        bottom = HEIGHT - 2 * self._players_margin() - 3 * self.f
        runs, start = [], None
        for y in range(bottom + 1):
            filled = y < bottom and same_565(shot.pixel(x, y), NORMAL_FILL)
            if filled and start is None:
                start = y
            elif not filled and start is not None:
                if y - start >= self.f >> 1:
                    runs.append((start, y))
                start = None
        return runs

    def _players_family(self, shot):
        return (self.is_game_family(shot) and self.keypad_absent(shot) and
                self.has_players_actions(shot))

    def is_players_list(self, shot):
        return self._players_family(shot) and bool(self.player_buttons(shot))

    def is_name_entry(self, shot):
        """The name entry (or the removal's question): the actions, no player buttons."""
        return self._players_family(shot) and not self.player_buttons(shot)

    # --- reports ------------------------------------------------------------------------

    def classify(self, shot):
        """A name for what the shot shows, for failure messages."""
        tests = [("the options screen", self.is_options),
                 ("the high-score screen", self.is_high_scores),
                 ("the main menu", self.is_main_menu),
                 ("a menu screen", self.is_menu),
                 ("the setup screen", self.is_setup),
                 ("\"Who is playing?\" (buttons at rows %s)" % (self.player_buttons(shot),),
                  self.is_players_list),
                 ("the name entry", self.is_name_entry),
                 ("the game in play (lamps %s)" % (self.lamps(shot),), self.is_play),
                 ("the game-over screen", self.is_game_over),
                 ("the pause screen", self.is_paused),
                 ("a screen with the white game background", self.is_game_family)]
        return next((name for name, test in tests if test(shot)), "an unrecognised screen")

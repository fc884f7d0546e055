"""Where things are on the 640 x 480 screens, worked out from the game's layout rules.

Everything follows from the client size and F, the height of the 18-pixel menu font.
F depends on the installed font, so it is not assumed: find_font_height() reads the
decorated frame of the menu panel off a screenshot and picks the F whose panel matches.
All halvings are integer halvings of each term, as the game makes them.
"""

from harness.image import same_565

WIDTH = 640
HEIGHT = 480

MENU_BACKGROUND = 0xFFE7DB
WHITE = 0xFFFFFF
FRAME_COLOURS = (0x242DAD, 0x0354FB, 0x48CFFF)  # outermost first, two lines each
NORMAL_FILL = 0xFFDCDC  # controls neither hovered nor pressed
PRESSED_FILL = 0xF0FFF0
PANEL_FILL = 0xDCDCFF
STATUS_FILL = 0xF0FFF0
LAMP_COLOURS = {"white": 0xFFFFFF, "red": 0x0000FF, "yellow": 0x00FFFF, "green": 0x00FF00}

TITLE_SIZE = (256, 64)
SWIRL_SIZE = 90
BAND_OFFSET = 47
CHECK_BOX = 32  # a check box's side with a font of 16 pixels or more
OK_BUTTON_WIDTH = 96  # a button keeps this width unless it is widened

# Places no control ever occupies, for parking the pointer and for the background test.
NEUTRAL_POINT = (3, HEIGHT - 3)


class MenuLayout:
    """The panel and the menu entries of the main menu, options and high-score screens."""

    def __init__(self, font_height):
        f = self.font_height = font_height
        spacing = f >> 1
        self.entry_pitch = f + spacing
        menu_height = 4 * f + 3 * spacing
        pad = (f >> 2) + (f >> 1)
        title_w, title_h = TITLE_SIZE
        title_x = (WIDTH >> 1) - (title_w >> 1)
        self.menu_y = (HEIGHT >> 1) - (menu_height >> 1) + (title_h >> 1)
        title_y = self.menu_y - (title_h >> 2) - title_h
        self.left = title_x - pad
        self.top = title_y - pad
        self.right = self.left + title_w + 2 * pad
        self.bottom = self.menu_y + menu_height + 2 * pad + (pad >> 1)
        # The link sits half a line and a line above the lower band, centred, F high.
        band_y = HEIGHT - SWIRL_SIZE - 2 + BAND_OFFSET
        link_y = band_y - (f >> 1) - f
        self.link_centre = (WIDTH >> 1, link_y + (f >> 1))

    def entry_centre(self, index):
        """Centre of main-menu entry index (0 Play, 1 Options, 2 Highscores, 3 Quit)."""
        x = (self.left + self.right - 2) >> 1
        return x, self.menu_y + index * self.entry_pitch + (self.entry_pitch >> 1)

    def panel(self):
        return self.left, self.top, self.right, self.bottom

    def inner_panel(self):
        """The panel shrunk as the options and high-score contents shrink it."""
        half_line = (self.font_height + (self.font_height >> 1)) >> 1
        return (self.left + half_line, self.top + half_line,
                self.right - half_line, self.bottom - half_line)

    def high_score_text_area(self):
        """Rows between the Back button and the entry selector of the high-score panel."""
        f = self.font_height
        left, top, right, bottom = self.inner_panel()
        back_height = max(24, f + (f >> 1))
        return left, top + back_height + 2, right, bottom - (f + (f >> 1)) - 2


def _frame_run(shot, x, y, dx, dy):
    """True when, stepping (dx, dy) from (x, y), the frame's three colours come two
    pixels each, outermost first, and then the panel's white."""
    colours = [FRAME_COLOURS[i >> 1] for i in range(6)] + [WHITE]
    return all(same_565(shot.pixel(x + i * dx, y + i * dy), c) for i, c in enumerate(colours))


def find_panel_edges(shot):
    """Top and bottom (exclusive) of the decorated menu panel on column x = 320, or None."""
    x = WIDTH >> 1
    top = next((y for y in range(0, HEIGHT - 7) if _frame_run(shot, x, y, 0, 1)), None)
    if top is None:
        return None
    bottom = next((y for y in range(top + 20, HEIGHT) if _frame_run(shot, x, y, 0, -1)), None)
    return None if bottom is None else (top, bottom + 1)


def find_font_height(shot):
    """The F for which the layout puts the menu panel where the screenshot shows it (its
    top, bottom and left edge), or None."""
    edges = find_panel_edges(shot)
    if edges is None:
        return None
    for f in range(8, 64):
        layout = MenuLayout(f)
        if (layout.top, layout.bottom) == edges:
            middle = (layout.top + layout.bottom) >> 1
            return f if _frame_run(shot, layout.left, middle, 1, 0) else None
    return None


class GameLayout:
    """The game and setup screens of a window wider than tall and not nearly square."""

    def __init__(self, font_height):
        f = self.font_height = font_height
        self.top_panel_height = (f >> 1) + 4 * f
        bar_height = 2 * f
        self.keypad_height = HEIGHT - 7 * f - bar_height
        self.keypad_width = self.keypad_height - self.keypad_height // 5
        self.keypad_x = WIDTH - self.keypad_width
        self.keypad_y = bar_height + 7 * f
        rest = WIDTH - self.keypad_width  # the left area
        quarter = rest >> 2
        panel_width = quarter + (rest >> 5)
        self.time_panel = ((rest >> 1) + quarter - (panel_width >> 1), f, panel_width,
                           self.top_panel_height)
        self.status_box = (WIDTH - self.keypad_width, 2 * f - 1, self.keypad_width - 1, 7 * f + 1)

    def time_box(self):
        """The framed box of the time panel (below its caption) as x, y, w, h."""
        x, y, w, h = self.time_panel
        f = self.font_height
        return x, y + f + (f >> 1), w, h

    def lamp_centres(self):
        """Centres of the three lamps, first to third."""
        x, y, w, h = self.time_box()
        side = w >> 2
        gap = side >> 2
        lamp_y = y + h - side - gap
        return [(x + gap + i * (side + gap) + (side >> 1), lamp_y + (side >> 1))
                for i in range(3)]

    def key_rect(self, label):
        """A keypad key as (left, top, right, bottom) in the grid's fractional cells:
        rows 7 8 9 / 4 5 6 / 1 2 3 / 0, the 0 spanning the bottom row."""
        cell_w = (self.keypad_width - 1) / 3.0
        cell_h = (self.keypad_height - 1) / 4.0
        if label == "0":
            row, column, span = 3, 0, 3
        else:
            (row, column), span = divmod("789456123".index(label), 3), 1
        left = self.keypad_x + cell_w * column
        top = self.keypad_y + cell_h * row
        return left, top, left + cell_w * span, top + cell_h

    def key_centre(self, label):
        left, top, right, bottom = self.key_rect(label)
        return int((left + right) / 2), int((top + bottom) / 2)

    def key_fill_point(self, label):
        """A point inside a keypad key, clear of its digit."""
        left, top, _, _ = self.key_rect(label)
        return int(left) + 4, int(top) + 4

    def command_centre(self, label):
        """Centre of a button of the bar above the keypad: New, Pause, Exit."""
        cell_w = (self.keypad_width - 1) / 3.0
        column = ("New", "Pause", "Exit").index(label)
        return int(self.keypad_x + cell_w * (column + 0.5)), self.font_height

    def status_interior(self):
        """A few pixels just inside the corners of the framed score box."""
        x, y, w, h = self.status_box
        return [(x + 2, y + 2), (x + w - 3, y + 2), (x + 2, y + h - 3), (x + w - 3, y + h - 3)]

    def time_interior(self):
        """Pixels just inside the framed time box's left edge, at its middle and its
        bottom, beside the lamps: on the setup screen the current player's name may stand
        where the box's top is in play, and the "Facts" button where its right end is."""
        x, y, w, h = self.time_box()
        return [(x + 2, y + (h >> 1)), (x + 2, y + h - 3)]

    def game_over_caption_rows(self):
        """The rows where the game-over caption's glyphs lie."""
        f = self.font_height
        y = (HEIGHT >> 1) - ((5 * f) >> 1)
        return y - (f >> 1), y + f

    def pause_caption_rows(self):
        f = self.font_height
        y = (HEIGHT >> 1) - ((2 * f) >> 1)
        return y - (f >> 1), y + f

    def now_fluent_top(self):
        """The top of the game-over screen's room for the facts made fluent: below the OK
        button (three lines high) and the row of controls (a line's gap and two lines)
        under it."""
        f = self.font_height
        y = (HEIGHT >> 1) - ((5 * f) >> 1)
        return y + 10 * f + (f >> 1)

    def ok_button_fill_point(self):
        """A point just inside the top-left corner of the game-over screen's OK button."""
        f = self.font_height
        y = (HEIGHT >> 1) - ((5 * f) >> 1)
        return (WIDTH >> 1) - (OK_BUTTON_WIDTH >> 1) + 3, y + 4 * f + 3

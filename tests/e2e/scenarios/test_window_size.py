"""The window's size: it opens at 640 x 480 times the screen's scale and draws the menu at
that scale, and a game keeps its problem, typed digit, score and clock through resizes.

The scale is the Wine prefix's LogPixels (96 dots per inch is 100 %), set in an overlay
prefix of the scenario's own. Resizing sets the X window's size, which without a window
manager is the client area. Away from 640 x 480 nothing is read by the layout rules; the
pictures there are checked by what every layout keeps (the panel centred, the artwork
reaching the edges, the keypad in the bottom-right corner).
"""

from harness import wine
from harness.image import same_565
from harness.layout import FRAME_COLOURS, HEIGHT, NORMAL_FILL, WHITE, WIDTH
from harness.problem_reader import result_of
from harness.scenario import Config, Scenario
from harness.screens import clock_range
from harness.session import GameSession, _run
from scenarios import test_scoring

# Screen dots per inch and the client size the window must open with.
OPENING_SIZES = ((96, (640, 480)), (144, (960, 720)), (192, (1280, 960)))
# The orange of the lower band and the swirl (and of the panel's middle frame line).
BAND_ORANGE = FRAME_COLOURS[1]
# The longest run of one frame colour the panel's frame has at these scales.
FRAME_LINE_MOST = 8
# The clock must have fallen below this before the resizes, so that a reset (to 30) shows.
CLOCK_BELOW = 25
CLOCK_WAIT = 45.0


def frame_edge(shot, x, y, dx, dy):
    """True when, stepping (dx, dy) from (x, y), the frame's three colours come in runs
    of 1 to FRAME_LINE_MOST pixels, outermost first, and then the panel's white."""
    for colour in FRAME_COLOURS + (WHITE,):
        run = 0
        while (0 <= x < shot.width and 0 <= y < shot.height and
               same_565(shot.pixel(x, y), colour) and run < FRAME_LINE_MOST):
            x, y, run = x + dx, y + dy, run + 1
        if run == 0:
            return False
    return True


def panel_sides(shot):
    """Left and right (exclusive) of the decorated menu panel on the middle row, or None."""
    y = shot.height >> 1
    left = next((x for x in range(shot.width) if frame_edge(shot, x, y, 1, 0)), None)
    right = next((x for x in range(shot.width - 1, -1, -1) if frame_edge(shot, x, y, -1, 0)),
                 None)
    return None if left is None or right is None else (left, right + 1)


def orange_share(shot, rect):
    """The share of rect's pixels (sampled every other one) in the band's orange."""
    left, top, right, bottom = rect
    points = [(x, y) for y in range(top, bottom, 2) for x in range(left, right, 2)]
    return sum(1 for x, y in points if same_565(shot.pixel(x, y), BAND_ORANGE)) / len(points)


def keypad_in_corner(shot):
    """Every game layout puts the keypad's last key in the bottom-right corner and a
    command button in the top-right one: both show the controls' fill."""
    w, h = shot.width, shot.height
    return all(same_565(shot.pixel(x, y), NORMAL_FILL) for x, y in ((w - 4, h - 4), (w - 4, 4)))


class WindowSize(Scenario):

    problem_on_screen = test_scoring.Scoring.problem_on_screen
    status_box = test_scoring.Scoring.status_box
    answer_right = test_scoring.Scoring.answer_right

    def start_scaled(self, dots_per_inch, size):
        """Starts the program (in a prefix whose screen has the given scale) and waits for a
        steady menu whose panel is found."""
        name = "%s-%ddpi" % (self.short_name(), dots_per_inch)
        session = GameSession(self.folder, Config.artifacts, name, size=size)
        self.sessions.append(session)
        session.start()
        # Where it opens, the largest window would reach past the screen, and what lies
        # outside the screen cannot be read back.
        session.move(0, 0)
        shot = session.wait_steady("the menu panel at %d dpi" % dots_per_inch,
                                   lambda s: panel_sides(s) is not None)
        return session, shot

    def check_picture(self, passed, shot, what, problem):
        if not passed:
            self.fail("%s: %s (saved as %s)" % (what, problem, self.save_pictures(what, shot)))

    def assert_drawn_at_scale(self, shot, scale, unit_width, what):
        w, h = shot.width, shot.height
        left, right = panel_sides(shot)
        # At 96 dpi the panel is centred; at larger scales it may move right of the
        # chalkboard picture to keep clear of it, but stays inside the window.
        if scale == 1:
            self.check_picture(abs(left + right - w) <= 2, shot, what,
                               "the panel (%d to %d) is not centred in %d" % (left, right, w))
        self.check_picture(left > 0 and right < w and left + right >= w - 2, shot, what,
                           "the panel (%d to %d) is not inside the window, centred or right of centre, in %d"
                           % (left, right, w))
        # The artwork comes in a few fixed sizes (it is never stretched), so the panel
        # round it grows in steps: at least half as fast as the scale.
        ratio = (right - left) / unit_width
        self.check_picture(ratio >= 1 + (scale - 1) / 2, shot, what,
                           "the panel is %d wide, %.2f times its width at 96 dpi"
                           % (right - left, ratio))
        # The lower band runs along the bottom eighth, the swirl sits in the right tenth.
        bottom = (0, h - (h >> 3), w, h)
        right_edge = (w - w // 10, h >> 1, w, h - (h >> 3))
        for rect, where in ((bottom, "bottom"), (right_edge, "right edge")):
            self.check_picture(orange_share(shot, rect) > 0.02, shot, what,
                               "no artwork near the " + where)

    def test_the_window_opens_at_the_screen_scale_and_draws_the_menu_at_it(self):
        unit_width = None
        for dots_per_inch, size in OPENING_SIZES:
            prefix = wine.PrivatePrefix(log_pixels=dots_per_inch)
            try:
                unit_width = self.check_opening(dots_per_inch, size, unit_width)
            finally:
                prefix.remove()

    def check_opening(self, dots_per_inch, size, unit_width):
        """One start at a scale; returns the panel's width at 96 dpi (measured at the
        first start, which is at 96 dpi)."""
        game, shot = self.start_scaled(dots_per_inch, size)
        self.assertEqual(game.window_geometry(), size, "the client area at %d dpi" % dots_per_inch)
        left, right = panel_sides(shot)
        unit_width = unit_width or right - left
        self.assert_drawn_at_scale(shot, dots_per_inch / 96.0, unit_width,
                                   "the menu at %d dpi" % dots_per_inch)
        game.keys("Escape")
        self.quit_and_wait(game, "Escape on the menu at %d dpi" % dots_per_inch)
        return unit_width

    # --- a game through resizes -----------------------------------------------------------

    def two_digit_problem(self, game):
        """Answers problems right until one has a result of two digits or more; returns the
        shot and the problem."""
        while True:
            shot, problem = self.problem_on_screen(game)
            if result_of(problem) >= 10:
                return shot, problem
            self.answer_right(game, "keys")

    def clock_of(self, shot):
        return clock_range(self.screens.lamps(shot))

    def wait_for_clock_below(self, game, seconds):
        def low(shot):
            found = self.screens.is_play(shot) and self.clock_of(shot)
            return bool(found) and found[1] < seconds

        return game.wait_for("the clock below %d s" % seconds, low, CLOCK_WAIT)

    def resize_and_back(self, game, size, problem, status, clock_high):
        """Resizes the game to size and back to 640 x 480; the game must be drawn at the new
        size, then show the same problem, score box and a clock that did not go up."""
        what = "the game at %d x %d" % size
        game.resize(*size)
        game.wait_steady(what, lambda s: keypad_in_corner(s) and (s.width, s.height) == size)
        game.resize(WIDTH, HEIGHT)
        game.park_pointer()
        shot, seen = self.problem_on_screen(game)
        self.assertEqual(seen, problem, "the problem after %s" % what)
        self.assert_same_pictures(self.status_box(shot), status,
                                  "the score box before and after %s" % what)
        clock = self.clock_of(shot)
        self.assertIsNotNone(clock, "the lamps after %s" % what)
        self.assertLessEqual(clock[0], clock_high, "the clock went up after %s" % what)

    def screen_size(self):
        width, height = _run(["xdotool", "getdisplaygeometry"]).split()
        return int(width), int(height)

    def test_a_game_keeps_its_typed_digit_score_and_clock_through_resizes(self):
        game = self.start_game()
        self.assertEqual(game.window_geometry(), (WIDTH, HEIGHT))
        game.keys("1")
        self.wait_screen(game, "the setup screen", self.screens.is_setup)
        game.keys("1")
        self.answer_right(game, "keys")
        _, problem = self.two_digit_problem(game)
        self.wait_for_clock_below(game, CLOCK_BELOW)
        answer = str(result_of(problem))
        game.keys(answer[0])
        shot = game.wait_steady("the first digit typed", self.screens.is_play)
        status = self.status_box(shot)
        clock_high = self.clock_of(shot)[1]

        self.resize_and_back(game, (1024, 768), problem, status, clock_high)
        self.resize_and_back(game, (480, 640), problem, status, clock_high)
        # There is no window manager to maximise the window: the screen's size stands in.
        game.move(0, 0)
        self.resize_and_back(game, self.screen_size(), problem, status, clock_high)

        # The digit typed before the resizes is still there: the rest completes the answer.
        game.keys(*answer[1:])
        game.wait_for("%s = %s accepted after the resizes" % (problem, answer),
                      lambda s: (self.screens.is_play(s) and
                                 not self.same_picture(self.status_box(s), status)))
        game.close_box()
        self.quit_and_wait(game, "the close request in play")

"""Reads the current problem off the game screen, so a scenario can answer it.

The problem's digits are drawn in the same font and size as the keypad's labels, so the
keypad on the same screenshot supplies the digit shapes. Text is black over white (the
problem) or over the keys' fill, whose blue is 255 as white's is; in the blue channel an
antialiased glyph pixel is therefore the same value on either, and a glyph's ink (blue
below half) has the same shape. The operation sign is told apart by its shape: the
division sign is three pieces (dot, bar, dot), minus is flat (more than twice as wide as
high), plus has a full vertical stroke through its middle and the letter x does not.
"""

INK_LIMIT = 128  # blue channel below this is ink


def _ink(shot, rect):
    left, top, right, bottom = rect
    return {(x, y) for y in range(top, bottom) for x in range(left, right)
            if shot.pixel(x, y)[2] < INK_LIMIT}


class Blob:
    """One connected piece of ink: its bounding box and its pixels relative to it."""

    def __init__(self, pixels):
        xs = [x for x, _ in pixels]
        ys = [y for _, y in pixels]
        self.left, self.top = min(xs), min(ys)
        self.right, self.bottom = max(xs) + 1, max(ys) + 1
        self.shape = frozenset((x - self.left, y - self.top) for x, y in pixels)

    @property
    def width(self):
        return self.right - self.left

    @property
    def height(self):
        return self.bottom - self.top

    def size(self):
        return self.width, self.height


def _blobs(ink):
    """Connected pieces of ink (eight neighbours), top to bottom, left to right."""
    seen = set()
    blobs = []
    for start in sorted(ink, key=lambda p: (p[1], p[0])):
        if start in seen:
            continue
        seen.add(start)
        stack, piece = [start], []
        while stack:
            x, y = stack.pop()
            piece.append((x, y))
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    near = (x + dx, y + dy)
                    if near in ink and near not in seen:
                        seen.add(near)
                        stack.append(near)
        blobs.append(Blob(piece))
    return blobs


def digit_shapes(shot, layout):
    """The ten digits' ink shapes, taken from the keypad keys (inside their outlines)."""
    shapes = {}
    for label in "0123456789":
        left, top, right, bottom = layout.key_rect(label)
        pieces = _blobs(_ink(shot, (int(left) + 3, int(top) + 3, int(right) - 3,
                                    int(bottom) - 3)))
        if len(pieces) != 1:
            return None
        shapes[label] = (pieces[0].size(), pieces[0].shape)
    return shapes


def _digit(blob, shapes):
    return next((label for label, (size, shape) in shapes.items()
                 if size == blob.size() and shape == blob.shape), None)


def _sign(pieces):
    if len(pieces) == 3:
        return "/"
    if len(pieces) != 1:
        return None
    sign = pieces[0]
    if sign.height * 2 < sign.width:
        return "-"
    middle = sign.width >> 1
    stroke = sum(1 for y in range(sign.height) if (middle, y) in sign.shape)
    return "+" if stroke * 5 >= sign.height * 4 else "x"


def _number(blobs, shapes):
    digits = [_digit(b, shapes) for b in sorted(blobs, key=lambda b: b.left)]
    return None if not digits or None in digits else int("".join(digits))


def read_problem(shot, layout):
    """(A, sign, B) of the problem being answered, sign one of + - x /, or None when the
    screen does not show one clearly."""
    shapes = digit_shapes(shot, layout)
    if shapes is None:
        return None
    _, box_y, _, box_h = layout.time_box()
    area = (0, box_y + box_h + 2, layout.keypad_x, layout.keypad_y + layout.keypad_height)
    blobs = _blobs(_ink(shot, area))
    bars = [b for b in blobs if b.width > 5 * b.height]
    if not bars:
        return None
    bar = max(bars, key=lambda b: b.width)
    above = [b for b in blobs if b.bottom <= bar.top]
    if not above:
        return None
    # The first line starts in the upper half between the topmost ink and the bar.
    first_top = min(b.top for b in above)
    first = [b for b in above if b.top < first_top + ((bar.top - first_top) >> 1)]
    second = [b for b in above if b not in first]
    second_digits = [b for b in second if _digit(b, shapes) is not None]
    if not second_digits:
        return None
    signs = [b for b in second if b.right <= min(d.left for d in second_digits)]
    a, b, sign = _number(first, shapes), _number(second_digits, shapes), _sign(signs)
    if None in (a, b, sign) or len(signs) + len(second_digits) != len(second):
        return None
    return a, sign, b


def result_of(problem):
    a, sign, b = problem
    return {"+": a + b, "-": a - b, "x": a * b, "/": a // b}[sign]

"""The progress screen's table grid read off a screenshot, and the files of the progress
history read independently of the game: progress.dat and the export's three files.

The grid is ten rows by ten columns of filled cells, one pixel apart; a fact never asked
is grey, an asked one in one of five classes from blue (fluent) through pale yellow to red
(missed most), a fluent one with a white check mark over its middle. Its place depends on the window and
the font, so it is found rather than computed: rows and columns of the screen where
several long runs of the grey lie, which text (antialiased grey at most in short runs)
does not make, grouped into bands of the cells' height and width.

progress.dat is lines as the other data files are (harness/data_files.py): the header
string "Quickfigure progress", the version 3 and a false bool; the two practice switches;
the chosen facts (six numbers); the fluency threshold in seconds; the number of games
played; the facts after their count (operation code, both operands, asked, right, wrong,
skipped, total and best milliseconds of the right answers, last game, the right answers
timed, then the recent answers after their count, each milliseconds and a right flag); the
games after theirs (date text, difficulty index, operations text, score, level, right,
wrong, median milliseconds, facts text, calm, game number); the milestones after theirs
(operation code, number, date text). The export writes progress-facts.csv,
progress-games.csv and progress-milestones.csv beside it: each UTF-8 with a byte-order
mark and CR LF line ends, one header row, then a row per fact, game or milestone.
"""

import csv

from harness.data_files import FormatError, _int, _Reader, _string
from harness.image import same_565

UNASKED = 0xC0C0C0
# The classes from fast and sure to slow or unsure, as ColorRef values (0xBBGGRR): fluent;
# right at every recent try, the latest quick; right but slow; missed in at most half the
# recent tries; missed in more.
GRID_CLASSES = (0xB67B2C, 0xE9D9AB, 0xBFFFFF, 0x61AEFD, 0x1C19D7)
GRID_SIZE = 10
MIN_RUN = 6  # grey pixels in a row that only a cell gives
MIN_RUNS = 3  # such runs in one line of pixels

PROGRESS_TITLE = b"Quickfigure progress"
PROGRESS_VERSION = 3
# The chosen facts at their defaults: no table, other factor to 10, the levels' + and -,
# the clock, a calm round of 20.
DEFAULT_FACTS_CHOICE = (0, 0, 10, 0, 0, 20)
DEFAULT_FLUENT_SECONDS = 3

FACTS_CSV = "progress-facts.csv"
GAMES_CSV = "progress-games.csv"
MILESTONES_CSV = "progress-milestones.csv"
FACT_HEADER = ["fact", "operation", "asked", "right", "wrong", "skipped", "average seconds",
               "best seconds", "last game", "fluent"]
GAME_HEADER = ["game", "date", "difficulty", "operations", "facts", "pace", "score", "level",
               "right", "wrong", "median seconds"]
MILESTONE_HEADER = ["milestone", "date"]


# --- the grid on the screen ------------------------------------------------------------


def _grey_mask(shot):
    """Rows of booleans: True where the pixel shows the never-asked grey."""
    rgb = shot.rgb
    grey = [rgb[i] >> 3 == 0x18 and rgb[i + 1] >> 2 == 0x30 and rgb[i + 2] >> 3 == 0x18
            for i in range(0, len(rgb), 3)]
    return [grey[y * shot.width:(y + 1) * shot.width] for y in range(shot.height)]


def _long_runs(line):
    runs, length = 0, 0
    for grey in line + [False]:
        if grey:
            length += 1
            continue
        runs += length >= MIN_RUN
        length = 0
    return runs


def _bands(flags):
    """(start, end) of each run of True, in order."""
    bands, start = [], None
    for i, flag in enumerate(flags + [False]):
        if flag and start is None:
            start = i
        elif not flag and start is not None:
            bands.append((start, i))
            start = None
    return bands


def _evenly_spaced(bands):
    """True for GRID_SIZE bands of one size, each a pixel after the one before."""
    if len(bands) != GRID_SIZE:
        return False
    size = bands[0][1] - bands[0][0]
    return all(end - start == size and (i == 0 or start == bands[i - 1][1] + 1)
               for i, (start, end) in enumerate(bands))


def find_grid(shot):
    """The grid's row bands and column bands as ((top, bottom) x 10, (left, right) x 10),
    or None when the shot shows no such grid."""
    mask = _grey_mask(shot)
    rows = _bands([_long_runs(line) >= MIN_RUNS for line in mask])
    rows = [band for band in rows if band[1] - band[0] >= MIN_RUN]
    if not _evenly_spaced(rows):
        return None
    columns_of_cells = [[mask[y][x] for y in range(rows[0][0], rows[-1][1])]
                        for x in range(shot.width)]
    columns = _bands([_long_runs(column) >= MIN_RUNS for column in columns_of_cells])
    if not _evenly_spaced(columns) or columns[0][1] - columns[0][0] != rows[0][1] - rows[0][0]:
        return None
    return rows, columns


def grid_cells(shot, grid):
    """{(row, column): (r, g, b)} of the cells, both numbered 1 to 10, each read near its
    top-left corner, which a check mark leaves clear."""
    rows, columns = grid
    return {(a + 1, b + 1): shot.pixel(left + 1, top + 1)
            for a, (top, _) in enumerate(rows) for b, (left, _) in enumerate(columns)}


def asked_cells(cells):
    """The cells that are not the never-asked grey."""
    return {place: pixel for place, pixel in cells.items() if not same_565(pixel, UNASKED)}


def grid_class(pixel):
    """The class (0 to 4) a cell's colour shows, or None for another colour."""
    for index, colour in enumerate(GRID_CLASSES):
        if same_565(pixel, colour):
            return index
    return None


def grid_rect(grid):
    """The grid's cells as (left, top, right, bottom)."""
    rows, columns = grid
    return columns[0][0], rows[0][0], columns[-1][1], rows[-1][1]


# --- progress.dat ----------------------------------------------------------------------


class ProgressFile:
    """What progress.dat holds: the switches, the chosen facts, the threshold, the games
    played, facts (their ten numbers, with the right answers timed and the recent answers
    [(ms, right)] beside them), games (eight values each) with each game's facts text and
    calm flag and its number beside them, and the milestones (operation, number, date)."""

    def __init__(self, data):
        reader = _Reader(data, "progress.dat")
        found = (reader.string(), reader.int(), reader.bool())
        if found != (PROGRESS_TITLE, PROGRESS_VERSION, False):
            raise FormatError("progress.dat has the header %r" % (found,))
        self.weak_facts = reader.bool()
        self.show_answer = reader.bool()
        self.facts_choice = tuple(reader.int() for _ in range(len(DEFAULT_FACTS_CHOICE)))
        self.fluent_seconds = reader.int()
        self.games_played = reader.int()
        self.facts, self.timed, self.recent = [], [], []
        for _ in range(reader.int()):
            self.facts.append(tuple(reader.int() for _ in range(10)))
            self.timed.append(reader.int())
            self.recent.append([(reader.int(), reader.bool()) for _ in range(reader.int())])
        self.games, self.games_kept_apart, self.game_numbers = [], [], []
        for _ in range(reader.int()):
            self.games.append((reader.string(), reader.int(), reader.string(), reader.int(),
                               reader.int(), reader.int(), reader.int(), reader.int()))
            self.games_kept_apart.append((reader.string(), reader.bool()))
            self.game_numbers.append(reader.int())
        self.milestones = [(reader.int(), reader.int(), reader.string())
                           for _ in range(reader.int())]
        reader.end()

    def counts(self):
        """{(operation code, a, b): (asked, right, wrong, skipped)} of the facts."""
        return {fact[:3]: fact[3:7] for fact in self.facts}

    def recent_answers(self):
        """{(operation code, a, b): [(ms, right)]} of the facts, oldest first."""
        return {fact[:3]: recent for fact, recent in zip(self.facts, self.recent)}


def progress_bytes(games_played, facts, games, weak_facts=False, show_answer=False):
    """progress.dat for facts (ten ints each: their times those of right answers, every
    problem answered right in the end; no recent answers) and games (date, difficulty,
    operations, score, level, right, wrong, median ms, numbered from 1) played against the
    clock on the levels, without milestones, as the game writes it."""
    lines = [_string(PROGRESS_TITLE), _int(PROGRESS_VERSION), _int(0), _int(int(weak_facts)),
             _int(int(show_answer))]
    lines += [_int(value) for value in DEFAULT_FACTS_CHOICE]
    lines += [_int(DEFAULT_FLUENT_SECONDS), _int(games_played), _int(len(facts))]
    for fact in facts:
        right, wrong, total = fact[4], fact[5], fact[7]
        lines += [_int(value) for value in fact]
        lines += [_int(right + wrong if total > 0 else 0), _int(0)]
    lines.append(_int(len(games)))
    for number, (when, difficulty, operations, *numbers) in enumerate(games, 1):
        lines += [_string(when), _int(difficulty), _string(operations)]
        lines += [_int(value) for value in numbers]
        lines += [_string(b""), _int(0), _int(number)]
    lines.append(_int(0))
    return b"".join(lines)


# --- the export --------------------------------------------------------------------------


def _rows(data, name, header):
    """The rows of an exported file under its header, each a dict of text fields."""
    if not data.startswith(b"\xef\xbb\xbf"):
        raise FormatError("%s does not open with the UTF-8 byte-order mark" % name)
    text = data[3:].decode("utf-8")
    if not text.endswith("\r\n") or "\n" in text.replace("\r\n", ""):
        raise FormatError("%s has a line not ended by CR LF" % name)
    rows = list(csv.reader(text[:-2].split("\r\n")))
    if not rows or rows[0] != header:
        raise FormatError("%s starts with %r" % (name, rows[:1]))
    if any(len(row) != len(header) for row in rows[1:]):
        raise FormatError("%s has a row of the wrong number of fields" % name)
    return [dict(zip(header, row)) for row in rows[1:]]


def read_export(read):
    """(facts, games, milestones) of the export, read(name) giving each file's bytes: facts
    maps each fact's text to its row, games and milestones list their rows; every field
    as text."""
    facts = _rows(read(FACTS_CSV), FACTS_CSV, FACT_HEADER)
    by_text = {row["fact"]: row for row in facts}
    if len(by_text) != len(facts):
        raise FormatError("%s lists a fact twice" % FACTS_CSV)
    return (by_text, _rows(read(GAMES_CSV), GAMES_CSV, GAME_HEADER),
            _rows(read(MILESTONES_CSV), MILESTONES_CSV, MILESTONE_HEADER))

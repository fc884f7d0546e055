"""settings.dat and highscores.dat, written and read back independently of the game.

Both files are lines ending in a bare line feed: an int is its decimal text, a bool the
int 1 or 0, a string its length and then (unless empty) its bytes on a line of their own.
Each file opens with the header string "Quickfigure", the version 101 and a false bool.
settings.dat holds the game's settings between two section markers (bytes 1..9), then the
sound switch and the length of the high-score file; highscores.dat holds five entries
(spare text, difficulty, mode, score, level) and is stored with every byte inverted.
When the program's folder cannot be written, both live in %LOCALAPPDATA%\\Quickfigure.
players.dat, beside them once a second player is added, has the same kind of lines under
its own header ("Quickfigure players", version 1): the number of players, each one's
name (Windows-1252), folder number and last-played date, then the current player's place.
"""

import glob
import os

MARKER = bytes(range(1, 10))
TITLE = b"Quickfigure"
VERSION = 101
PLAYERS_TITLE = b"Quickfigure players"
PLAYERS_VERSION = 1


class FormatError(AssertionError):
    pass


def invert(data):
    """Every byte b becomes 255 - b (the on-disk form of the high-score file)."""
    return bytes(255 - b for b in data)


def _int(value):
    return b"%d\n" % value


def _string(text):
    return _int(0) if not text else _int(len(text)) + text + b"\n"


def header():
    return _string(TITLE) + _int(VERSION) + _int(0)


def plain_high_scores(entries):
    """The plain form of a table: entries are (spare, difficulty, mode, score, level)."""
    body = b"".join(_string(spare) + _string(difficulty) + _string(mode) + _int(score) +
                    _int(level) for spare, difficulty, mode, score, level in entries)
    return header() + body


def settings(operations, difficulty, sound, stored_length):
    """settings.dat for the four operation switches, a difficulty index and the sound."""
    game = b"".join(_int(int(flag)) for flag in operations) + _int(difficulty)
    return (header() + MARKER + b"\n" + game + MARKER + b"\n" + _int(int(sound)) +
            _int(stored_length))


class _Reader:
    """Strict reader: every line must be what the writer of the format would produce."""

    def __init__(self, data, name):
        if not data.endswith(b"\n"):
            raise FormatError("%s does not end with a line feed" % name)
        self.lines = data[:-1].split(b"\n")
        self.pos = 0
        self.name = name

    def line(self):
        if self.pos >= len(self.lines):
            raise FormatError("%s ends early (after %d lines)" % (self.name, self.pos))
        self.pos += 1
        return self.lines[self.pos - 1]

    def int(self):
        text = self.line()
        try:
            value = int(text)
        except ValueError:
            raise FormatError("%s line %d is not a number: %r" % (self.name, self.pos, text))
        if b"%d" % value != text:
            raise FormatError("%s line %d is not plain %%d text: %r" % (self.name, self.pos, text))
        return value

    def bool(self):
        value = self.int()
        if value not in (0, 1):
            raise FormatError("%s line %d is not a bool: %d" % (self.name, self.pos, value))
        return value == 1

    def string(self):
        length = self.int()
        if length == 0:
            return b""
        text = self.line()
        if len(text) != length:
            raise FormatError("%s line %d: length %d announced, %d bytes found"
                              % (self.name, self.pos, length, len(text)))
        return text

    def marker(self):
        if self.line() != MARKER:
            raise FormatError("%s line %d is not a section marker" % (self.name, self.pos))

    def header(self, title=TITLE, version=VERSION):
        found = (self.string(), self.int(), self.bool())
        if found != (title, version, False):
            raise FormatError("%s has the header %r" % (self.name, found))

    def end(self):
        if self.pos != len(self.lines):
            raise FormatError("%s has %d lines after its last value"
                              % (self.name, len(self.lines) - self.pos))


def read_high_scores(plain):
    """The five entries of a plain high-score file, as (spare, difficulty, mode, score, level)."""
    reader = _Reader(plain, "highscores.dat")
    reader.header()
    entries = [(reader.string(), reader.string(), reader.string(), reader.int(), reader.int())
               for _ in range(5)]
    reader.end()
    return entries


class Settings:
    """What settings.dat holds."""

    def __init__(self, data):
        reader = _Reader(data, "settings.dat")
        reader.header()
        reader.marker()
        self.operations = tuple(reader.bool() for _ in range(4))
        self.difficulty = reader.int()
        reader.marker()
        self.sound = reader.bool()
        self.stored_length = reader.int()
        reader.end()


class Players:
    """What players.dat holds: players as (name, folder, last played), and current."""

    def __init__(self, data):
        reader = _Reader(data, "players.dat")
        reader.header(PLAYERS_TITLE, PLAYERS_VERSION)
        self.players = [(reader.string(), reader.int(), reader.string())
                        for _ in range(reader.int())]
        self.current = reader.int()
        reader.end()


def read_pair(folder):
    """Both files of a folder after an exit, checked against each other (the settings
    record the high-score file's length): the decoded table and the settings."""
    with open(os.path.join(folder, "highscores.dat"), "rb") as f:
        stored = f.read()
    with open(os.path.join(folder, "settings.dat"), "rb") as f:
        settings = Settings(f.read())
    if settings.stored_length != len(stored):
        raise FormatError("settings.dat records %d bytes for a high-score file of %d"
                          % (settings.stored_length, len(stored)))
    return read_high_scores(invert(stored)), settings


def user_data_folder(prefix):
    """Where the program keeps its files under the Wine prefix when its own folder cannot
    be written: the user's local application data folder and Quickfigure in it."""
    found = [path for path in glob.glob(os.path.join(prefix, "drive_c", "users", "*",
                                                     "AppData", "Local"))
             if os.path.basename(os.path.dirname(os.path.dirname(path))) != "Public"]
    if len(found) != 1:
        raise FormatError("no single user's AppData\\Local in %s: %r" % (prefix, found))
    return os.path.join(found[0], "Quickfigure")

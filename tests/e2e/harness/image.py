"""Screenshots as plain RGB pixels, and the colour tests the scenarios make on them.

The game draws into a 16-bit (5-6-5) buffer, so a colour value 0x00BBGGRR reaches the
24-bit screen with only its top 5, 6 and 5 bits kept; whatever the low bits are filled
with on the way, those top bits must survive exactly. That is the tolerance used here.
Antialiased text over white keeps red and green equal and blue high when the ink is
blue, and all three equal when the ink is black.
"""

import struct
import zlib


def rgb_of(colour):
    """Red, green, blue of a 0x00BBGGRR colour value."""
    return colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF


def same_565(pixel, colour):
    """True when a screen pixel shows the 5-6-5 form of the colour value."""
    r, g, b = rgb_of(colour)
    return (pixel[0] >> 3 == r >> 3) and (pixel[1] >> 2 == g >> 2) and (pixel[2] >> 3 == b >> 3)


def is_blue_ink(pixel):
    """A pixel of blue (0xFF0000) text drawn over a light background."""
    r, g, b = pixel
    return b >= 0xF0 and r <= 0xC0 and abs(r - g) <= 12


def is_black_ink(pixel):
    """A pixel of black text (or a black line) drawn over a light background."""
    r, g, b = pixel
    return max(r, g, b) <= 0x90 and max(r, g, b) - min(r, g, b) <= 16


class Shot:
    """One screenshot of the client area: width x height RGB pixels, rows top first."""

    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb

    @classmethod
    def from_ppm(cls, data):
        """Parses a binary PPM (P6, 8-bit) as written by ImageMagick's import."""
        fields = []
        pos = 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos) + 1
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise ValueError("not an 8-bit binary PPM: %r" % fields)
        width, height = int(fields[1]), int(fields[2])
        pixels = data[pos + 1:pos + 1 + width * height * 3]
        if len(pixels) != width * height * 3:
            raise ValueError("short PPM: %d of %d bytes" % (len(pixels), width * height * 3))
        return cls(width, height, pixels)

    def crop(self, left, top, right, bottom):
        """The sub-image of columns left..right-1 and rows top..bottom-1."""
        left, top = max(left, 0), max(top, 0)
        right, bottom = min(right, self.width), min(bottom, self.height)
        rows = [self.rgb[(y * self.width + left) * 3:(y * self.width + right) * 3]
                for y in range(top, bottom)]
        return Shot(right - left, bottom - top, b"".join(rows))

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return self.rgb[i], self.rgb[i + 1], self.rgb[i + 2]

    def count(self, rect, test):
        """How many pixels of rect (left, top, right, bottom) pass test."""
        left, top, right, bottom = rect
        return sum(1 for y in range(top, bottom) for x in range(left, right)
                   if test(self.pixel(x, y)))

    def first_not_565(self, rect, colour, step=1):
        """The first (x, y, pixel) of rect, sampled every step pixels, that does not show
        the colour, or None."""
        left, top, right, bottom = rect
        return next(((x, y, self.pixel(x, y)) for y in range(top, bottom, step)
                     for x in range(left, right, step)
                     if not same_565(self.pixel(x, y), colour)), None)

    def all_565(self, rect, colour, step=1):
        """True when every pixel of rect (sampled every step pixels) shows the colour."""
        return self.first_not_565(rect, colour, step) is None

    def ink_lines(self, rect):
        """Text lines in rect, top to bottom, each 'blue' or 'black' by its majority ink."""
        left, top, right, bottom = rect
        lines = []
        current = None
        for y in range(top, bottom):
            row = [self.pixel(x, y) for x in range(left, right)]
            blue = sum(1 for p in row if is_blue_ink(p))
            black = sum(1 for p in row if is_black_ink(p))
            if blue + black == 0:
                current = None
                continue
            if current is None:
                current = [0, 0]
                lines.append(current)
            current[0] += blue
            current[1] += black
        return ["blue" if blue > black else "black" for blue, black in lines]

    def differing_pixels(self, other):
        """How many pixels differ from another shot of the same size."""
        if (self.width, self.height) != (other.width, other.height):
            return self.width * self.height
        return sum(1 for i in range(0, len(self.rgb), 3)
                   if self.rgb[i:i + 3] != other.rgb[i:i + 3])

    def save_png(self, path):
        """Writes the shot as a PNG, for the report of a failed scenario."""
        raw = b"".join(b"\x00" + self.rgb[y * self.width * 3:(y + 1) * self.width * 3]
                       for y in range(self.height))

        def chunk(kind, body):
            crc = zlib.crc32(kind + body) & 0xFFFFFFFF
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", crc)

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                      chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))

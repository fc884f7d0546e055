#!/usr/bin/python3
"""Generates Quickfigure's artwork, icon and sounds into resources/.

Usage, from the repository root:   /usr/bin/python3 tools/make_resources.py
Needs only the standard library and PIL (Debian: python3-pil, fonts-dejavu-core).
Every run writes the same bytes: all noise comes from fixed seeds and nothing
depends on the clock.  tools/check_resources.py verifies and previews the output.
"""

import math
import os
import random
import struct
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(ROOT, "resources")

FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# The three border colours the program draws its frame lines with; the band
# artwork uses exactly these so sprites and lines meet without a seam.
DARK_RED = (0xAD, 0x2D, 0x24)
ORANGE = (0xFB, 0x54, 0x03)
GOLD = (0xFF, 0xCF, 0x48)
SHEET_KEY = (0xDB, 0xE7, 0xFF)   # menu background, transparent in the sheet
WHITE = (255, 255, 255)          # panel colour, transparent in the title

SS = 4  # supersampling factor for everything drawn with curves


# ---------------------------------------------------------------- sounds ---

def _env_adsr(t, attack, decay_tau, length):
    """Attack ramp, exponential decay, and a short release at the end."""
    if t < 0 or t >= length:
        return 0.0
    a = 0.5 - 0.5 * math.cos(math.pi * t / attack) if t < attack else 1.0
    d = math.exp(-(t - attack) / decay_tau) if t >= attack else 1.0
    rel = min(0.08, 0.2 * length)   # every sound tapers off, never stops dead
    r = 1.0 if t < length - rel else 0.5 - 0.5 * math.cos(math.pi * (length - t) / rel)
    return a * d * r


def _bell(freq, t, length, decay=0.18, attack=0.004, bright=1.0):
    """Soft bell/chime: a few harmonic partials, upper ones dying faster."""
    if t < 0 or t >= length:
        return 0.0
    v = 0.0
    for mult, amp, dk in ((1.0, 1.0, 1.0), (2.0, 0.35 * bright, 0.55),
                          (3.0, 0.12 * bright, 0.35), (4.01, 0.05 * bright, 0.25)):
        v += amp * _env_adsr(t, attack, decay * dk, length) * math.sin(2 * math.pi * freq * mult * t)
    return v


def _fm(freq, t, length, ratio, index, attack, decay):
    """Two-operator FM voice whose brightness follows its envelope."""
    e = _env_adsr(t, attack, decay, length)
    if e == 0.0:
        return 0.0
    mod = index * e * math.sin(2 * math.pi * freq * ratio * t)
    return e * math.sin(2 * math.pi * freq * t + mod)


def _note(n):
    """Equal-tempered frequency of MIDI note n."""
    return 440.0 * 2 ** ((n - 69) / 12.0)


def synth_correct(rate):
    # Two quick rising bell notes, a fifth apart, then the octave above.
    length = 0.46
    notes = ((0.000, _note(84), 0.16), (0.065, _note(88), 0.16), (0.13, _note(91), 0.22))
    out = []
    for i in range(int(rate * length)):
        t = i / rate
        v = sum(0.8 * _bell(f, t - s, length - s, decay=d) for s, f, d in notes)
        out.append(v)
    return out


def synth_wrong(rate):
    # Two soft, slightly buzzy low notes falling a minor third: "uh-oh".
    length = 0.38
    out = []
    for i in range(int(rate * length)):
        t = i / rate
        v = 0.0
        for start, n, dur, tau in ((0.0, 57, 0.15, 0.12), (0.14, 54, 0.24, 0.16)):
            tt = t - start
            if 0 <= tt < dur:
                f = _note(n) * (1 - 0.03 * tt / dur)   # sags a little: a "bonk"
                e = _env_adsr(tt, 0.008, tau, dur)
                ph = 2 * math.pi * f * tt
                # odd-leaning harmonics give a gentle buzz without harshness
                v += e * (math.sin(ph) + 0.45 * math.sin(2 * ph) + 0.35 * math.sin(3 * ph)
                          + 0.15 * math.sin(4 * ph) + 0.10 * math.sin(5 * ph))
        # gentle saturation: a fuller buzz at the same peak
        out.append(math.tanh(1.3 * v))
    return out


def synth_click(rate):
    # A tiny tick for menu hover: a short high blip with a fast decay.
    length = 0.028
    out = []
    for i in range(int(rate * length)):
        t = i / rate
        e = _env_adsr(t, 0.0015, 0.006, length)
        out.append(e * (math.sin(2 * math.pi * 2200 * t) + 0.3 * math.sin(2 * math.pi * 3500 * t)))
    return out


def synth_start(rate):
    # Rising major arpeggio ending on a held, gently vibrating top note.
    length = 0.78
    seq = ((0.00, 72), (0.09, 76), (0.18, 79), (0.27, 84))
    out = []
    for i in range(int(rate * length)):
        t = i / rate
        v = 0.0
        for k, (s, n) in enumerate(seq):
            tt = t - s
            last = k == len(seq) - 1
            dur = length - s if last else 0.22
            f = _note(n)
            if last and tt > 0.08:
                f *= 1 + 0.004 * math.sin(2 * math.pi * 5.5 * (tt - 0.08))
            v += 0.55 * _fm(f, tt, dur, 1.0, 1.2, 0.01, 0.35 if last else 0.09)
            v += 0.25 * _bell(f, tt, dur, decay=0.3 if last else 0.1)
        out.append(v)
    return out


def synth_game_over(rate):
    # Gentle descending phrase, the last note left to ring out.
    length = 0.96
    seq = ((0.00, 79, 0.12), (0.16, 76, 0.12), (0.32, 74, 0.12), (0.48, 72, 0.32))
    out = []
    for i in range(int(rate * length)):
        t = i / rate
        v = 0.0
        for s, n, d in seq:
            tt = t - s
            dur = length - s
            f = _note(n)
            v += 0.6 * _fm(f, tt, dur, 2.0, 0.6, 0.012, d)
            v += 0.3 * _fm(f / 2, tt, dur, 1.0, 0.3, 0.02, d * 1.3)
        out.append(v)
    return out


def synth_tick(rate):
    # Woodblock tick: two inharmonic partials and a hint of filtered noise.
    length = 0.040
    rnd = random.Random(114)
    out = []
    lp = 0.0
    for i in range(int(rate * length)):
        t = i / rate
        e1 = _env_adsr(t, 0.0008, 0.0045, length)
        e2 = _env_adsr(t, 0.0005, 0.0015, length)
        lp += 0.35 * (rnd.uniform(-1, 1) - lp)
        v = e1 * (math.sin(2 * math.pi * 1150 * t) + 0.4 * math.sin(2 * math.pi * 3020 * t))
        out.append(v + 0.5 * e2 * lp)
    return out


def synth_challenge(rate):
    # A quick sparkling run up a pentatonic scale, then a shimmering chord.
    length = 0.86
    run = (84, 86, 88, 91, 93, 96)
    out = []
    for i in range(int(rate * length)):
        t = i / rate
        v = 0.0
        for k, n in enumerate(run):
            s = 0.05 * k
            v += 0.45 * _bell(_note(n), t - s, length - s, decay=0.07, bright=0.7)
        tt = t - 0.32
        if tt >= 0:
            shimmer = 1 + 0.25 * math.sin(2 * math.pi * 9 * tt)
            for n in (84, 88, 91):
                v += 0.3 * shimmer * _bell(_note(n), tt, length - 0.32, decay=0.2, bright=0.6)
        out.append(v)
    return out


def finish_sound(samples, rate, peak_db):
    """Scale to the given peak and fade both ends so playback starts and stops
    without a click."""
    fade = max(8, int(rate * 0.003))
    n = len(samples)
    for i in range(min(fade, n)):
        w = 0.5 - 0.5 * math.cos(math.pi * i / fade)
        samples[i] *= w
        samples[n - 1 - i] *= w
    samples[0] = samples[-1] = 0.0
    peak = max(abs(s) for s in samples) or 1.0
    gain = (10 ** (peak_db / 20.0)) * 32767 / peak
    return [int(round(s * gain)) for s in samples]


def write_wav(path, rate, pcm):
    data = struct.pack("<%dh" % len(pcm), *pcm)
    hdr = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVE"
    fmt = b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, rate, rate * 2, 2, 16)
    with open(path, "wb") as f:
        f.write(hdr + fmt + b"data" + struct.pack("<I", len(data)) + data)


# (file, rate, generator, peak dBFS); quickfigure.rc stores each under its number.  The
# high, bright sounds sit a little lower so that all of them come across about equally loud.
SOUNDS = (
    ("sound_108_correct.wav", 22050, synth_correct, -5.0),
    ("sound_110_wrong.wav", 44100, synth_wrong, -3.0),
    ("sound_111_click.wav", 44100, synth_click, -6.0),
    ("sound_112_start.wav", 44100, synth_start, -4.5),
    ("sound_113_gameover.wav", 44100, synth_game_over, -3.0),
    ("sound_114_tick.wav", 44100, synth_tick, -4.0),
    ("sound_115_challenge.wav", 44100, synth_challenge, -4.0),
)


def make_sounds():
    for name, rate, gen, peak in SOUNDS:
        write_wav(os.path.join(RES, name), rate, finish_sound(gen(rate), rate, peak))


# --------------------------------------------------------------- bitmaps ---

def write_bmp8(path, indices, width, height, palette):
    """8-bit BI_RGB bitmap with all 256 palette entries.  Rows are stored top
    row first with a positive height: the game reads rows in storage order."""
    assert width % 4 == 0 and len(indices) == width * height
    pal = list(palette) + [(0, 0, 0)] * (256 - len(palette))
    off = 14 + 40 + 1024
    size = off + width * height
    out = bytearray(b"BM" + struct.pack("<IHHI", size, 0, 0, off))
    out += struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, width * height,
                       2835, 2835, 256, 0)
    for r, g, b in pal:
        out += bytes((b, g, r, 0))
    out += bytes(indices)
    with open(path, "wb") as f:
        f.write(out)


def quantise(img, fixed):
    """Map an RGB image to at most 256 colours.  The colours in `fixed` (key
    colour first) get their own entries and are matched exactly; the rest of
    the palette comes from a median cut of the remaining pixels."""
    fixed = list(dict.fromkeys(fixed))
    px = list(img.getdata())
    fixed_set = set(fixed)
    others = [p for p in px if p not in fixed_set]
    pal = list(fixed)
    if others:
        src = Image.new("RGB", (len(others), 1))
        src.putdata(others)
        want = 256 - len(pal)
        q = src.quantize(colors=want, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        qp = q.getpalette()[: 3 * want]
        used = sorted(set(q.getdata()))
        for i in used:
            c = tuple(qp[3 * i: 3 * i + 3])
            if c not in fixed_set and c not in pal:
                pal.append(c)
    index = {c: i for i, c in enumerate(pal)}
    cache = {}
    out = []
    key = fixed[0]
    for p in px:
        i = index.get(p)
        if i is None:
            i = cache.get(p)
            if i is None:
                best, bd = 0, 1 << 30
                for j, c in enumerate(pal):
                    if c == key:
                        continue   # only true key pixels may become transparent
                    dr, dg, db = p[0] - c[0], p[1] - c[1], p[2] - c[2]
                    d = 3 * dr * dr + 4 * dg * dg + 2 * db * db
                    if d < bd:
                        best, bd = j, d
                i = cache[p] = best
        out.append(i)
    return out, pal


def mix(a, b, t):
    """Linear blend from colour a (t = 0) to colour b (t = 1)."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def tint(mask, colour):
    """A solid colour whose alpha is the given mask, for compositing (pasting
    through a mask onto a transparent layer would darken the edges)."""
    layer = Image.new("RGBA", mask.size, colour[:3] + (255,))
    layer.putalpha(mask)
    return layer


def downsample(img, factor):
    return img.resize((img.width // factor, img.height // factor), Image.Resampling.BOX)


def over(dst_rgb, src_rgba, pos=(0, 0)):
    """Composite an RGBA picture onto an RGB canvas."""
    dst_rgb.paste(src_rgba.convert("RGB"), pos, src_rgba.split()[3])


# -------------------------------------------------------------- the band ---

# Sheet rectangles (x, y, width, height) of the large sheet; the compact and the
# double sheets hold the same artwork at half and twice the size.
LARGE_RECTS = {
    "banner": (0, 0, 420, 90), "tile": (210, 206, 40, 50),
    "swirl": (422, 90, 90, 90), "tl": (488, 0, 12, 12), "tr": (500, 0, 12, 12),
    "bl": (488, 12, 12, 12), "br": (500, 12, 12, 12),
    "upper": (0, 91, 192, 165), "lower": (261, 90, 161, 100),
}
# Halving does not round every rectangle the same way, so the compact ones are listed.
COMPACT_RECTS = {
    "banner": (0, 0, 210, 45), "tile": (105, 103, 20, 25),
    "swirl": (211, 45, 45, 45), "tl": (244, 0, 6, 6), "tr": (250, 0, 6, 6),
    "bl": (244, 6, 6, 6), "br": (250, 6, 6, 6),
    "upper": (0, 45, 96, 83), "lower": (132, 45, 79, 50),
}


class Geometry:
    """Everything about the sheet that depends on its scale relative to the large
    sheet: 1 for the large sheet, 0.5 for the compact one, 2 for the double one."""

    def __init__(self, scale):
        self.s = scale
        if scale == 0.5:
            self.band_offset = 24
            # Rows of the band measured from the band offset, top stripe first.
            self.band_top = 3
            self.stripes = (2, 4, 3)
            self.rects = COMPACT_RECTS
        else:
            n = int(scale)
            self.band_offset = 47 * n
            self.band_top = 6 * n
            self.stripes = (5, 8, 5)
            self.rects = {k: tuple(v * n for v in r) for k, r in LARGE_RECTS.items()}
        # Frame lines the program draws per colour, which the corners continue.
        self.line = max(1, int(2 * scale))
        self.size = (int(512 * scale), int(256 * scale))
        self.band_rows = self.profile()
        if scale > 1:
            # The large ribbon with every row repeated: the same shading, not a new one.
            self.band_rows = [c for c in self.band_rows for _ in range(int(scale))]

    def profile(self):
        """Colour of each band row: flat stripes with a little shading so the
        band reads as a ribbon."""
        red, orange, gold = self.stripes
        rows = []
        for i in range(red):
            rows.append(mix(DARK_RED, (0x70, 0x18, 0x14), 0.45) if i == 0 and red > 2 else DARK_RED)
        for i in range(orange):
            if i == 0 and orange > 4:
                rows.append(mix(ORANGE, GOLD, 0.35))
            elif i == orange - 1 and orange > 4:
                rows.append(mix(ORANGE, DARK_RED, 0.25))
            else:
                rows.append(ORANGE)
        for i in range(gold):
            if i == 1 and gold > 3:
                rows.append(mix(GOLD, WHITE, 0.35))
            elif i == gold - 1 and gold > 3:
                rows.append(mix(GOLD, ORANGE, 0.3))
            else:
                rows.append(GOLD)
        return rows

    def band_y(self):
        """First band row in banner (and swirl) coordinates."""
        return self.band_offset + self.band_top


def draw_band_rows(img, x0, x1, y0, rows):
    px = img.load()
    for k, c in enumerate(rows):
        for x in range(x0, x1):
            px[x, y0 + k] = c


def make_tile(g):
    _, _, w, h = g.rects["tile"]
    img = Image.new("RGB", (w, h), SHEET_KEY)
    draw_band_rows(img, 0, w, g.band_top, g.band_rows)
    return img


def make_swirl(g):
    """The lower band enters at the left edge and curls up into a tapering
    spiral.  Each supersample finds its place across the ribbon, so the
    stripes keep their order all the way round."""
    _, _, w, h = g.rects["swirl"]
    s = g.s
    rows = g.band_rows
    nrows = len(rows)
    ytop = g.band_y()
    half0 = nrows / 2.0
    yc = ytop + half0
    r0 = 30.0 * s
    cx = 52.0 * s
    cy = yc - r0
    a = 2.6 * s
    phi_end = 2 * math.pi + 0.75 * math.pi

    def radius(phi):
        return r0 - a * phi

    def half(phi):
        return half0 * (1 - 0.5 * min(phi, phi_end) / phi_end)

    big = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    px = big.load()
    end_x = cx + radius(phi_end) * math.sin(phi_end)
    end_y = cy + radius(phi_end) * math.cos(phi_end)
    for j in range(h * SS):
        y = (j + 0.5) / SS
        for i in range(w * SS):
            x = (i + 0.5) / SS
            u = None
            if x < cx:
                if ytop <= y < ytop + nrows:
                    u = (y - ytop) / nrows
            dx, dy = x - cx, y - cy
            rho = math.hypot(dx, dy)
            base = math.atan2(dx, dy) % (2 * math.pi)
            for n in (2, 1, 0):
                phi = base + 2 * math.pi * n
                if phi > phi_end + math.pi / 2:
                    continue
                hh = half(phi)
                d = radius(phi) - rho
                if abs(d) >= hh:
                    continue
                if phi > phi_end and math.hypot(x - end_x, y - end_y) > half(phi_end):
                    continue
                u = (hh - d) / (2 * hh)
                break
            if u is not None:
                k = min(nrows - 1, int(u * nrows))
                c = rows[k]
                px[i, j] = c + (255,)
    small = downsample(big, SS)
    img = Image.new("RGB", (w, h), SHEET_KEY)
    over(img, small)
    # The straight entry must match the band tiles exactly, row for row.
    draw_band_rows(img, 0, int(cx) - 1, ytop, rows)
    return img


def make_corners(g):
    """Quarter circles of the frame's three colours, one band per line the
    program draws (two lines each on large screens, one on compact, four on the
    double sheet)."""
    _, _, c, _ = g.rects["tl"]
    line = g.line
    cols = (DARK_RED, ORANGE, GOLD)
    big = Image.new("RGB", (c * SS, c * SS), SHEET_KEY)
    px = big.load()
    for j in range(c * SS):
        for i in range(c * SS):
            # distance from the inner corner of a top-left corner piece
            d = math.hypot(c - (i + 0.5) / SS, c - (j + 0.5) / SS)
            if d >= c:
                continue
            band = int((c - d) // line)
            px[i, j] = cols[band] if band < 3 else WHITE
    tl = downsample(big, SS)
    # The last column and row meet the straight lines: make them exactly the
    # line colours rather than whatever the curve's antialiasing left there.
    px = tl.load()
    for i in range(c):
        col = cols[i // line] if i < 3 * line else WHITE
        px[c - 1, i] = col
        px[i, c - 1] = col
    return {
        "tl": tl,
        "tr": tl.transpose(Image.Transpose.FLIP_LEFT_RIGHT),
        "bl": tl.transpose(Image.Transpose.FLIP_TOP_BOTTOM),
        "br": tl.transpose(Image.Transpose.ROTATE_180),
    }


# ---------------------------------------------------------- the banner ---

BLOCK_COLOURS = (
    ((0x4A, 0x8F, 0xE8), (0x2A, 0x5C, 0xB0)),   # blue
    ((0x4C, 0xC0, 0x6A), (0x25, 0x84, 0x42)),   # green
    ((0xA9, 0x6B, 0xE0), (0x6E, 0x3F, 0xA6)),   # violet
    ((0xFF, 0x8A, 0x3D), (0xC2, 0x4E, 0x10)),   # orange
    ((0x33, 0xB5, 0xC6), (0x1C, 0x7A, 0x8C)),   # teal
    ((0xF0, 0x5A, 0x7E), (0xB0, 0x2E, 0x50)),   # pink
)


def font(size):
    return ImageFont.truetype(FONT_BOLD, size)


def draw_sign(draw, sym, cx, cy, size, fill, width):
    """Arithmetic signs drawn from strokes so they look alike at any size."""
    r = size / 2.0
    w = width
    if sym == "+":
        draw.rounded_rectangle((cx - r, cy - w / 2, cx + r, cy + w / 2), w / 2, fill=fill)
        draw.rounded_rectangle((cx - w / 2, cy - r, cx + w / 2, cy + r), w / 2, fill=fill)
    elif sym == "-":
        draw.rounded_rectangle((cx - r, cy - w / 2, cx + r, cy + w / 2), w / 2, fill=fill)
    elif sym == "=":
        for oy in (-r * 0.42, r * 0.42):
            draw.rounded_rectangle((cx - r, cy + oy - w / 2, cx + r, cy + oy + w / 2), w / 2, fill=fill)
    elif sym == "x":
        k = r * 0.78
        draw.line((cx - k, cy - k, cx + k, cy + k), fill=fill, width=int(w))
        draw.line((cx - k, cy + k, cx + k, cy - k), fill=fill, width=int(w))
        for ex, ey in ((-k, -k), (k, k), (-k, k), (k, -k)):
            draw.ellipse((cx + ex - w / 2, cy + ey - w / 2, cx + ex + w / 2, cy + ey + w / 2), fill=fill)
    elif sym == "/":
        draw.rounded_rectangle((cx - r, cy - w / 2, cx + r, cy + w / 2), w / 2, fill=fill)
        dot = w * 0.58
        for oy in (-r * 0.85, r * 0.85):
            draw.ellipse((cx - dot, cy + oy - dot, cx + dot, cy + oy + dot), fill=fill)


def draw_block(base, cx, cy, size, label, colours, angle):
    """A toy-like number block: rounded, lit from above, with a raised edge."""
    light, dark = colours
    n = int(size * 1.6)
    blk = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    d = ImageDraw.Draw(blk)
    o = (n - size) / 2
    rad = size * 0.22
    d.rounded_rectangle((o, o + size * 0.06, o + size, o + size * 1.06), rad, fill=dark + (255,))
    # vertical gradient face
    face = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    fd = ImageDraw.Draw(face)
    for yy in range(int(o), int(o + size) + 1):
        t = (yy - o) / size
        fd.line((0, yy, n, yy), fill=mix(mix(light, WHITE, 0.35), light, min(1, t * 1.4)) + (255,))
    mask = Image.new("L", (n, n), 0)
    ImageDraw.Draw(mask).rounded_rectangle((o, o, o + size, o + size * 0.98), rad, fill=255)
    face.putalpha(mask)
    blk.alpha_composite(face)
    # glossy top
    gl = Image.new("L", (n, n), 0)
    ImageDraw.Draw(gl).rounded_rectangle((o + size * 0.1, o + size * 0.06, o + size * 0.9, o + size * 0.4),
                                         rad * 0.7, fill=70)
    blk.alpha_composite(tint(gl, WHITE))
    # label: white glyph with a soft darker shadow
    fill = (0xFF, 0xFF, 0xF4, 255)
    shadow = dark + (255,)
    if label.isdigit():
        f = font(int(size * 0.72))
        for (ox, oy), col in (((size * 0.03, size * 0.05), shadow), ((0, 0), fill)):
            d.text((n / 2 + ox, n / 2 + oy), label, font=f, fill=col, anchor="mm")
    else:
        for (ox, oy), col in (((size * 0.03, size * 0.05), shadow), ((0, 0), fill)):
            draw_sign(d, label, n / 2 + ox, n / 2 + oy, size * 0.5, col, size * 0.12)
    blk = blk.rotate(angle, resample=Image.Resampling.BICUBIC, center=(n / 2, n / 2))
    base.alpha_composite(blk, (int(cx - n / 2), int(cy - n / 2)))


def draw_sparkle(draw, cx, cy, r, colour):
    k = r * 0.28
    draw.polygon(((cx, cy - r), (cx + k, cy - k), (cx + r, cy), (cx + k, cy + k),
                  (cx, cy + r), (cx - k, cy + k), (cx - r, cy), (cx - k, cy - k)), fill=colour)


def make_banner(g):
    _, _, w, h = g.rects["banner"]
    s = g.s
    S = SS * s                 # big-canvas pixels per large-sheet pixel
    ytop = g.band_y()
    Y = ytop / s               # band top in large-sheet units
    img = Image.new("RGB", (w, h), SHEET_KEY)
    # behind the band: a soft glow and a few sparkles, gone well before the
    # right end so the band tiles continue it seamlessly
    back = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    glow = Image.new("L", back.size, 0)
    ImageDraw.Draw(glow).ellipse((-60 * S, -40 * S, 330 * S, (Y + 10) * S), fill=120)
    glow = glow.filter(ImageFilter.GaussianBlur(18 * S))
    back.alpha_composite(tint(glow, WHITE))
    d = ImageDraw.Draw(back)
    for sx, sy, r in ((318, 16, 7), (342, 32, 4.5), (300, 38, 3.5), (360, 12, 3)):
        draw_sparkle(d, sx * S, sy * S, r * S, (0xFF, 0xD2, 0x50, 255))
    over(img, downsample(back, SS))
    draw_band_rows(img, 0, w, ytop, g.band_rows)
    # in front of the band: toy number blocks standing on it
    front = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    blocks = (("7", 40, -6), ("+", 34, 4), ("3", 36, -3), ("x", 30, 5), ("2", 32, -4),
              ("=", 28, 3), ("/", 26, -5))
    x = 14
    rnd = random.Random(107)
    for idx, (lab, size, ang) in enumerate(blocks):
        cx = (x + size / 2.0) * S
        cy = (Y - size / 2.0 + 3) * S
        draw_block(front, cx, cy, size * S, lab, BLOCK_COLOURS[idx % len(BLOCK_COLOURS)], ang)
        x += size + 9 + rnd.randint(0, 4)
    over(img, downsample(front, SS))
    return img


# ------------------------------------------------------- side pictures ---

def pale(picture, strength):
    """Fade a drawn RGBA picture toward the background so text over it stays
    readable; its edges blend into the background rather than to a box."""
    a = picture.split()[3].point(lambda v: int(v * strength))
    picture.putalpha(a)
    return picture


def make_upper_picture(g):
    """A tilted school slate with chalk sums, and a piece of chalk."""
    _, _, w, h = g.rects["upper"]
    S = SS * g.s
    big = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    slate = Image.new("RGBA", (int(150 * S), int(118 * S)), (0, 0, 0, 0))
    d = ImageDraw.Draw(slate)
    d.rounded_rectangle((0, 0, 150 * S - 1, 118 * S - 1), 12 * S, fill=(0xC0, 0x86, 0x4E, 255))
    d.rounded_rectangle((3 * S, 3 * S, 147 * S, 10 * S), 4 * S, fill=(0xD6, 0xA0, 0x68, 255))
    d.rounded_rectangle((10 * S, 10 * S, 140 * S, 108 * S), 5 * S, fill=(0x3E, 0x5C, 0x58, 255))
    chalk = (0xF2, 0xF4, 0xEE, 255)
    f = font(int(17 * S))
    d.text((20 * S, 18 * S), "2+3=5", font=f, fill=chalk)
    d.text((20 * S, 44 * S), "9-4=5", font=f, fill=chalk)
    d.text((20 * S, 70 * S), "6", font=f, fill=chalk)
    draw_sign(d, "x", 40 * S, 80 * S, 10 * S, chalk, 2.4 * S)
    d.text((50 * S, 70 * S), "7=42", font=f, fill=chalk)
    # a chalk tick mark
    d.line((108 * S, 30 * S, 114 * S, 38 * S, 128 * S, 20 * S), fill=(0xF8, 0xE0, 0x80, 255),
           width=int(3 * S), joint="curve")
    slate = slate.rotate(-8, resample=Image.Resampling.BICUBIC, expand=True)
    big.alpha_composite(slate, (int(8 * S), int(14 * S)))
    d = ImageDraw.Draw(big)
    # a few loose signs around
    for sym, sx, sy, sz, col in (("+", 170, 40, 14, (0x4A, 0x8F, 0xE8, 255)),
                                 ("/", 176, 110, 14, (0xA9, 0x6B, 0xE0, 255)),
                                 ("=", 128, 152, 12, (0x4C, 0xC0, 0x6A, 255))):
        draw_sign(d, sym, sx * S, sy * S, sz * S, col, 3 * S)
    return pale(downsample(big, SS), 0.42)


def make_lower_picture(g):
    """A little abacus and a pencil."""
    _, _, w, h = g.rects["lower"]
    S = SS * g.s
    big = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    d = ImageDraw.Draw(big)
    wood = (0xB0, 0x72, 0x3C, 255)
    fx0, fy0, fx1, fy1 = 10, 10, 120, 84
    d.rounded_rectangle((fx0 * S, fy0 * S, fx1 * S, fy1 * S), 6 * S, outline=wood, width=int(6 * S))
    bead_cols = ((0xF0, 0x5A, 0x4E, 255), (0xFF, 0xA6, 0x2E, 255), (0x4C, 0xC0, 0x6A, 255),
                 (0x4A, 0x8F, 0xE8, 255), (0xA9, 0x6B, 0xE0, 255))
    counts = (3, 5, 2, 4, 1)
    for r in range(5):
        yy = (fy0 + 13 + r * 12.5) * S
        d.line((fx0 * S + 4 * S, yy, fx1 * S - 4 * S, yy), fill=(0x90, 0x80, 0x70, 255), width=int(1.5 * S))
        for b in range(counts[r]):
            bx = (fx0 + 14 + b * 11) * S
            d.ellipse((bx - 5 * S, yy - 5 * S, bx + 5 * S, yy + 5 * S), fill=bead_cols[r])
            d.ellipse((bx - 3 * S, yy - 4 * S, bx + 0.5 * S, yy - 1.5 * S), fill=(255, 255, 255, 140))
        for b in range(2):
            bx = (fx1 - 16 - b * 11) * S
            d.ellipse((bx - 5 * S, yy - 5 * S, bx + 5 * S, yy + 5 * S), fill=bead_cols[r])
    # pencil leaning across the corner
    pen = Image.new("RGBA", (int(110 * S), int(14 * S)), (0, 0, 0, 0))
    pd = ImageDraw.Draw(pen)
    pd.rectangle((14 * S, 2 * S, 92 * S, 12 * S), fill=(0xFF, 0xC8, 0x3A, 255))
    pd.rectangle((14 * S, 6 * S, 92 * S, 8 * S), fill=(0xF0, 0xB0, 0x20, 255))
    pd.rectangle((92 * S, 2 * S, 100 * S, 12 * S), fill=(0xB8, 0xB8, 0xC0, 255))
    pd.rounded_rectangle((98 * S, 2 * S, 108 * S, 12 * S), 3 * S, fill=(0xF0, 0x8C, 0x98, 255))
    pd.polygon(((14 * S, 2 * S), (14 * S, 12 * S), (0, 7 * S)), fill=(0xF0, 0xD8, 0xB0, 255))
    pd.polygon(((4.5 * S, 5.4 * S), (4.5 * S, 8.6 * S), (0, 7 * S)), fill=(0x50, 0x50, 0x58, 255))
    pen = pen.rotate(28, resample=Image.Resampling.BICUBIC, expand=True)
    big.alpha_composite(pen, (int(60 * S), int(36 * S)))
    return pale(downsample(big, SS), 0.42)


# ------------------------------------------------------------ the sheet ---

def make_sheet(scale):
    g = Geometry(scale)
    sheet = Image.new("RGB", g.size, SHEET_KEY)

    def put(name, picture):
        x, y, w, h = g.rects[name]
        assert picture.size == (w, h), (name, picture.size)
        if picture.mode == "RGBA":
            over(sheet, picture, (x, y))
        else:
            sheet.paste(picture, (x, y))

    put("banner", make_banner(g))
    put("tile", make_tile(g))
    put("swirl", make_swirl(g))
    for k, v in make_corners(g).items():
        put(k, v)
    put("upper", make_upper_picture(g))
    put("lower", make_lower_picture(g))
    return sheet


# ------------------------------------------------------------- the logo ---

def make_logo(w, h):
    """"Quickfigure" in bouncing bold letters: gold-to-orange fill, a dark red
    outline and a soft shadow, all blended toward the white panel."""
    s = w / 256.0
    S = SS * s
    W, H = w * SS, h * SS
    f = font(int(36 * S))
    text = "Quickfigure"
    # lay the letters out with the font's own advances
    adv = [f.getlength(ch) for ch in text]
    total = sum(adv) + 0.5 * S * (len(text) - 1)
    # a thinner outline at half size keeps the small letters open
    outline = (3.2 if w >= 256 else 2.4) * S
    x = (W - total) / 2
    letters = []
    for i, ch in enumerate(text):
        bounce = (-2.0 if i % 2 else 1.5) * S
        angle = (-4 if i % 2 else 3) if w >= 256 else 0
        letters.append((ch, x, bounce, angle))
        x += adv[i] + 0.5 * S
    asc, desc = f.getmetrics()
    base_y = (H - (asc + desc)) / 2 + asc - 1 * S

    def layer(fill_fn, stroke, grow):
        lay = Image.new("RGBA", (W, H), (0, 0, 0, 0))
        for ch, lx, dy, ang in letters:
            cell = Image.new("RGBA", (int(f.getlength(ch) + 8 * outline), H), (0, 0, 0, 0))
            cd = ImageDraw.Draw(cell)
            cd.text((4 * outline, base_y + dy), ch, font=f, anchor="ls", fill=(255, 255, 255, 255),
                    stroke_width=int(grow), stroke_fill=(255, 255, 255, 255))
            cell = cell.rotate(ang, resample=Image.Resampling.BICUBIC,
                               center=(cell.width / 2, base_y))
            lay.alpha_composite(cell, (int(lx - 4 * outline), 0))
        alpha = lay.split()[3]
        return fill_fn(alpha)

    def solid(colour):
        return lambda a: Image.merge("RGBA", (*Image.new("RGB", (W, H), colour).split(), a))

    def gradient(a):
        g = Image.new("RGB", (W, H))
        gd = ImageDraw.Draw(g)
        top = base_y - f.getbbox("Q")[3] + f.getbbox("Q")[1]
        for yy in range(H):
            t = max(0.0, min(1.0, (yy - top) / (base_y - top)))
            col = mix(mix(GOLD, WHITE, 0.25), GOLD, t * 2) if t < 0.5 else mix(GOLD, ORANGE, (t - 0.5) * 2)
            gd.line((0, yy, W, yy), fill=col)
        return Image.merge("RGBA", (*g.split(), a))

    img = Image.new("RGBA", (W, H), WHITE + (255,))
    shadow = layer(solid((0x60, 0x50, 0x70)), None, outline)
    sh_a = shadow.split()[3].filter(ImageFilter.GaussianBlur(2.5 * S)).point(lambda v: int(v * 0.45))
    shadow.putalpha(sh_a)
    img.alpha_composite(shadow, (int(2 * S), int(3 * S)))
    img.alpha_composite(layer(solid(DARK_RED), None, outline))
    img.alpha_composite(layer(gradient, None, 0))
    small = downsample(img.convert("RGB"), SS)
    # Only the panel itself may be transparent: anything else that would
    # convert to white in 16 bits is nudged just below it.
    px = small.load()
    for yy in range(h):
        for xx in range(w):
            r, g, b = px[xx, yy]
            if (r, g, b) != WHITE and r >= 248 and g >= 252 and b >= 248:
                px[xx, yy] = WHITE
    return small


# ------------------------------------------------------------- the icon ---

def make_icon_image(n):
    """A rounded gold-to-orange square edged in dark red, carrying + and ÷
    (just a plus at the smallest sizes, where two signs would blur)."""
    S = SS
    N = n * S
    img = Image.new("RGBA", (N, N), (0, 0, 0, 0))
    grad = Image.new("RGBA", (N, N))
    gd = ImageDraw.Draw(grad)
    for yy in range(N):
        gd.line((0, yy, N, yy), fill=mix(GOLD, ORANGE, yy / N) + (255,))
    m = max(1.0, n / 32.0) * S
    edge = max(1.0, n / 20.0) * S
    rad = n * 0.22 * S
    outer = Image.new("L", (N, N), 0)
    ImageDraw.Draw(outer).rounded_rectangle((m * 0.5, m * 0.5, N - m * 0.5, N - m * 0.5), rad, fill=255)
    inner = Image.new("L", (N, N), 0)
    ImageDraw.Draw(inner).rounded_rectangle((m * 0.5 + edge, m * 0.5 + edge, N - m * 0.5 - edge,
                                             N - m * 0.5 - edge), rad - edge, fill=255)
    img.alpha_composite(tint(outer, DARK_RED))
    grad.putalpha(inner)
    img.alpha_composite(grad)
    d = ImageDraw.Draw(img)
    shade = DARK_RED + (255,)
    white = (255, 255, 250, 255)
    if n >= 32:
        sz, wd = N * 0.30, N * 0.085
        for sym, cx, cy in (("+", N * 0.34, N * 0.34), ("/", N * 0.66, N * 0.66)):
            draw_sign(d, sym, cx + N * 0.02, cy + N * 0.025, sz, shade, wd)
            draw_sign(d, sym, cx, cy, sz, white, wd)
    else:
        sz, wd = N * 0.56, N * 0.17
        draw_sign(d, "+", N / 2 + S * 0.6, N / 2 + S * 0.6, sz, shade, wd)
        draw_sign(d, "+", N / 2, N / 2, sz, white, wd)
    return downsample(img, SS)


def write_ico(path, images):
    """ICO with 32-bit BMP-style entries (an XOR image with alpha plus the
    1-bit AND mask), biggest first."""
    entries = []
    for im in images:
        n = im.width
        px = im.load()
        xor = bytearray()
        for yy in range(n - 1, -1, -1):
            for xx in range(n):
                r, g, b, a = px[xx, yy]
                xor += bytes((b, g, r, a))
        stride = ((n + 31) // 32) * 4
        mask = bytearray()
        for yy in range(n - 1, -1, -1):
            row = bytearray(stride)
            for xx in range(n):
                if px[xx, yy][3] == 0:
                    row[xx >> 3] |= 0x80 >> (xx & 7)
            mask += row
        hdr = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        entries.append((n, hdr + bytes(xor) + bytes(mask)))
    out = bytearray(struct.pack("<HHH", 0, 1, len(entries)))
    offset = 6 + 16 * len(entries)
    for n, blob in entries:
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for _, blob in entries:
        out += blob
    with open(path, "wb") as f:
        f.write(out)


# ----------------------------------------------------------------- main ---

def save_bitmap(path, img, key, extra):
    idx, pal = quantise(img, [key] + extra)
    write_bmp8(path, idx, img.width, img.height, pal)


def main():
    os.makedirs(RES, exist_ok=True)
    make_sounds()
    fixed = [WHITE, DARK_RED, ORANGE, GOLD]
    logo_fixed = [DARK_RED, ORANGE, GOLD]
    save_bitmap(os.path.join(RES, "sheet_107.bmp"), make_sheet(1), SHEET_KEY, fixed)
    save_bitmap(os.path.join(RES, "sheet_130.bmp"), make_sheet(0.5), SHEET_KEY, fixed)
    save_bitmap(os.path.join(RES, "sheet_140.bmp"), make_sheet(2), SHEET_KEY, fixed)
    save_bitmap(os.path.join(RES, "title_106.bmp"), make_logo(256, 64), WHITE, logo_fixed)
    save_bitmap(os.path.join(RES, "title_120.bmp"), make_logo(128, 32), WHITE, logo_fixed)
    save_bitmap(os.path.join(RES, "title_141.bmp"), make_logo(512, 128), WHITE, logo_fixed)
    write_ico(os.path.join(RES, "quickfigure.ico"), [make_icon_image(n) for n in (64, 48, 32, 24, 16)])
    return 0


if __name__ == "__main__":
    sys.exit(main())

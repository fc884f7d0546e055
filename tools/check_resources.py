#!/usr/bin/python3
"""Checks the generated resources and draws previews of them as the game shows them.

Usage, from the repository root:   /usr/bin/python3 tools/check_resources.py [--previews DIR]
Reads the bitmaps back from their bytes (8-bit, rows top first), checks that the
band pieces, frame corners and sounds fit together, and prints sound statistics.
With --previews it writes PNGs of simulated menu screens, the logo and the icon.
"""

import math
import os
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(ROOT, "resources")

SHEET_KEY = (0xDB, 0xE7, 0xFF)
WHITE = (255, 255, 255)
FRAME = ((0xAD, 0x2D, 0x24), (0xFB, 0x54, 0x03), (0xFF, 0xCF, 0x48))

LARGE = {"banner": (0, 0, 420, 90), "tile": (210, 206, 40, 50), "swirl": (422, 90, 90, 90),
         "tl": (488, 0, 12, 12), "tr": (500, 0, 12, 12), "bl": (488, 12, 12, 12),
         "br": (500, 12, 12, 12), "upper": (0, 91, 192, 165), "lower": (261, 90, 161, 100)}
COMPACT = {"banner": (0, 0, 210, 45), "tile": (105, 103, 20, 25), "swirl": (211, 45, 45, 45),
           "tl": (244, 0, 6, 6), "tr": (250, 0, 6, 6), "bl": (244, 6, 6, 6),
           "br": (250, 6, 6, 6), "upper": (0, 45, 96, 83), "lower": (132, 45, 79, 50)}
# The double sheet holds the large artwork at twice the size, every rectangle doubled.
DOUBLE = {name: tuple(2 * v for v in r) for name, r in LARGE.items()}

failures = []


def fail(msg):
    failures.append(msg)
    print("FAIL:", msg)


def to565(c):
    return ((c[0] >> 3) << 11) | ((c[1] >> 2) << 5) | (c[2] >> 3)


class Bitmap:
    """An 8-bit bitmap read the way the game reads it: header, 256 palette
    entries, then rows in storage order."""

    def __init__(self, path, width, height):
        data = open(path, "rb").read()
        self.name = os.path.basename(path)
        if data[:2] != b"BM":
            fail(self.name + ": no BM signature")
        off = struct.unpack_from("<I", data, 10)[0]
        (hsize, w, h, planes, bpp, comp, _, _, _, used, _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
        if (hsize, w, h, planes, bpp, comp) != (40, width, height, 1, 8, 0):
            fail("%s: header %r" % (self.name, (hsize, w, h, planes, bpp, comp)))
        if used not in (0, 256) or off != 14 + 40 + 1024 or len(data) != off + w * h:
            fail("%s: palette/offset/size %r" % (self.name, (used, off, len(data))))
        self.w, self.h = w, h
        self.pal = [(data[54 + 4 * i + 2], data[54 + 4 * i + 1], data[54 + 4 * i]) for i in range(256)]
        self.idx = data[off:off + w * h]

    def rgb(self, x, y):
        return self.pal[self.idx[y * self.w + x]]

    def blit(self, canvas, rect, dx, dy, key):
        """Draw a sheet rectangle onto a canvas dict, leaving out every entry
        whose 16-bit value equals the key's, as the game does."""
        sx, sy, w, h = rect
        k = to565(key)
        cw, ch = canvas["size"]
        px = canvas["px"]
        for y in range(h):
            if not 0 <= dy + y < ch:
                continue
            for x in range(w):
                if not 0 <= dx + x < cw:
                    continue
                c = self.rgb(sx + x, sy + y)
                if to565(c) != k:
                    px[(dy + y) * cw + dx + x] = c


def check_sheet(bm, rects, band_offset, line):
    name = bm.name
    for r in rects.values():
        x, y, w, h = r
        if x + w > bm.w or y + h > bm.h:
            fail("%s: rectangle %r outside the sheet" % (name, r))
        if not any(bm.rgb(x + i, y + j) != SHEET_KEY for i in range(w) for j in range(h)):
            fail("%s: rectangle %r is empty" % (name, r))
    bx, by, bw, bh = rects["banner"]
    tx, ty, tw, th = rects["tile"]
    sx, sy, sw, sh = rects["swirl"]
    band_rows = 0
    for k in range(th):
        row = [bm.rgb(tx + i, ty + k) for i in range(tw)]
        if len(set(row)) != 1:
            fail("%s: tile row %d is not uniform" % (name, k))
        c = row[0]
        band_rows += c != SHEET_KEY
        if band_offset + k < bh and bm.rgb(bx + bw - 1, by + band_offset + k) != c:
            fail("%s: banner right edge differs from tile at row %d" % (name, k))
        if band_offset + k < sh and bm.rgb(sx, sy + band_offset + k) != c:
            fail("%s: swirl left edge differs from tile at row %d" % (name, k))
    if band_rows == 0:
        fail(name + ": band tile holds no band")
    for k in range(band_offset + th, bh):
        if bm.rgb(bx + bw - 1, by + k) != SHEET_KEY:
            fail("%s: banner right edge not key colour at row %d" % (name, k))
    # Top-left frame corner: its last column must continue the horizontal
    # lines and its last row the vertical ones, with white inside.
    cx, cy, c, _ = rects["tl"]
    expect = [FRAME[i // line] for i in range(3 * line)]
    for i in range(c):
        want = expect[i] if i < 3 * line else WHITE
        got_h = bm.rgb(cx + c - 1, cy + i)
        got_v = bm.rgb(cx + i, cy + c - 1)
        if got_h != want or got_v != want:
            fail("%s: corner edge pixel %d is %r/%r, not %r" % (name, i, got_h, got_v, want))
    if bm.rgb(cx, cy) != SHEET_KEY:
        fail(name + ": corner outside is not key colour")
    # the other three corners are mirror images
    for nm, fx, fy in (("tr", 1, 0), ("bl", 0, 1), ("br", 1, 1)):
        ox, oy, _, _ = rects[nm]
        for j in range(c):
            for i in range(c):
                si = c - 1 - i if fx else i
                sj = c - 1 - j if fy else j
                if bm.rgb(ox + i, oy + j) != bm.rgb(cx + si, cy + sj):
                    fail("%s: corner %s is not a mirror of the top-left one" % (name, nm))
                    break


def wav_stats(path, rate):
    data = open(path, "rb").read()
    name = os.path.basename(path)
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE" or data[12:16] != b"fmt ":
        fail(name + ": not RIFF/WAVE")
        return
    tag, ch, r, _, _, bits = struct.unpack_from("<HHIIHH", data, 20)
    if (tag, ch, r, bits) != (1, 1, rate, 16):
        fail("%s: format %r" % (name, (tag, ch, r, bits)))
    n = struct.unpack_from("<I", data, 40)[0] // 2
    s = struct.unpack_from("<%dh" % n, data, 44)
    peak = max(abs(v) for v in s)
    win = max(1, rate // 20)
    rms = max(math.sqrt(sum(v * v for v in s[i:i + win]) / win) for i in range(0, max(1, n - win + 1), win // 2 or 1))
    ms = 1000.0 * n / rate
    print("%-26s %6.1f ms  peak %6.2f dBFS  max 50ms-RMS %6.2f dBFS  ends %d,%d"
          % (name, ms, 20 * math.log10(peak / 32768.0), 20 * math.log10(max(rms, 1) / 32768.0), s[0], s[-1]))
    if abs(s[0]) > 64 or abs(s[-1]) > 64:
        fail(name + ": does not start and end near zero")
    return ms


def menu_preview(sheet, rects, band_offset, W, H, line):
    """Lays the sheet out as the shell's standard menu layout does."""
    canvas = {"size": (W, H), "px": [SHEET_KEY] * (W * H)}
    bx, by, bw, bh = rects["banner"]
    sheet.blit(canvas, rects["banner"], 0, 0, SHEET_KEY)
    sheet.blit(canvas, rects["upper"], 0, bh, SHEET_KEY)
    sheet.blit(canvas, rects["lower"], 0, bh + rects["upper"][3], SHEET_KEY)
    t = rects["tile"][2]
    x = bw
    while x < W:
        sheet.blit(canvas, rects["tile"], x, band_offset, SHEET_KEY)
        x += t
    sw = rects["swirl"][2]
    sxp, syp = W - sw - 2, H - rects["swirl"][3] - 2
    sheet.blit(canvas, rects["swirl"], sxp, syp, SHEET_KEY)
    x = sxp - t
    while x > -t:
        sheet.blit(canvas, rects["tile"], x, syp + band_offset, SHEET_KEY)
        x -= t
    # a white panel with the decorated frame where the main menu would be
    c = rects["tl"][2]
    left, top, right, bottom = W // 2 - W // 4 + 3, H // 4, W // 2 + W // 4 - 3, H - H // 4
    px = canvas["px"]
    for y in range(top + c // 2, bottom - c // 2):
        for x in range(left + c // 2, right - c // 2):
            px[y * W + x] = WHITE
    sheet.blit(canvas, rects["tl"], left, top, SHEET_KEY)
    sheet.blit(canvas, rects["tr"], right - c, top, SHEET_KEY)
    sheet.blit(canvas, rects["bl"], left, bottom - c, SHEET_KEY)
    sheet.blit(canvas, rects["br"], right - c, bottom - c, SHEET_KEY)
    for i in range(3 * line):
        col = FRAME[i // line]
        for x in range(left + c, right - c + 1):
            px[(top + i) * W + x] = col
            px[(bottom - 1 - i) * W + x] = col
        for y in range(top + c, bottom - c + 1):
            px[y * W + left + i] = col
            px[y * W + right - 1 - i] = col
    return canvas, (left, top, right, bottom)


def save_png(canvas, path, scale):
    from PIL import Image
    W, H = canvas["size"]
    img = Image.new("RGB", (W, H))
    img.putdata(canvas["px"])
    if scale != 1:
        img = img.resize((W * scale, H * scale), Image.Resampling.NEAREST)
    img.save(path)


def main(argv):
    preview_dir = None
    if len(argv) > 2 and argv[1] == "--previews":
        preview_dir = argv[2]
        os.makedirs(preview_dir, exist_ok=True)
    big = Bitmap(os.path.join(RES, "sheet_107.bmp"), 512, 256)
    small = Bitmap(os.path.join(RES, "sheet_130.bmp"), 256, 128)
    t106 = Bitmap(os.path.join(RES, "title_106.bmp"), 256, 64)
    t120 = Bitmap(os.path.join(RES, "title_120.bmp"), 128, 32)
    double = Bitmap(os.path.join(RES, "sheet_140.bmp"), 1024, 512)
    t141 = Bitmap(os.path.join(RES, "title_141.bmp"), 512, 128)
    check_sheet(big, LARGE, 47, 2)
    check_sheet(small, COMPACT, 24, 1)
    check_sheet(double, DOUBLE, 94, 4)
    for t in (t106, t120, t141):
        if to565(t.rgb(0, 0)) != to565(WHITE):
            fail(t.name + ": corner is not the white key")
    lengths = {}
    for name, rate in (("sound_108_correct.wav", 22050), ("sound_110_wrong.wav", 44100),
                       ("sound_111_click.wav", 44100), ("sound_112_start.wav", 44100),
                       ("sound_113_gameover.wav", 44100), ("sound_114_tick.wav", 44100),
                       ("sound_115_challenge.wav", 44100)):
        lengths[name] = wav_stats(os.path.join(RES, name), rate)
    for name in ("sound_111_click.wav", "sound_114_tick.wav"):
        if lengths[name] is not None and lengths[name] >= 60:
            fail(name + ": too long for a tick")
    for name, ms in lengths.items():
        if ms is not None and ms >= 1000:
            fail(name + ": longer than a second")
    if preview_dir:
        for sheet, rects, off, W, H, line, title, tag in (
                (big, LARGE, 47, 640, 480, 2, t106, "large"),
                (small, COMPACT, 24, 320, 240, 1, t120, "compact"),
                (double, DOUBLE, 94, 1280, 960, 4, t141, "double")):
            canvas, (l, t, r, b) = menu_preview(sheet, rects, off, W, H, line)
            shrink = 2 if tag == "double" else 1   # the double set needs no enlarging
            title.blit(canvas, (0, 0, title.w, title.h), W // 2 - title.w // 2, t + title.h // 3, WHITE)
            save_png(canvas, os.path.join(preview_dir, "menu_%s.png" % tag), 2 if tag == "compact" else 1)
            whole = {"size": (sheet.w, sheet.h), "px": [sheet.rgb(x, y) for y in range(sheet.h) for x in range(sheet.w)]}
            save_png(whole, os.path.join(preview_dir, "sheet_%s.png" % tag), 2 // shrink)
            logo = {"size": (title.w, title.h), "px": [title.rgb(x, y) for y in range(title.h) for x in range(title.w)]}
            save_png(logo, os.path.join(preview_dir, "title_%s.png" % tag), 3 // shrink)
        from PIL import Image
        ico = Image.open(os.path.join(RES, "quickfigure.ico"))
        sizes = sorted(ico.info.get("sizes", []), reverse=True)
        strip = Image.new("RGBA", (sum(s[0] * 2 + 8 for s in sizes), 136), (0xDB, 0xE7, 0xFF, 255))
        x = 4
        for sz in sizes:
            ico.size = sz
            im = ico.copy().convert("RGBA").resize((sz[0] * 2, sz[1] * 2), Image.Resampling.NEAREST)
            strip.alpha_composite(im, (x, 4))
            x += sz[0] * 2 + 8
        strip.save(os.path.join(preview_dir, "icon.png"))
        print("icon sizes:", sizes)
    print("OK" if not failures else "%d problem(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

# Draws the application icon (PNG, RGBA) at 16, 32, 48, 64, 128 and 256 pixels into
# packaging/icons/<size>x<size>/cz.obzorka.Obzorka.png; run: python3 tools/draw-app-icons.py
#
# Pure Python, no libraries. The icon is the television of the tray icons (tv.ico): at 16
# and 32 pixels it is exactly the pixel art of tools/draw-tray-icons.py, read from there.
# Larger sizes are drawn anew as shapes in the same colours, laid out on the same 32-unit
# grid: every straight edge falls on a pixel boundary so it stays sharp, and only curves
# and the slanted antenna rods are antialiased. The outline stays thin (1 px at 48, 4 px at
# 256) instead of growing with the set, as an upscale would. Re-running it overwrites the
# same 6 files with the same bytes.

import math
import os
import runpy
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "packaging", "icons")
NAME = "cz.obzorka.Obzorka.png"

# run_path reads the module without running its main() and without leaving bytecode behind.
TRAY = runpy.run_path(os.path.join(ROOT, "tools", "draw-tray-icons.py"))
COLOURS, PIXEL_ART = TRAY["ICONS"]["tv"]

SUBSAMPLES = 8  # per axis, for pixels an edge passes through


# --- shapes as signed distances (negative inside), in pixels ---------------------------

def rounded_rect(x0, y0, x1, y1, r):
    cx, cy, hw, hh = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2
    r = min(r, hw, hh)

    def dist(x, y):
        qx = abs(x - cx) - hw + r
        qy = abs(y - cy) - hh + r
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r
    return dist, (x0, y0, x1, y1)


def disc(cx, cy, r):
    return (lambda x, y: math.hypot(x - cx, y - cy) - r), (cx - r, cy - r, cx + r, cy + r)


def segment(ax, ay, bx, by, width):
    """A straight stroke with round ends."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def dist(x, y):
        t = min(max(((x - ax) * dx + (y - ay) * dy) / length2, 0), 1)
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - width / 2
    h = width / 2
    return dist, (min(ax, bx) - h, min(ay, by) - h, max(ax, bx) + h, max(ay, by) + h)


def corner_stroke(x0, y0, x1, y1, width, r):
    """The top and left sides of a rounded rectangle's border, cut off at x1 and y1:
    the reflection in the corner of the glass."""
    outer, _ = rounded_rect(x0, y0, x1 + r, y1 + r, r)
    inner, _ = rounded_rect(x0 + width, y0 + width, x1 + r, y1 + r, max(r - width, 0))
    return (lambda x, y: max(outer(x, y), -inner(x, y), x - x1, y - y1)), (x0, y0, x1, y1)


# --- a canvas of premultiplied RGBA floats ---------------------------------------------

class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    def coverage(self, dist, x, y):
        d = dist(x + 0.5, y + 0.5)
        if d >= 0.75:  # the pixel lies wholly outside
            return 0.0
        if d <= -0.75:
            return 1.0
        step = 1 / SUBSAMPLES
        inside = sum(1 for i in range(SUBSAMPLES) for j in range(SUBSAMPLES)
                     if dist(x + (i + 0.5) * step, y + (j + 0.5) * step) < 0)
        return inside / (SUBSAMPLES * SUBSAMPLES)

    def paint(self, shape, colour):
        dist, (x0, y0, x1, y1) = shape
        r, g, b = (c / 255 for c in COLOURS[colour])
        for y in range(max(int(y0) - 1, 0), min(int(y1) + 2, self.size)):
            row = self.pixels[y]
            for x in range(max(int(x0) - 1, 0), min(int(x1) + 2, self.size)):
                a = self.coverage(dist, x, y)
                if a:
                    pr, pg, pb, pa = row[x]
                    keep = 1 - a
                    row[x] = (r * a + pr * keep, g * a + pg * keep, b * a + pb * keep, a + pa * keep)

    def rgba_rows(self):
        rows = []
        for row in self.pixels:
            line = bytearray()
            for r, g, b, a in row:
                if a <= 0:
                    line += bytes(4)
                else:
                    line += bytes(min(255, int(c / a * 255 + 0.5)) for c in (r, g, b))
                    line.append(min(255, int(a * 255 + 0.5)))
            rows.append(bytes(line))
        return rows


# --- the television as shapes ----------------------------------------------------------

def television(size):
    u = size / 32  # one pixel of the 32-pixel art

    def px(v):
        """A position on the 32-unit grid, snapped to a pixel boundary."""
        return int(v * u + 0.5)

    line = max(1, round(size / 64))  # outline
    bevel = max(1, round(size / 42))  # lit and shaded edge of the casing
    top, bottom = px(7), px(31)
    canvas = Canvas(size)

    # Feet, reaching up behind the casing.
    for left in (4, 24):
        canvas.paint(rounded_rect(px(left), bottom - px(2), px(left + 4), size, u * 0.75), "K")

    # Antenna rods: from the top edge down to the middle of the casing's top, ending behind it.
    rod = 1.3 * u
    tip = rod / 2 + line
    for mirror in (False, True):
        ax, ay = tip + 7.5 * u, tip
        bx, by = top + 2 * line + 7.5 * u, top + 2 * line
        if mirror:
            ax, bx = size - ax, size - bx
        canvas.paint(segment(ax, ay, bx, by, rod + 2 * line), "K")
        canvas.paint(segment(ax, ay, bx, by, rod), "A")

    # Casing: outline, shaded edge bottom and right, lit edge top and left, silver face.
    r = 3 * u
    canvas.paint(rounded_rect(0, top, size, bottom, r), "K")
    canvas.paint(rounded_rect(line, top + line, size - line, bottom - line, r - line), "E")
    canvas.paint(rounded_rect(line, top + line, size - line - bevel, bottom - line - bevel,
                              r - line), "L")
    canvas.paint(rounded_rect(line + bevel, top + line + bevel, size - line - bevel,
                              bottom - line - bevel, max(r - line - bevel, 0)), "C")

    # Screen: dark bezel, glass with rounded corners, reflection in its top left corner.
    canvas.paint(rounded_rect(px(3), px(10), px(23), px(28), 2 * u), "D")
    canvas.paint(rounded_rect(px(4), px(11), px(22), px(27), 1.25 * u), "S")
    canvas.paint(corner_stroke(px(5), px(12), px(10), px(16), max(1, round(u)), 1.5 * u), "H")

    # Two knobs, one pointing up and one up and right, above a speaker grille.
    cx = (px(24) + px(29)) / 2
    # An odd width on a pixel's middle, an even one on a boundary: the upright pointer stays sharp.
    mark = max(1, round(0.9 * u))
    if (mark % 2 == 1) != (cx % 1 == 0.5):
        mark += 1
    for cy, (dx, dy) in (((px(12) + px(17)) / 2, (0, -1.6)),
                         ((px(19) + px(24)) / 2, (1.15, -1.15))):
        canvas.paint(disc(cx, cy, (px(29) - px(24)) / 2), "N")
        canvas.paint(segment(cx, cy, cx + dx * u, cy + dy * u, mark), "W")
    for y in (25, 27):
        height = max(1, px(y + 1) - px(y))
        canvas.paint(rounded_rect(px(24), px(y), px(29), px(y) + height, height / 2), "E")

    return canvas.rgba_rows()


def pixel_art(rows):
    out = []
    for line in rows:
        data = bytearray()
        for c in line:
            data += bytes(4) if c == "." else bytes(COLOURS[c]) + b"\xff"
        out.append(bytes(data))
    return out


# --- PNG writer ------------------------------------------------------------------------

def chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def png(size, rows):
    """8-bit RGBA, no interlace, every row unfiltered."""
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    raw = b"".join(b"\x00" + r for r in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    for size in (16, 32, 48, 64, 128, 256):
        rows = pixel_art(PIXEL_ART[size]) if size in PIXEL_ART else television(size)
        folder = os.path.join(OUT, "%dx%d" % (size, size))
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, NAME)
        with open(path, "wb") as f:
            f.write(png(size, rows))
        print(path)


if __name__ == "__main__":
    main()

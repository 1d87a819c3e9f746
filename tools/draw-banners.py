# Draws the demo server's two banners (400x50 GIF) into server/demo/; run: python3 tools/draw-banners.py
#
# Pure Python, no libraries, like draw-icons.py (whose GIF writer is copied below): each banner
# is painted pixel by pixel as RGB, with its own 5x7 pixel font for the large text, and its
# colours become the GIF palette (at most 256). Re-running it overwrites the same two files.
# banner1.gif advertises Obzorka itself (a sunrise over the horizon, as in its logo);
# banner2.gif a made-up weekly called TV PROGRAM.

import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "server", "demo")
WIDTH, HEIGHT = 400, 50

# --- 5x7 pixel font ----------------------------------------------------------------------

FONT = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "J": ["..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["####.", "....#", "....#", ".###.", "....#", "....#", "####."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "6": [".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."],
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "8": [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
    "!": ["..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."],
}


def text_width(text, scale):
    """Width in pixels: 5 columns a letter and 1 between letters, times the scale."""
    return (6 * len(text) - 1) * scale


def text_pixels(text, x, y, scale):
    """The pixels (px, py, font row) that the text covers with its top left corner at x, y."""
    for i, letter in enumerate(text):
        glyph = FONT.get(letter)
        if glyph is None:
            sys.exit("no letter %r in the font" % letter)
        for row, line in enumerate(glyph):
            for column, cell in enumerate(line):
                if cell != "#":
                    continue
                left = x + (6 * i + column) * scale
                top = y + row * scale
                for py in range(top, top + scale):
                    for px in range(left, left + scale):
                        yield px, py, row


class Canvas:
    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.pixels = [colour] * (width * height)

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = colour

    def rect(self, x, y, w, h, colour):
        for py in range(y, y + h):
            for px in range(x, x + w):
                self.put(px, py, colour)

    def text(self, text, x, y, scale, colours, shadow=None, outline=None):
        """Large text: colours[row] for each of the 7 font rows, an offset shadow and a
        1-pixel outline so it reads on any background."""
        cells = list(text_pixels(text, x, y, scale))
        if shadow is not None:
            offset = max(1, scale // 2)
            for px, py, _ in cells:
                self.put(px + offset, py + offset, shadow)
        if outline is not None:
            for px, py, _ in cells:
                for dx in (-1, 0, 1):
                    for dy in (-1, 0, 1):
                        self.put(px + dx, py + dy, outline)
        for px, py, row in cells:
            self.put(px, py, colours[row])


def blend(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


# --- banners -----------------------------------------------------------------------------

def banner_obzorka():
    """A night sky turning to dawn over a green horizon, the sun rising at the right, stars,
    OBZORKA in warm letters and a small TV PROGRAM ZDARMA beside it."""
    navy, dawn, glow = (0x00, 0x00, 0x50), (0xC0, 0x40, 0x80), (0xFF, 0xA0, 0x40)
    c = Canvas(WIDTH, HEIGHT, navy)
    horizon = 43
    for y in range(horizon):
        t = y / (horizon - 1)
        colour = blend(navy, dawn, t * 2) if t < 0.5 else blend(dawn, glow, (t - 0.5) * 2)
        c.rect(0, y, WIDTH, 1, colour)
    # The sun: rings from white-yellow to orange, cut by the horizon.
    sun_x, sun_y = 372, horizon
    for y in range(horizon):
        for x in range(sun_x - 30, sun_x + 31):
            d2 = (x - sun_x) ** 2 + (y - sun_y) ** 2
            if d2 <= 26 ** 2:
                step = min(4, int(d2 ** 0.5) // 6)
                c.put(x, y, blend((0xFF, 0xFA, 0xC0), (0xFF, 0xB0, 0x20), step / 4))
    c.rect(0, horizon, WIDTH, HEIGHT - horizon, (0x20, 0x80, 0x40))
    c.rect(0, horizon, WIDTH, 1, (0x60, 0xC0, 0x60))
    for x, y in [(232, 3), (250, 15), (268, 6), (290, 11), (318, 4), (384, 9), (10, 2),
                 (140, 44), (205, 2), (395, 3)]:
        if y < horizon:
            c.put(x, y, (0xFF, 0xFF, 0xFF))
    warm = [blend((0xFF, 0xFF, 0xA0), (0xFF, 0x90, 0x20), row / 6) for row in range(7)]
    c.text("OBZORKA", 12, 3, 5, warm, shadow=(0x10, 0x00, 0x30))
    white = [(0xFF, 0xFF, 0xFF)] * 7
    c.text("TV PROGRAM", 226, 11, 2, white, outline=(0x00, 0x00, 0x50))
    c.text("ZDARMA", 226, 28, 2, [(0xFF, 0xF0, 0x60)] * 7, outline=(0x00, 0x00, 0x50))
    return c


def banner_weekly():
    """Magazine-like diagonal stripes, TV PROGRAM in red with a black outline and a little TV
    set showing colour bars."""
    yellow, orange = (0xFF, 0xD8, 0x30), (0xFF, 0xB0, 0x20)
    c = Canvas(WIDTH, HEIGHT, yellow)
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if (x + y) // 10 % 2:
                c.put(x, y, orange)
    c.rect(0, 0, WIDTH, 2, (0xC0, 0x10, 0x20))
    c.rect(0, HEIGHT - 2, WIDTH, 2, (0xC0, 0x10, 0x20))
    reds = [blend((0xFF, 0x40, 0x40), (0xB0, 0x00, 0x20), row / 6) for row in range(7)]
    c.text("TV PROGRAM", 14, 7, 5, reds, outline=(0x10, 0x10, 0x10))
    # The TV set: a dark cabinet, a screen of colour bars, two feet and an aerial.
    left, top = 330, 8
    c.rect(left, top, 56, 34, (0x30, 0x20, 0x18))
    bars = [(0xFF, 0xFF, 0xFF), (0xFF, 0xFF, 0x00), (0x00, 0xFF, 0xFF), (0x00, 0xFF, 0x00),
            (0xFF, 0x00, 0xFF), (0xFF, 0x00, 0x00), (0x00, 0x00, 0xFF)]
    for i, colour in enumerate(bars):
        c.rect(left + 4 + i * 6, top + 4, 6, 26, colour)
    c.rect(left + 8, top + 34, 4, 4, (0x30, 0x20, 0x18))
    c.rect(left + 44, top + 34, 4, 4, (0x30, 0x20, 0x18))
    for i in range(7):
        c.put(left + 22 - i, top - 1 - i, (0x30, 0x20, 0x18))
        c.put(left + 34 + i, top - 1 - i, (0x30, 0x20, 0x18))
    return c


from gifwriter import gif  # noqa: E402 (the scripts run from this folder)


def render(name, canvas):
    palette, index = [], {}
    for colour in canvas.pixels:
        if colour not in index:
            index[colour] = len(palette)
            palette.append(colour)
    if len(palette) > 256:
        sys.exit("%s: %d colours, a GIF holds 256" % (name, len(palette)))
    pixels = [index[colour] for colour in canvas.pixels]
    return gif(canvas.width, canvas.height, palette, pixels, None)


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, draw in (("banner1", banner_obzorka), ("banner2", banner_weekly)):
        path = os.path.join(OUT, name + ".gif")
        with open(path, "wb") as f:
            f.write(render(name, draw()))
        print(path)


if __name__ == "__main__":
    main()

# Draws the 7 tray icons (Windows .ico, 16x16 + 32x32, 32-bit with alpha) into install/icons/; run: python3 tools/draw-tray-icons.py
#
# Pure Python, no libraries, in the manner of tools/draw-icons.py: the television is pixel
# art written out below as rows of characters, once at 16x16 and once at 32x32, each
# character a colour from the palette ('.' is transparent). What the screen shows is drawn
# the same way and laid over the screen area (the 'S' pixels of the set); the red cross of
# the "paused" icon is laid over the body of the set. A small ICO writer saves both sizes as
# BMP (DIB) entries with an alpha channel and an AND mask, which every Windows version and
# Qt read. Re-running it overwrites the same 7 files with the same bytes.
#
#   tv.ico        the television at rest (the program's own icon)
#   nacit0.ico    downloading allowed, idle: the screen glows green
#   nacit1-4.ico  downloading: a green arrow drops down the screen, one step per frame
#   nacitzru.ico  downloading paused: the set crossed out in red
#
# Every shape has a 1-pixel dark outline and a light casing, so the icons read on dark
# and on light task bars alike.

import os
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "install", "icons")

COLOURS = {
    "K": (0x10, 0x10, 0x10),  # dark outline
    "A": (0xE0, 0xE0, 0xE0),  # antenna rods
    "L": (0xF4, 0xF4, 0xF8),  # casing, lit edge
    "C": (0xB8, 0xBC, 0xC4),  # casing
    "E": (0x80, 0x84, 0x8C),  # casing, shaded edge
    "D": (0x40, 0x44, 0x4C),  # screen bezel
    "N": (0x30, 0x30, 0x38),  # knobs
    "W": (0xFF, 0xFF, 0xFF),  # white (knob marks)
    "S": (0x2C, 0x44, 0x68),  # screen glass, switched off
    "H": (0x8C, 0xB4, 0xE0),  # reflection on the glass
    "G": (0x40, 0xF0, 0x40),  # green arrow
    "V": (0x10, 0x80, 0x20),  # darker green (arrow edge)
    "R": (0xE8, 0x20, 0x20),  # red cross
}

# The green screen of nacit0: the same glass and reflection in green.
GREEN_SCREEN = {"S": (0x28, 0xB0, 0x3C), "H": (0xB0, 0xF8, 0xB0)}


# --- the television -------------------------------------------------------------------

# 16x16: two antenna rods, a silver casing, a wide screen.
TV16 = [
    ".KK..........KK.",
    ".KAK........KAK.",
    "..KAK......KAK..",
    "...KAK....KAK...",
    ".KKKKKKKKKKKKKK.",
    "KLLLLLLLLLLLLLLK",
    "KLSSSSSSSSSSSSEK",
    "KLSSSSSSSSSSSSEK",
    "KLSSSSSSSSSSSSEK",
    "KLSSSSSSSSSSSSEK",
    "KLSSSSSSSSSSSSEK",
    "KLSSSSSSSSSSSSEK",
    "KLSSSSSSSSSSSSEK",
    "KLSSSSSSSSSSSSEK",
    "KEEEEEEEEEEEEEEK",
    ".KKKKKKKKKKKKKK.",
]

# 32x32: two antenna rods, a silver casing, the screen in a dark bezel, two knobs and a
# speaker grille on the right, two feet.
TV32 = [
    "......KKKK............KKKK......",
    ".......KAAK..........KAAK.......",
    "........KAAK........KAAK........",
    ".........KAAK......KAAK.........",
    "..........KAAK....KAAK..........",
    "...........KAAK..KAAK...........",
    "............KAAKKAAK............",
    "..KKKKKKKKKKKKKKKKKKKKKKKKKKKK..",
    ".KLLLLLLLLLLLLLLLLLLLLLLLLLLLLK.",
    "KLCCCCCCCCCCCCCCCCCCCCCCCCCCCCEK",
    "KLCDDDDDDDDDDDDDDDDDDDDCCCCCCCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCCCCCCCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCCNNNCCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCNNWNNCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCNNWNNCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCNNNNNCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCCNNNCCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCCCCCCCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCCCCCCCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCCNNNCCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCNNNWNCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCNNWNNCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCNNNNNCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCCNNNCCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCCCCCCCEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCEEEEECEK",
    "KLCDSSSSSSSSSSSSSSSSSSDCCCCCCCEK",
    "KLCDDDDDDDDDDDDDDDDDDDDCEEEEECEK",
    "KLCCCCCCCCCCCCCCCCCCCCCCCCCCCCEK",
    ".KEEEEEEEEEEEEEEEEEEEEEEEEEEEEK.",
    "..KKKKKKKKKKKKKKKKKKKKKKKKKKKK..",
    "....KKKK................KKKK....",
]

TV = {16: TV16, 32: TV32}


# --- what the screen shows ('.' keeps the glass) ---------------------------------------

# Switched off: the glass with a reflection in the top left corner, rounded corners.
GLASS = {
    16: [
        "L..........E",
        ".HHH........",
        ".H..........",
        "............",
        "............",
        "............",
        "............",
        "L..........E",
    ],
    32: [
        "D................D",
        ".HHHHH............",
        ".HH...............",
        ".H................",
        ".H................",
        "..................",
        "..................",
        "..................",
        "..................",
        "..................",
        "..................",
        "..................",
        "..................",
        "..................",
        "..................",
        "D................D",
    ],
}

# A green arrow pointing down; the frames drop it step by step down the screen.
ARROW = {
    16: [
        ".....GG.....",
        ".....GG.....",
        "...GGGGGG...",
        "....GGGG....",
        ".....GG.....",
    ],
    32: [
        ".......VGGV.......",
        ".......VGGV.......",
        ".......VGGV.......",
        "....VGGGGGGGGV....",
        ".....VGGGGGGV.....",
        "......VGGGGV......",
        ".......VGGV.......",
        "........VV........",
    ],
}

# Where the arrow's top row is in frames 1..4.
ARROW_ROWS = {16: [0, 1, 2, 3], 32: [1, 3, 5, 7]}


def screen_with_arrow(size, frame):
    """The glass (corners only, no reflection) with the arrow dropped to its frame's row."""
    glass = GLASS[size]
    width, height = len(glass[0]), len(glass)
    rows = [["." for _ in range(width)] for _ in range(height)]
    for y in (0, height - 1):
        for x in (0, width - 1):
            rows[y][x] = glass[y][x]
    top = ARROW_ROWS[size][frame - 1]
    for dy, line in enumerate(ARROW[size]):
        for x, c in enumerate(line):
            if c != ".":
                rows[top + dy][x] = c
    return ["".join(r) for r in rows]


# --- the red cross of "paused" ---------------------------------------------------------

def cross(size):
    """Two red diagonal bars over the body of the set ('.' keeps the picture).

    Row y of the left bar is red from x = y - shift for `width` pixels, with a dark pixel on
    either side when `rim` is set; the right bar is its mirror image."""
    first, last, shift, width, rim = {16: (4, 14, 2, 2, False),
                                      32: (8, 29, 4, 3, True)}[size]
    rows = []
    for y in range(size):
        line = ["."] * size
        if first <= y <= last:
            left = y - shift
            for x in range(left, left + width):
                line[x] = line[size - 1 - x] = "R"
            if rim:
                for x in (left - 1, left + width):
                    if line[x] != "R":
                        line[x] = "K"
                    if line[size - 1 - x] != "R":
                        line[size - 1 - x] = "K"
        rows.append("".join(line))
    return rows


# --- putting a picture together --------------------------------------------------------

def lay(picture, overlay, left=0, top=0):
    """Copies overlay onto picture at (left, top); '.' in the overlay keeps what is there."""
    out = [list(r) for r in picture]
    for dy, line in enumerate(overlay):
        for dx, c in enumerate(line):
            if c != ".":
                out[top + dy][left + dx] = c
    return ["".join(r) for r in out]


def screen_origin(rows):
    for y, line in enumerate(rows):
        if "S" in line:
            return line.index("S"), y
    sys.exit("the set has no screen")


def picture(size, screen=None, over=None):
    rows = TV[size]
    if screen is not None:
        left, top = screen_origin(rows)
        rows = lay(rows, screen, left, top)
    if over is not None:
        rows = lay(rows, over)
    return rows


ICONS = {}


def icon(name, colours, pictures):
    ICONS[name] = (dict(COLOURS, **colours), pictures)


icon("tv", {}, {s: picture(s, GLASS[s]) for s in (16, 32)})
icon("nacit0", GREEN_SCREEN, {s: picture(s, GLASS[s]) for s in (16, 32)})
for frame in (1, 2, 3, 4):
    icon("nacit%d" % frame, {}, {s: picture(s, screen_with_arrow(s, frame)) for s in (16, 32)})
icon("nacitzru", {}, {s: picture(s, GLASS[s], cross(s)) for s in (16, 32)})


# --- ICO writer ------------------------------------------------------------------------

def dib(name, size, colours, rows):
    """One ICO entry: BITMAPINFOHEADER, 32-bit BGRA rows bottom-up, then the 1-bit AND mask."""
    if len(rows) != size or any(len(r) != size for r in rows):
        sys.exit("%s: the %dx%d drawing must be %d rows of %d characters" % (name, size, size, size, size))
    missing = sorted({c for r in rows for c in r} - {"."} - set(colours))
    if missing:
        sys.exit("%s: no colour for %s" % (name, "".join(missing)))
    mask_stride = ((size + 31) // 32) * 4
    pixels, mask = bytearray(), bytearray()
    for line in reversed(rows):
        bits = bytearray(mask_stride)
        for x, c in enumerate(line):
            if c == ".":
                pixels += bytes(4)
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                r, g, b = colours[c]
                pixels += bytes([b, g, r, 0xFF])
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + bytes(pixels) + bytes(mask)


def ico(name, colours, pictures):
    sizes = sorted(pictures)
    images = [dib(name, s, colours, pictures[s]) for s in sizes]
    data = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for s, image in zip(sizes, images):
        data += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        data += image
    return bytes(data)


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, (colours, pictures) in ICONS.items():
        path = os.path.join(OUT, name + ".ico")
        with open(path, "wb") as f:
            f.write(ico(name, colours, pictures))
        print(path)


if __name__ == "__main__":
    main()

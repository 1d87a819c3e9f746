# Draws the 14 programme icons (16x16 GIF, transparent) into install/bmp/; run: python3 tools/draw-icons.py
#
# Pure Python, no libraries: every icon is pixel art written out below as 16 rows of 16
# characters, each character a colour from that icon's palette ('.' is transparent), and a
# small GIF89a writer (LZW) saves it. Re-running it overwrites the same 14 files.
# Colours are bright with a 1-pixel outline so the icons read on the guide's navy
# background (#000050) and on white paper.

import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "install", "bmp")

# Shared colours; an icon may add or override its own.
BASE = {
    "K": (0x10, 0x10, 0x10),  # dark outline
    "W": (0xFF, 0xFF, 0xFF),  # white
}

ICONS = {}


def icon(name, colours, rows):
    ICONS[name] = (dict(BASE, **colours), rows)


# --- programme types ---------------------------------------------------------------

# film: a strip of film, two frames with sky and grass, sprocket holes top and bottom.
icon("film", {"L": (0xC8, 0xC8, 0xC8), "K": (0x20, 0x20, 0x20),
              "C": (0x50, 0xC8, 0xFF), "G": (0x40, 0xD0, 0x40), "Y": (0xFF, 0xE0, 0x20)}, [
    "................",
    "................",
    ".LLLLLLLLLLLLLLL",
    ".LKKKKKKKKKKKKKL",
    ".LKWKWKWKWKWKWKL",
    ".LKKKKKKKKKKKKKL",
    ".LKCCCYCKCCCCYKL",
    ".LKCCCCCKCCCCCKL",
    ".LKCCCCCKCCCCCKL",
    ".LKGGGGGKGGGGGKL",
    ".LKGGGGGKGGGGGKL",
    ".LKKKKKKKKKKKKKL",
    ".LKWKWKWKWKWKWKL",
    ".LKKKKKKKKKKKKKL",
    ".LLLLLLLLLLLLLLL",
    "................",
])

# dokum: a globe, blue sea with green continents.
icon("dokum", {"K": (0x00, 0x20, 0x40), "B": (0x30, 0x90, 0xFF),
               "G": (0x40, 0xD0, 0x40), "H": (0xA0, 0xD8, 0xFF)}, [
    "................",
    ".....KKKKKK.....",
    "...KKBBBBBBKK...",
    "..KBHGGBBBBBBK..",
    "..KHGGGGBBBGBK..",
    ".KBBGGGGGBGGBBK.",
    ".KBBBGGGBBGGGBK.",
    ".KBBBBGGBBBGGBK.",
    ".KBBBBGBBBBGGBK.",
    ".KBBBBBGGBBBGBK.",
    ".KBBBBBGGGBBBBK.",
    "..KBBBBGGGBBBK..",
    "..KBBBBBGBBBBK..",
    "...KKBBBBBBKK...",
    ".....KKKKKK.....",
    "................",
])

# zpravy: a newspaper, red headline, a photo and lines of text.
icon("zpravy", {"R": (0xE8, 0x20, 0x20), "B": (0x30, 0x80, 0xE0),
                "S": (0x80, 0x80, 0x80)}, [
    "................",
    "................",
    ".KKKKKKKKKKKKKK.",
    ".KWWWWWWWWWWWWK.",
    ".KWRRRRRRRRRRWK.",
    ".KWRRRRRRRRRRWK.",
    ".KWWWWWWWWWWWWK.",
    ".KWBBBBWSSSSSWK.",
    ".KWBBBBWWWWWWWK.",
    ".KWBBBBWSSSSSWK.",
    ".KWBBBBWWWWWWWK.",
    ".KWWWWWWWWWWWWK.",
    ".KWSSSSSSSSSSWK.",
    ".KWWWWWWWWWWWWK.",
    ".KKKKKKKKKKKKKK.",
    "................",
])

# serial: three stacked screens (one episode after another), the front one with a play mark.
icon("serial", {"P": (0xD0, 0x50, 0xFF), "Y": (0xFF, 0xD0, 0x20),
                "C": (0x20, 0xC8, 0xF0)}, [
    "................",
    ".......KKKKKKKK.",
    ".......KPPPPPPK.",
    ".......KPPPPPPK.",
    "....KKKKKKKKPPK.",
    "....KYYYYYYKPPK.",
    "....KYYYYYYKPPK.",
    ".KKKKKKKKYYKKKK.",
    ".KCCCCCCKYYK....",
    ".KCCWCCCKYYK....",
    ".KCCWWCCKYYK....",
    ".KCCWWWCKKKK....",
    ".KCCWWCCK.......",
    ".KCCWCCCK.......",
    ".KKKKKKKK.......",
    "................",
])

# detem: a teddy bear's head.
icon("detem", {"K": (0x30, 0x18, 0x00), "T": (0xD8, 0x8C, 0x3C),
               "L": (0xFF, 0xE0, 0xA8)}, [
    "................",
    ".KKKK......KKKK.",
    "KTTTTK....KTTTTK",
    "KTLLTKKKKKKTLLTK",
    "KTLTTTTTTTTTTLTK",
    ".KTTTTTTTTTTTTK.",
    ".KTTKKTTTTKKTTK.",
    ".KTTKKTTTTKKTTK.",
    ".KTTTTLLLLTTTTK.",
    ".KTTTLLKKLLTTTK.",
    ".KTTTLKLLKLTTTK.",
    ".KTTTLLKKLLTTTK.",
    "..KTTTLLLLTTTK..",
    "...KTTTTTTTTK...",
    "....KKKKKKKK....",
    "................",
])

# sport: a football, white with black patches inside a grey rim.
icon("sport", {"K": (0x00, 0x00, 0x00), "O": (0x68, 0x68, 0x68), "S": (0xA0, 0xA0, 0xA0)}, [
    "................",
    ".....OOOOOO.....",
    "...OOWKKKKWOO...",
    "..OWWWSKKSWWWO..",
    "..OKWSWWWWSWKO..",
    ".OKKSWWWWWWSKKO.",
    ".OKKWWWKKWWWKKO.",
    ".OKWWWKKKKWWWKO.",
    ".OWWWWKKKKWWWWO.",
    ".OWWWWSKKSWWWWO.",
    ".OWWWSWWWWSWWWO.",
    "..OWSWWWWWWSWO..",
    "..OKKWWWWWWKKO..",
    "...OOKKWWKKOO...",
    ".....OOOOOO.....",
    "................",
])

# extra: a golden star.
icon("extra", {"K": (0x60, 0x30, 0x00), "Y": (0xFF, 0xD8, 0x00),
               "H": (0xFF, 0xF8, 0xB0)}, [
    "................",
    ".......KK.......",
    "......KYYK......",
    "......KHYK......",
    ".....KHYYYK.....",
    "KKKKKKHYYYKKKKKK",
    "KYHHHHYYYYYYYYYK",
    ".KYYYYYYYYYYYYK.",
    "..KYYYYYYYYYYK..",
    "...KYYYYYYYYK...",
    "...KYYYYYYYYK...",
    "..KYYYYKKYYYYK..",
    "..KYYYK..KYYYK..",
    ".KYYYK....KYYYK.",
    ".KYKK......KKYK.",
    ".KK..........KK.",
])

# zabava: a laughing face.
icon("zabava", {"K": (0x40, 0x18, 0x00), "O": (0xFF, 0x98, 0x20),
                "R": (0xE0, 0x10, 0x30)}, [
    "................",
    ".....KKKKKK.....",
    "...KKOOOOOOKK...",
    "..KOOOOOOOOOOK..",
    "..KOOOOOOOOOOK..",
    ".KOOOKKOOKKOOOK.",
    ".KOOOKKOOKKOOOK.",
    ".KOOOOOOOOOOOOK.",
    ".KOKKKKKKKKKKOK.",
    ".KOOKWWWWWWKOOK.",
    ".KOOOKRRRRKOOOK.",
    "..KOOOKKKKOOOK..",
    "..KOOOOOOOOOOK..",
    "...KKOOOOOOKK...",
    ".....KKKKKK.....",
    "................",
])

# --- extended information --------------------------------------------------------------

# info: a white "i" in a blue circle with a white rim.
icon("info", {"B": (0x18, 0x60, 0xF0)}, [
    "................",
    ".....WWWWWW.....",
    "...WWBBBBBBWW...",
    "..WBBBBWWBBBBW..",
    "..WBBBBWWBBBBW..",
    ".WBBBBBBBBBBBBW.",
    ".WBBBBWWWBBBBBW.",
    ".WBBBBBWWBBBBBW.",
    ".WBBBBBWWBBBBBW.",
    ".WBBBBBWWBBBBBW.",
    ".WBBBBBWWBBBBBW.",
    "..WBBBBWWBBBBW..",
    "..WBBBWWWWBBBW..",
    "...WWBBBBBBWW...",
    ".....WWWWWW.....",
    "................",
])

# --- flags: a white letter on a coloured badge ---------------------------------------

# s: stereo.
icon("s", {"F": (0x20, 0xB0, 0x38)}, [
    "................",
    "..KKKKKKKKKKKK..",
    ".KFFFFFFFFFFFFK.",
    ".KFFFFFFFFFFFFK.",
    ".KFFFFFFFFFFFFK.",
    ".KFFFFWWWWWFFFK.",
    ".KFFFWWFFFFFFFK.",
    ".KFFFWWFFFFFFFK.",
    ".KFFFFWWWWFFFFK.",
    ".KFFFFFFFWWFFFK.",
    ".KFFFFFFFWWFFFK.",
    ".KFFFWWWWWFFFFK.",
    ".KFFFFFFFFFFFFK.",
    ".KFFFFFFFFFFFFK.",
    "..KKKKKKKKKKKK..",
    "................",
])

# t: subtitles.
icon("t", {"F": (0xF0, 0x70, 0x00)}, [
    "................",
    "..KKKKKKKKKKKK..",
    ".KFFFFFFFFFFFFK.",
    ".KFFFFFFFFFFFFK.",
    ".KFFFFWWFFFFFFK.",
    ".KFFFFWWFFFFFFK.",
    ".KFFFWWWWWWFFFK.",
    ".KFFFFWWFFFFFFK.",
    ".KFFFFWWFFFFFFK.",
    ".KFFFFWWFFFFFFK.",
    ".KFFFFWWFFFFFFK.",
    ".KFFFFFWWWWFFFK.",
    ".KFFFFFFFFFFFFK.",
    ".KFFFFFFFFFFFFK.",
    "..KKKKKKKKKKKK..",
    "................",
])

# d: dual sound.
icon("d", {"F": (0x90, 0x40, 0xE0)}, [
    "................",
    "..KKKKKKKKKKKK..",
    ".KFFFFFFFFFFFFK.",
    ".KFFFFFFFFFFFFK.",
    ".KFFFFFFFFWWFFK.",
    ".KFFFFFFFFWWFFK.",
    ".KFFFFWWWWWWFFK.",
    ".KFFFWWFFFWWFFK.",
    ".KFFFWWFFFWWFFK.",
    ".KFFFWWFFFWWFFK.",
    ".KFFFWWFFFWWFFK.",
    ".KFFFFWWWWWWFFK.",
    ".KFFFFFFFFFFFFK.",
    ".KFFFFFFFFFFFFK.",
    "..KKKKKKKKKKKK..",
    "................",
])

# z: sign language.
icon("z", {"F": (0xE0, 0x28, 0x60)}, [
    "................",
    "..KKKKKKKKKKKK..",
    ".KFFFFFFFFFFFFK.",
    ".KFFFFFFFFFFFFK.",
    ".KFFFFFFFFFFFFK.",
    ".KFFFWWWWWWFFFK.",
    ".KFFFFFFFWWFFFK.",
    ".KFFFFFFWWFFFFK.",
    ".KFFFFFWWFFFFFK.",
    ".KFFFFWWFFFFFFK.",
    ".KFFFWWFFFFFFFK.",
    ".KFFFWWWWWWFFFK.",
    ".KFFFFFFFFFFFFK.",
    ".KFFFFFFFFFFFFK.",
    "..KKKKKKKKKKKK..",
    "................",
])

# cb: black and white, a badge half black with a white "č", half white with a black "b".
icon("cb", {"G": (0x90, 0x90, 0x90), "K": (0x00, 0x00, 0x00)}, [
    "................",
    ".GGGGGGGGGGGGGG.",
    "GKKKKKKWWWWWWWWG",
    "GKWKKWKWKKWWWWWG",
    "GKKWWKKWKKWWWWWG",
    "GKKKKKKWKKWWWWWG",
    "GKKWWWKWKKKKWWWG",
    "GKWWKKKWKKWKKWWG",
    "GKWWKKKWKKWKKWWG",
    "GKWWKKKWKKWKKWWG",
    "GKWWKKKWKKWKKWWG",
    "GKKWWWKWKKKKWWWG",
    "GKKKKKKWWWWWWWWG",
    "GKKKKKKWWWWWWWWG",
    ".GGGGGGGGGGGGGG.",
    "................",
])


from gifwriter import gif  # noqa: E402 (the scripts run from this folder)


def render(name, colours, rows):
    if len(rows) != 16 or any(len(row) != 16 for row in rows):
        sys.exit("%s: the drawing must be 16 rows of 16 characters" % name)
    used = sorted({c for row in rows for c in row} - {"."})
    missing = [c for c in used if c not in colours]
    if missing:
        sys.exit("%s: no colour for %s" % (name, "".join(missing)))
    order = ["."] + used
    # Index 0 is transparent; give it a navy value so viewers without transparency blend in.
    palette = [(0x00, 0x00, 0x50)] + [colours[c] for c in used]
    pixels = [order.index(c) for row in rows for c in row]
    return gif(16, 16, palette, pixels, 0)


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, (colours, rows) in ICONS.items():
        path = os.path.join(OUT, name + ".gif")
        with open(path, "wb") as f:
            f.write(render(name, colours, rows))
        print(path)


if __name__ == "__main__":
    main()

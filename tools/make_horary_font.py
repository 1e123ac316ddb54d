#!/usr/bin/python3
"""Builds data/horary.ttf, the wheel glyph font "HORARY", and its licence data/horary-OFL.txt.

The outlines come from the OFL-1.1 Noto fonts of Debian's fonts-noto-core: printable ASCII from
Noto Sans (title blocks, house numbers and degree digits are printed in this font), the planet,
sign and aspect symbols from Noto Sans Symbols, Symbols2 and Math. The wheel places these
symbols at fixed character codes: body k (1 Sun .. 15 Midheaven) at 223 + k, sign s (1 Aries ..
12 Pisces) at 191 + s, aspect code n (2 conjunction .. 18 contra-parallel) at 159 + n. Each one
is mapped a second time at U+F000 + code, because the wheel draws through that private-use copy:
code 173 is the soft hyphen, which text layout never draws as a glyph.

Every wheel glyph is scaled into one box and gets one advance width, so a single glyph cell
measured on Jupiter fits every body, sign and aspect.

Needs /usr/bin/python3 with python3-fontforge and fonts-noto-core
(tools/install-deps.sh --font-tools); without them it exits with status 77. The build is
reproducible: --check rebuilds into a temporary folder and fails when the result differs from
the committed font or licence.

Usage: tools/make_horary_font.py [--out FILE.ttf] [--check]
"""

import argparse
import filecmp
import os
import pathlib
import sys
import tempfile
import textwrap

# A fixed build moment (2026-12-06 00:00 UTC) for every timestamp fontforge writes, so a rebuild
# is byte-identical: fontforge takes the font's creation time from it and the modification time
# when it writes the file. A caller's own value would change the bytes, so it is overridden.
BUILD_EPOCH = 1796515200
os.environ["SOURCE_DATE_EPOCH"] = str(BUILD_EPOCH)

# The exit status that test runners read as "skipped".
TOOLS_MISSING = 77


def exit_tools_missing(what):
    print(f"{what} is missing: run tools/install-deps.sh --font-tools", file=sys.stderr)
    sys.exit(TOOLS_MISSING)


try:
    import fontforge  # reads the environment on import
    import psMat
except ImportError:
    exit_tools_missing("python3-fontforge")

NOTO_FOLDER = pathlib.Path("/usr/share/fonts/truetype/noto")
SANS = "NotoSans-Regular.ttf"
SYMBOLS = "NotoSansSymbols-Regular.ttf"
SYMBOLS2 = "NotoSansSymbols2-Regular.ttf"
MATH = "NotoSansMath-Regular.ttf"
SOURCE_NAMES = {SANS: "Noto Sans", SYMBOLS: "Noto Sans Symbols",
                SYMBOLS2: "Noto Sans Symbols2", MATH: "Noto Sans Math"}

PRIVATE_USE_BASE = 0xF000

# Font units (1000 to the em, as in the Noto sources). Every wheel glyph keeps its proportions
# and is scaled to fit WHEEL_BOX_WIDTH x WHEEL_BOX_HEIGHT, centred on the advance and on half
# the height of a digit, so a glyph stack of bodies, digits and signs lines up on one axis.
# The box is square, as tall as the planets are, and the advance leaves little beside it:
# neighbouring glyph stacks of a ring stand about a glyph's width apart.
UNITS_PER_EM = 1000
WHEEL_ADVANCE = 850
WHEEL_BOX_WIDTH = 800
WHEEL_BOX_HEIGHT = 800
WHEEL_BOX_CENTRE_Y = 357
# The line: above the wheel glyph's box (757) room for the ascenders of the title letters
# (760), whose first line starts at the top edge of the wheel window; their descenders
# (240) reach a little into the next line's room above its ascenders.
LINE_ASCENT = 870
LINE_DESCENT = 200
# Letter labels (AC, MC, the quintile family) share one cap height, centred like the symbols,
# and are condensed when wider than the box; at this height the tail of Q stays inside the box.
LETTER_CAP_HEIGHT = 540

# (character code, glyph name, source font, symbol): the symbol is a code point of the source
# font or, where Unicode has no symbol for the point or aspect, a string of Noto Sans letters.
BODIES = [
    (224, "sun", SYMBOLS2, 0x2609),
    (225, "mercury", SYMBOLS, 0x263F),
    (226, "venus", SYMBOLS, 0x2640),
    (227, "mars", SYMBOLS, 0x2642),
    (228, "jupiter", SYMBOLS, 0x2643),
    (229, "saturn", SYMBOLS, 0x2644),
    (230, "uranus", SYMBOLS, 0x2645),
    (231, "neptune", SYMBOLS, 0x2646),
    (232, "pluto", SYMBOLS, 0x2647),
    (233, "moon", SYMBOLS, 0x263D),
    (234, "northnode", SYMBOLS, 0x260A),
    (235, "southnode", SYMBOLS, 0x260B),
    (236, "partoffortune", MATH, 0x2297),
    (237, "ascendant", SANS, "AC"),
    (238, "midheaven", SANS, "MC"),
]
SIGNS = [
    (191 + sign, name, SYMBOLS, 0x2647 + sign)
    for sign, name in enumerate(["aries", "taurus", "gemini", "cancer", "leo", "virgo", "libra",
                                 "scorpio", "sagittarius", "capricorn", "aquarius", "pisces"],
                                start=1)
]
ASPECTS = [
    (161, "conjunction", SYMBOLS, 0x260C),
    (162, "sextile", SYMBOLS, 0x26B9),
    (163, "square", SYMBOLS2, 0x25A1),
    (164, "trine", SYMBOLS2, 0x25B3),
    (165, "opposition", SYMBOLS, 0x260D),
    (166, "parallel", MATH, 0x2225),
    (167, "semisextile", SYMBOLS, 0x26BA),
    (168, "semisquare", MATH, 0x2220),
    (169, "sesquisquare", SYMBOLS, 0x26BC),
    (170, "quincunx", SYMBOLS, 0x26BB),
    (171, "semiquintile", SANS, "sQ"),
    (172, "nonagen", SANS, "N"),
    (173, "quintile", SANS, "Q"),
    (174, "trecile", SANS, "Tr"),
    (175, "biquintile", SANS, "bQ"),
    # Aspect code 17 names no aspect; a dotted circle marks the empty place if it is ever drawn.
    (176, "noaspect", SANS, 0x25CC),
    (177, "contraparallel", MATH, 0x22D5),
]
WHEEL_GLYPHS = BODIES + SIGNS + ASPECTS
PRINTABLE_ASCII = range(32, 127)


def open_sources():
    fonts = {}
    for file_name in SOURCE_NAMES:
        path = NOTO_FOLDER / file_name
        if not path.exists():
            exit_tools_missing(path)
        fonts[file_name] = fontforge.open(str(path))
    return fonts


def outline_of(source, code_point):
    """A copy of one glyph's outline with its composite parts resolved into contours."""
    glyph = source[code_point]
    if glyph.references:
        glyph.unlinkRef()
    return glyph.foreground


def letters_outline(source, letters):
    """The outline of a short word set in the source font with its own advance widths."""
    outline = fontforge.layer()
    outline.is_quadratic = True
    pen_x = 0
    for letter in letters:
        part = outline_of(source, ord(letter))
        part.transform(psMat.translate(pen_x, 0))
        outline += part
        pen_x += source[ord(letter)].width
    return outline


def symbol_in_wheel_box(outline):
    """A symbol scaled to fill the box, keeping its proportions, centred in it."""
    x_min, y_min, x_max, y_max = outline.boundingBox()
    scale = min(WHEEL_BOX_WIDTH / (x_max - x_min), WHEEL_BOX_HEIGHT / (y_max - y_min))
    outline.transform(psMat.translate(-(x_min + x_max) / 2, -(y_min + y_max) / 2))
    outline.transform(psMat.scale(scale))
    outline.transform(psMat.translate(WHEEL_ADVANCE / 2, WHEEL_BOX_CENTRE_Y))
    return outline


def letters_in_wheel_box(outline, cap_height):
    """A letter label at the common cap height, condensed to the box width when wider."""
    x_min, _, x_max, _ = outline.boundingBox()
    scale = LETTER_CAP_HEIGHT / cap_height
    condensed = min(1.0, WHEEL_BOX_WIDTH / ((x_max - x_min) * scale))
    outline.transform(psMat.translate(-(x_min + x_max) / 2, 0))
    outline.transform(psMat.scale(scale * condensed, scale))
    outline.transform(psMat.translate(WHEEL_ADVANCE / 2,
                                      WHEEL_BOX_CENTRE_Y - LETTER_CAP_HEIGHT / 2))
    return outline


def check_inside_wheel_box(glyph):
    x_min, y_min, x_max, y_max = glyph.boundingBox()
    half_width, half_height = WHEEL_BOX_WIDTH / 2, WHEEL_BOX_HEIGHT / 2
    inside = (x_min >= WHEEL_ADVANCE / 2 - half_width and x_max <= WHEEL_ADVANCE / 2 + half_width
              and y_min >= WHEEL_BOX_CENTRE_Y - half_height
              and y_max <= WHEEL_BOX_CENTRE_Y + half_height)
    if not inside:
        sys.exit(f"glyph {glyph.glyphname} leaves the wheel box: {glyph.boundingBox()}")


def new_font(sources):
    font = fontforge.font()
    font.encoding = "UnicodeBmp"
    font.layers["Fore"].is_quadratic = True
    font.em = UNITS_PER_EM
    font.fontname = font.familyname = font.fullname = "HORARY"
    font.weight = "Regular"
    font.version = "1.000"
    font.copyright = "; ".join(
        f"{SOURCE_NAMES[name]}: {sources[name].copyright}" for name in SOURCE_NAMES)
    font.appendSFNTName("English (US)", "UniqueID", "HORARY 1.000")
    font.appendSFNTName("English (US)", "License",
                        "This Font Software is licensed under the SIL Open Font License, "
                        "Version 1.1.")
    font.appendSFNTName("English (US)", "License URL", "https://openfontlicense.org")
    # The line is the glyph cell of the wheel: its height steps a glyph stack inward, by the
    # whole line across and by three quarters of it up and down, so the line is a third
    # taller than a wheel glyph's box; more leading would only widen the cells that
    # neighbouring stacks must keep apart. The title lines still clear their descenders.
    for metric, value in (("os2_winascent", LINE_ASCENT), ("os2_windescent", LINE_DESCENT),
                          ("os2_typoascent", LINE_ASCENT), ("os2_typodescent", -LINE_DESCENT),
                          ("hhea_ascent", LINE_ASCENT), ("hhea_descent", -LINE_DESCENT)):
        setattr(font, metric + "_add", False)  # absolute values, not offsets from the glyphs
        setattr(font, metric, value)
    font.os2_typolinegap = 0
    font.hhea_linegap = 0
    return font


def add_ascii(font, sans):
    for code in PRINTABLE_ASCII:
        source = sans[code]
        glyph = font.createChar(code, source.glyphname)
        glyph.foreground = outline_of(sans, code)
        glyph.width = source.width


def add_wheel_glyphs(font, sources):
    for code, name, source_name, symbol in WHEEL_GLYPHS:
        source = sources[source_name]
        if isinstance(symbol, str):
            outline = letters_in_wheel_box(letters_outline(source, symbol), source.capHeight)
        else:
            outline = symbol_in_wheel_box(outline_of(source, symbol))
        glyph = font.createChar(code, name)
        glyph.foreground = outline
        glyph.width = WHEEL_ADVANCE
        glyph.altuni = ((PRIVATE_USE_BASE + code, -1, 0),)


def finish_outlines(font):
    for glyph in font.glyphs():
        glyph.round()
        glyph.correctDirection()
    for _, name, _, _ in WHEEL_GLYPHS:
        check_inside_wheel_box(font[name])


def licence_text(sources):
    """The OFL text of the Debian copyright file of fonts-noto-core, headed by the notices."""
    copyright_file = pathlib.Path("/usr/share/doc/fonts-noto-core/copyright")
    lines = copyright_file.read_text(encoding="utf-8").splitlines()
    start = next(i for i, line in enumerate(lines)
                 if line == "License: OFL-1.1" and lines[i + 1].strip() == "PREAMBLE")
    paragraphs, current = [], []
    for line in lines[start + 1:]:
        if not line.startswith(" "):
            break
        if line.strip() == ".":
            paragraphs.append(" ".join(current))
            current = []
        else:
            current.append(line.strip())
    paragraphs.append(" ".join(current))
    notices = "\n".join(f"{SOURCE_NAMES[name]}: {sources[name].copyright}"
                        for name in SOURCE_NAMES)
    derivation = ("HORARY, the wheel glyph font of Helion, is derived from the fonts Noto Sans, "
                  "Noto Sans Symbols, Noto Sans Symbols2 and Noto Sans Math (Debian package "
                  "fonts-noto-core) and is licensed, like them, under the SIL Open Font License, "
                  "Version 1.1.")
    wrapped = [textwrap.fill(paragraph, 78)
               for paragraph in [derivation, "SIL OPEN FONT LICENSE Version 1.1"] + paragraphs]
    return "\n\n".join(wrapped[:1] + [notices] + wrapped[1:]) + "\n"


def licence_path(font_path):
    return font_path.with_name("horary-OFL.txt")


def build(out):
    sources = open_sources()
    font = new_font(sources)
    add_ascii(font, sources[SANS])
    add_wheel_glyphs(font, sources)
    finish_outlines(font)
    font.generate(str(out), flags=("opentype", "omit-instructions", "no-hints",
                                   "no-FFTM-table", "no-mac-names"))
    # CRLF line ends, like every text file shipped in the program folder.
    licence_path(out).write_text(licence_text(sources), encoding="utf-8", newline="\r\n")


def print_glyph_table():
    for code, name, source_name, symbol in WHEEL_GLYPHS:
        shown = f'"{symbol}"' if isinstance(symbol, str) else f"U+{symbol:04X}"
        print(f"{code} U+{PRIVATE_USE_BASE + code:04X} {name:15} {shown:8} "
              f"{SOURCE_NAMES[source_name]}")


def check_rebuild(committed):
    with tempfile.TemporaryDirectory() as folder:
        rebuilt = pathlib.Path(folder) / committed.name
        build(rebuilt)
        differing = [path.name for path, fresh in ((committed, rebuilt),
                                                   (licence_path(committed), licence_path(rebuilt)))
                     if not path.exists() or not filecmp.cmp(path, fresh, shallow=False)]
    if differing:
        sys.exit(f"not identical to a rebuild: {', '.join(differing)}; run "
                 "tools/make_horary_font.py and commit the result")
    print(f"{committed} and its licence are identical to a rebuild")


def main():
    repository = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=pathlib.Path, default=repository / "data" / "horary.ttf",
                        help="font file to write; the licence goes beside it")
    parser.add_argument("--check", action="store_true",
                        help="compare the font at --out and its licence with a fresh rebuild")
    arguments = parser.parse_args()
    if arguments.check:
        check_rebuild(arguments.out)
    else:
        build(arguments.out)
        print_glyph_table()


if __name__ == "__main__":
    main()

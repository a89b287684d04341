#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
"""Builds the window's own faces from Debian's installed fonts.

    makefaces.py chars OUT.txt SOURCE...
        Writes every character that SOURCE files hold outside ASCII, plus printable ASCII and the
        common CJK punctuation, to OUT.txt; leaves OUT.txt untouched when nothing changed, so the
        faces are made again only when a text brings a new character.

    makefaces.py face CHARS.txt SOURCE-FONT SOURCE-FAMILY FAMILY STYLE OUT.otf
        Subsets the face SOURCE-FAMILY of SOURCE-FONT (a font file or a collection) to the
        characters of CHARS.txt, renames it FAMILY and gives it a line about one em tall with no
        gap, the compact line the form was laid out for.
"""

import sys

from buildfiles import write_if_changed

# A line of 1.05 em: the ideographs' box (0.88 above the base line, 0.12 below) with room for
# Latin descenders. The form's 12 pt labels hold four such lines in 73 pixels.
ASCENT = 0.90
DESCENT = 0.15

COMMON_PUNCTUATION = (
    [chr(c) for c in range(0x20, 0x7F)]
    + [chr(c) for c in range(0x3000, 0x3020)]  # ideographic space, 、。〈〉《》「」【】〔〕 ...
    + [chr(c) for c in range(0xFF01, 0xFF5F)]  # full-width ASCII forms: ！（），：；？ ...
    + list("·‐–—―‘’“”…‰※")
)


def collect(out, sources):
    chars = set(COMMON_PUNCTUATION)
    for path in sources:
        with open(path, encoding="utf-8") as f:
            chars.update(c for c in f.read() if ord(c) > 0x7F and c.isprintable())
    text = "".join(sorted(chars)) + "\n"
    write_if_changed(out, text)


def rename(font, family, style):
    full = f"{family} {style}" if style != "Regular" else family
    postscript = f"{family}-{style}".replace(" ", "")
    names = font["name"]
    # Keep the copyright, the licence and its address; every name of the original goes.
    kept = {0, 7, 8, 9, 10, 11, 12, 13, 14}
    names.names = [n for n in names.names if n.nameID in kept]
    for name_id, value in ((1, family), (2, style), (3, f"{postscript};korvanta"), (4, full),
                           (5, "Version 1.0; subset for Korvanta"), (6, postscript)):
        names.setName(value, name_id, 3, 1, 0x409)
        names.setName(value, name_id, 1, 0, 0)
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [postscript]
        top = cff.topDictIndex[0]
        top.FullName, top.FamilyName = full, family


def set_line(font):
    em = font["head"].unitsPerEm
    ascent, descent = round(ASCENT * em), round(DESCENT * em)
    hhea, os2 = font["hhea"], font["OS/2"]
    hhea.ascent, hhea.descent, hhea.lineGap = ascent, -descent, 0
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = ascent, -descent, 0
    os2.usWinAscent, os2.usWinDescent = ascent, descent
    os2.version = max(os2.version, 4)
    os2.fsSelection |= 1 << 7  # USE_TYPO_METRICS: the typographic line is the line


def open_face(source, source_family):
    from fontTools.ttLib import TTCollection, TTFont

    if not source.lower().endswith((".ttc", ".otc")):
        return TTFont(source, lazy=True)
    for font in TTCollection(source, lazy=True).fonts:
        if font["name"].getDebugName(1) == source_family:
            return font
    sys.exit(f"{source} has no face '{source_family}'")


def face(chars_file, source, source_family, family, style, out):
    from fontTools import subset

    with open(chars_file, encoding="utf-8") as f:
        text = f.read().replace("\n", "")
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.drop_tables += ["vhea", "vmtx", "VORG", "DSIG"]
    font = open_face(source, source_family)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    rename(font, family, style)
    set_line(font)
    font.save(out, reorderTables=False)


if __name__ == "__main__":
    if len(sys.argv) >= 3 and sys.argv[1] == "chars":
        collect(sys.argv[2], sys.argv[3:])
    elif len(sys.argv) == 8 and sys.argv[1] == "face":
        face(*sys.argv[2:])
    else:
        sys.exit(__doc__)

"""Opens an SVG font with FontForge and prints a line per glyph that has a character, in code
point order: its code point, its advance and the number of its open contours."""
import sys

import fontforge

font = fontforge.open(sys.argv[1])
for glyph in sorted(font.glyphs(), key=lambda g: g.unicode):
    if glyph.unicode > 0:
        open_contours = sum(1 for contour in glyph.foreground if not contour.closed)
        print(glyph.unicode, glyph.width, open_contours)

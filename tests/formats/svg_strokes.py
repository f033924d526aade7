"""Prints the glyphs of an SVG font as segments: a line per glyph, its code point, then
x0 y0 x1 y1 of each drawn segment, read with Python's own XML parser."""
import re
import sys
import xml.etree.ElementTree as ElementTree

SVG = "{http://www.w3.org/2000/svg}"

for glyph in ElementTree.parse(sys.argv[1]).getroot().iter(SVG + "glyph"):
    segments = []
    pen = None
    for command, x, y in re.findall(r"([ML])\s*(-?[\d.]+)\s+(-?[\d.]+)", glyph.get("d", "")):
        point = (round(float(x)), round(float(y)))
        if command == "L":
            segments += [*pen, *point]
        pen = point
    print(ord(glyph.get("unicode")), *segments)

"""Draws texts of height 10 with LibreCAD and measures what it drew.

usage: librecad_drawing.py HOME WORKDIR STYLE:TEXT...

Each STYLE names a font HOME/.librecad/fonts/STYLE.lff (or one of LibreCAD's own). The texts
go into a DXF written with ezdxf, 100 units apart on a line; LibreCAD prints it to a PDF, whose
vector paths are read back and split into one group per text by the gaps between them. A line
per text: its ink box (left bottom right top, in the PDF's units, y up), the number of
segments drawn, and how many of them are horizontal or vertical."""
import os
import re
import subprocess
import sys
import zlib

import ezdxf

home, work, texts = sys.argv[1], sys.argv[2], [a.split(":", 1) for a in sys.argv[3:]]

doc = ezdxf.new()
for style in {style for style, _ in texts}:
    doc.styles.add(style, font=style + ".lff")
for i, (style, text) in enumerate(texts):
    attributes = {"style": style, "height": 10, "insert": (100 * i, 0)}
    doc.modelspace().add_text(text, dxfattribs=attributes)
drawing = os.path.join(work, "drawing.dxf")
doc.saveas(drawing)

environment = dict(os.environ, QT_QPA_PLATFORM="offscreen", HOME=home)
subprocess.run(["librecad", "dxf2pdf", "-a", "-t", work, drawing], env=environment, check=True,
               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
pdf = open(os.path.join(work, "drawing.pdf"), "rb").read()

segments = []
for stream in re.findall(rb"stream\r?\n(.*?)endstream", pdf, re.S):
    try:
        content = zlib.decompress(stream)
    except zlib.error:
        content = stream
    # Only paths that are stroked ("S"), not the page's clipping frame ("W* n").
    numbers, pen, path = [], None, []
    for token in content.split():
        if re.fullmatch(rb"-?[\d.]+", token):
            numbers.append(float(token))
            continue
        if token in (b"m", b"l") and len(numbers) >= 2:
            point = (numbers[-2], -numbers[-1])  # the page's y runs down
            if token == b"l" and pen is not None:
                path.append((*pen, *point))
            pen = point
        elif token in (b"S", b"n"):
            if token == b"S":
                segments += path
            pen, path = None, []
        numbers = []

segments.sort(key=lambda s: min(s[0], s[2]))
left = min(min(s[0], s[2]) for s in segments)
right = max(max(s[0], s[2]) for s in segments)
groups, reach = [], None
for s in segments:
    if reach is None or min(s[0], s[2]) > reach + (right - left) * 0.05:
        groups.append([])
        reach = max(s[0], s[2])
    groups[-1].append(s)
    reach = max(reach, s[0], s[2])

for group in groups:
    xs = [v for s in group for v in (s[0], s[2])]
    ys = [v for s in group for v in (s[1], s[3])]
    straight = sum(1 for s in group if s[0] == s[2] or s[1] == s[3])
    print(min(xs), min(ys), max(xs), max(ys), len(group), straight)

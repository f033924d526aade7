"""Prints the pen-down segments ezdxf renders for every shape of a .shp file.

One line per shape, in shape-number order: the number, then x0 y0 x1 y1 of
each drawn segment in drawing order, all rounded to whole units.
"""
import sys

from ezdxf import shapefile
from ezdxf.path import Command


def segments(font, number):
    path = font.render_shape(number)
    out = []
    x, y = path.start.x, path.start.y
    for element in path:
        end = element.end
        if element.type == Command.LINE_TO:
            out += [x, y, end.x, end.y]
        x, y = end.x, end.y
    return [round(v) for v in out]


def main():
    font = shapefile.readfile(sys.argv[1])
    for number in sorted(font.shapes):
        print(" ".join(str(v) for v in [number] + segments(font, number)))


if __name__ == "__main__":
    main()

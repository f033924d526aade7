"""Prints what ezdxf draws for every shape of a .shp or .shx file, arcs flattened.

One line per drawn polyline: the shape number, then x y of each of its points
(within 0.01 units of ezdxf's curves), in drawing order.
"""
import sys

from ezdxf import shapefile


def main():
    font = shapefile.readfile(sys.argv[1])
    for number in sorted(font.shapes):
        for sub_path in font.render_shape(number).sub_paths():
            if len(sub_path) == 0:
                continue
            points = list(sub_path.flattening(0.01))
            print(" ".join([str(number)] + [f"{v:.4f}" for p in points for v in (p.x, p.y)]))


if __name__ == "__main__":
    main()

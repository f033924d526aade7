#pragma once

#include <string>
#include <vector>

// A single-line font as the other formats hold one, in neutral form: characters numbered by
// Unicode, each a set of pen-down lines in the font's own units (y up, the baseline at 0, the
// pen starting at x 0), and where the next character starts.
struct StrokePoint {
  double x = 0;
  double y = 0;
  // The segment from the previous point to this one is an arc with this bulge (the tangent of
  // a quarter of its included angle, positive counter-clockwise); 0 is a straight line. The
  // first point of a stroke has none.
  double bulge = 0;
};

// The pen goes down at the first point and draws through the others.
using Stroke = std::vector<StrokePoint>;

struct StrokeGlyph {
  char32_t unicode = 0;
  double advance = 0;
  std::vector<Stroke> strokes;
};

struct StrokeFont {
  std::string name;  // UTF-8
  // The height of the capitals: it maps onto the grid units above the baseline of a shape
  // font made from this one.
  double capitalHeight = 0;
  double descent = 0;  // how far the lowest strokes reach below the baseline, positive
  double letterSpacing = 0;
  double wordSpacing = 0;
  double lineSpacingFactor = 1;
  std::vector<StrokeGlyph> glyphs;
  // What a reader could not take, one line each ("U+4E2D: a reference to a missing glyph").
  std::vector<std::string> problems;
};

#pragma once

#include <cstdint>
#include <memory>

#include "shapefile/shpfile.h"

// The shape of a benchmark font: a BIGFONT of the printable ASCII characters followed by
// the editor's hanzi set (every place of the GB2312 hanzi rows) in code order, as many as asked
// for. Every character is a run of strokes, each a pen-up move to its start and pen-down moves
// through the rest of its points, inside a grid of the given size. The same recipe always gives the
// same font.
struct FontRecipe {
  uint64_t seed = 1;
  int characters = 95 + 6768;
  int grid = 120;
  int minStrokes = 8;
  int maxStrokes = 20;
  int minPointsPerStroke = 2;
  int maxPointsPerStroke = 8;
  // When above 0, every character has exactly this many points instead (in strokes of 8).
  int pointsPerCharacter = 0;
};

std::unique_ptr<GShpFile> makeFont(const FontRecipe& recipe);
// A single character of that kind of font, made of exactly the given number of points.
std::unique_ptr<GShape> makeCharacter(uint64_t seed, int points, int grid);

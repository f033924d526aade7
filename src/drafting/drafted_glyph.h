#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A character drafted from a TrueType face or from stroke-order data: the lines a pen would follow,
// in grid units (y up, origin on the baseline), for the user to correct on the grid.
struct GridPoint {
  int32_t x = 0, y = 0;
};
using GridStroke = std::vector<GridPoint>;  // pen down at the first point, through the others

// CentreLine follows the middle of every stroke of the glyph; Outline traces its contours;
// StrokeData takes the strokes from stroke-order data (stroke_data.h), no face needed.
enum class DraftMode : uint8_t { CentreLine, Outline, StrokeData };

struct DraftGrid {
  uint8_t above = 32;
  uint8_t below = 16;
};  // grid side = above + below

struct DraftedGlyph {
  bool found = false;               // false: the face (or the data) has no glyph for the character
  uint16_t advance = 0;             // grid units
  std::vector<GridStroke> strokes;  // in writing order
  // What is wrong with the stroke-order data for the character, naming its file: a draft from
  // the data leaves the character out (not found), a face draft keeps its own order.
  std::string problem;
};

class GShape;
// shape := the draft: width = advance, each stroke a pen-up (virtual) move to its first point
// followed by pen-down (real) points. Does nothing when !draft.found.
void putDraft(const DraftedGlyph& draft, GShape& shape);

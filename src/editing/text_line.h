#pragma once

#include <cstdint>
#include <vector>

class GShape;
class GShpFile;

// One character of a line of text set in a shape font, as CAD sets it: the pen starts at 0
// and moves on by each character's advance.
struct LineGlyph {
  int32_t code = 0;
  const GShape* shape = nullptr;  // null: the font lacks the character
  int32_t penX = 0;               // grid units from the start of the line
  int32_t advance = 0;
  // Its strokes reach past its advance or before its start (into its neighbours), above the
  // font's above or below its below.
  bool overrun = false;
};

// The characters of `codes` (a byte below 128, else a two-byte code; negative for a character
// no code can hold) laid out in the font.
// A character the font lacks takes the font's width, half of it for a single byte in a font
// of normal direction, as the font's own characters are read.
std::vector<LineGlyph> layOutLine(GShpFile& file, const std::vector<int32_t>& codes);

// After an edit of the characters' points or advances (not of which characters the font
// holds): the advances, places and overruns worked out again from the same shapes.
void refreshLine(std::vector<LineGlyph>& line, int32_t above, int32_t below);

// Whether a drawn stroke of `shape` leaves the box from 0 to its advance and from -below to
// above. Pen-up moves do not count.
bool reachesOutside(const GShape& shape, int32_t above, int32_t below);

// Whether the character draws nothing: it has no pen-down point.
bool drawsNothing(const GShape& shape);

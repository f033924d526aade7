#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editing/unihan_strokes.h"

class GShape;
class GShpFile;

// What the program flags in a character for the maker to look at, by the character's strokes:
// a stroke is a run of pen-down segments, the first starting where the pen stood.
enum ReviewFlag : uint8_t {
  kNoStroke = 1,        // nothing is drawn
  kShortStroke = 2,     // a pen-down stroke shorter than half a unit
  kInkOutside = 4,      // ink off the grid's rows, left of 0, past the advance or the last column
  kStrokeCountOff = 8,  // a hanzi whose stroke count is more than 40 % away from Unihan's
};

struct CharacterReview {
  uint16_t code = 0;
  uint8_t flags = 0;
  int strokes = 0;          // pen-down strokes drawn
  int expectedStrokes = 0;  // Unihan's count for a hanzi, 0 when none is known
};

// How the flags are judged in one font: its cell rows, how a code is a Unicode number (GBK
// for a BIGFONT, the code itself for a UNIFONT, none for an ASCII font) and the counts, which
// may be empty (the stroke-count flag is then off).
struct ReviewRules {
  int32_t above = 32;
  int32_t below = 16;
  uint8_t kind = 0;
  const StrokeCounts* strokeCounts = nullptr;
  static ReviewRules of(const GShpFile& file, const StrokeCounts* counts);
  bool countsStrokes() const { return strokeCounts && !strokeCounts->empty(); }
};

CharacterReview reviewOf(const GShape& shape, const ReviewRules& rules);
// The flagged characters of a font, worst first: the most serious flag, then the most flags,
// then code order. Characters without flags are left out.
std::vector<CharacterReview> flaggedCharacters(const GShpFile& file, const ReviewRules& rules);
// How bad the flags are, for ordering: greater is worse.
int severityOf(uint8_t flags);
// The reasons in words (GBK bytes, one line each), as a tooltip shows them.
std::string reasonsOf(const CharacterReview& review, const ReviewRules& rules);

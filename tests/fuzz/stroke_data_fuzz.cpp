// Fuzz target: one character's stroke-order data read and drafted on a grid of 48. Every stroke
// read becomes one stroke of at least two points, each within reach of the cell (the data box
// and the margin the reader allows); anything else traps.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "drafting/stroke_data.h"
#include "drafting/stroke_data_draft.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<Polyline> medians;
  try {
    medians = readMedians(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.json");
  } catch (const StrokeDataError&) {
    return 0;
  }
  if (medians.empty() || medians.size() > kMostDataStrokes) __builtin_trap();
  const DraftedGlyph drafted = draftFromMedians(medians, DraftGrid{48, 0});
  if (drafted.strokes.size() != medians.size()) __builtin_trap();
  // The strokes are centred on the cell: the data box and its margins, twice over, at most.
  const double reach = 48 * (kStrokeDataSide + 4 * kStrokeDataMargin) / kStrokeDataSide;
  for (const GridStroke& stroke : drafted.strokes) {
    if (stroke.size() < 2) __builtin_trap();
    for (const GridPoint& p : stroke)
      if (std::abs(p.x) > reach || std::abs(p.y) > reach) __builtin_trap();
  }
  return 0;
}

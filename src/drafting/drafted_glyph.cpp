#include "drafting/drafted_glyph.h"

#include "model/shape.h"

void putDraft(const DraftedGlyph& draft, GShape& shape) {
  if (!draft.found) return;
  size_t points = 0;
  for (const GridStroke& stroke : draft.strokes) points += stroke.size();
  shape.reset(draft.advance, points);
  for (const GridStroke& stroke : draft.strokes) {
    // A stroke of one point draws nothing; it would leave a stray pen-up move behind.
    if (stroke.size() < 2) continue;
    shape.addPoint(stroke[0].x, stroke[0].y, 1);
    for (size_t i = 1; i < stroke.size(); ++i) shape.addPoint(stroke[i].x, stroke[i].y, 0);
  }
}

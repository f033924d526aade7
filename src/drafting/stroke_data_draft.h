#pragma once

#include <string>
#include <vector>

#include "drafting/drafted_glyph.h"
#include "drafting/geometry.h"

// Drafting from stroke-order data (stroke_data.h): every data stroke becomes one pen-down path
// in writing order. The data's box (its em) maps onto the cell as a face's em square does, the
// strokes centred on the advance; each is simplified within half a unit, a lead-in or lead-out
// tick shorter than 1.5 units is dropped, an end stopping within 1.5 units of another stroke is
// carried on onto it, and the points go onto whole units.
DraftedGlyph draftFromMedians(const std::vector<Polyline>& medians, DraftGrid grid);

// The data's centre lines where draftFromMedians maps them, in grid units.
std::vector<Polyline> mediansOnGrid(const std::vector<Polyline>& medians, DraftGrid grid);

// The character drafted from the data in `folder`; not found when the data has no file for
// it, and not found with `problem` naming the file when the file is bad.
DraftedGlyph draftFromStrokeData(const std::string& folder, char32_t unicode, DraftGrid grid);

// Puts strokes drafted from a face into the data's writing order: the data's box fitted onto
// the strokes' box, each stroke matched to the nearest data stroke, ordered by that stroke's
// place in the data (strokes matched to one data stroke by where along it they start) and
// drawn from the end nearest that data stroke's start.
void putInWritingOrder(std::vector<GridStroke>& strokes, const std::vector<Polyline>& medians);

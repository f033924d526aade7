#pragma once

// Measures of drafted characters shared by bench/draft_quality and the drafting tests.

#include <cstddef>
#include <optional>
#include <vector>

#include "drafting/drafted_glyph.h"
#include "drafting/geometry.h"

// The box of a draft's points, in grid units.
struct InkBox {
  double width = 0, height = 0;
  double middleX = 0, middleY = 0;
};
std::optional<InkBox> inkBoxOf(const DraftedGlyph& draft);

double medianOf(std::vector<double> values);

// Spearman's rank correlation of two equally long series, ties given their mean rank; 1 for
// series shorter than two or without spread.
double spearman(const std::vector<double>& a, const std::vector<double>& b);

// For each drafted stroke, the data stroke (already on the grid) nearest to its point halfway
// along: a matching independent of the one the drafting orders by.
std::vector<size_t> nearestDataStrokes(const DraftedGlyph& draft,
                                       const std::vector<Polyline>& data);

// The farthest a point of the stroke, sampled every tenth of a unit, lies from the line.
double farthestFrom(const GridStroke& stroke, const Polyline& line);

// The same from a data stroke's centre line carried on at either end to the drafted stroke's
// end there when that is within `reach` (the drafting carries ends on onto the strokes they
// meet; a data stroke and a drafted one start and end at the same ends).
double farthestFromDataLine(const GridStroke& stroke, const Polyline& data, double reach);


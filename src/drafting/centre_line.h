#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "drafting/drafted_glyph.h"
#include "drafting/geometry.h"

// A glyph rendered into pixels: coverage 0 (blank) to 255 (ink), row by row from the top.
struct Bitmap {
  int width = 0, height = 0;
  std::vector<uint8_t> coverage;

  uint8_t at(int x, int y) const { return coverage[static_cast<size_t>(y) * width + x]; }
};

// Where the bitmap lies on the grid: pixel column c spans grid x from
// left + c / pixelsPerUnit to left + (c + 1) / pixelsPerUnit, row r spans grid y from
// top - r / pixelsPerUnit down to top - (r + 1) / pixelsPerUnit.
struct PixelGrid {
  double pixelsPerUnit = 5;
  double left = 0;
  double top = 0;
};

// The centre lines of the inked strokes, as a pen would draw them: every stroke joined through
// the crossings it continues straight across, short spurs of the thinning left out, lines cut
// at sharp corners where a writer lifts the pen (not where one goes right then down, as at the
// top right of 口, nor down then right along an open line, nor before a short hook), a closed
// loop without such corners kept closed, a dot a short stroke. Each is simplified within half a
// grid unit with its points on whole units, starts at its top or left end, and they come in
// writing order: top to bottom, then left to right by their starts, the steeper first of two
// from one point.
std::vector<GridStroke> centreLineStrokes(const Bitmap& bitmap, const PixelGrid& grid);

// The same lines before they are cut at corners, simplified and put on whole units: the
// skeleton's paths as the joining at crossings leaves them, and dots, in grid units. Closed
// paths end where they start.
std::vector<Polyline> centreLinePaths(const Bitmap& bitmap, const PixelGrid& grid);

// The one-pixel-wide skeleton of the ink (1 on it, 0 elsewhere, row by row), after the
// smoothing and thresholding the drafting does, specks and pinholes smaller than half a grid
// unit square gone.
std::vector<uint8_t> skeletonOf(const Bitmap& bitmap, double pixelsPerUnit);

#pragma once

#include <cstdint>

// Where the design grid lies in the canvas's pixels, and the conversions between grid
// units (y up, 0 on the baseline) and panel pixels. Widget-free so it can be tested alone.
struct GridLayout {
  int32_t above = 32;     // grid units above the baseline
  int32_t below = 16;     // grid units below the baseline
  int32_t columns = 48;   // always above + below
  int32_t rows = 48;      // always above + below
  uint32_t cellSize = 0;  // pixels between neighbouring grid lines; 0: the panel is too small
  int32_t originX = 0;    // pixel of column 0
  int32_t originY = 0;    // pixel of the top row (y = above - 1)

  struct Pixel {
    int32_t x, y;
  };
  struct Cell {
    int32_t x, y;
  };

  // Centres the lattice in the panel with at least 24 pixels on every side.
  void fit(int32_t panelWidth, int32_t panelHeight);
  bool usable() const { return cellSize != 0; }

  // Far-away points wrap like 32-bit integers instead of overflowing.
  Pixel gridToPixel(int32_t x, int32_t y) const;
  // Rounds to the nearest grid line; clamped at the top-left only. Needs usable().
  Cell pixelToGrid(int32_t px, int32_t py) const;
  // Whether the pixel lies over the grid: inside the outer grid lines widened by half a
  // cell (strictly). False while the panel is too small.
  bool isOverGrid(int32_t px, int32_t py) const;

  // Major lines (drawn grey and labelled): every columns/6 units (columns/8 when the count
  // is not a multiple of 6), plus the last column; rows alike plus the top and bottom rows.
  // A grid too small for its divisions has every line major.
  bool isMajorColumn(int32_t i) const;
  bool isMajorRow(int32_t j) const;
};

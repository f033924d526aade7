#include "editing/grid_layout.h"

#include <algorithm>

namespace {

int32_t majorStep(int32_t lines) {
  const int32_t divisions = lines % 6 == 0 ? 6 : 8;
  return lines / divisions;
}

int32_t wrap(int64_t v) { return static_cast<int32_t>(v); }

}  // namespace

void GridLayout::fit(int32_t panelWidth, int32_t panelHeight) {
  if (columns <= 0 || rows <= 0) {
    cellSize = 0;
    return;
  }
  const int32_t byWidth = (panelWidth - 48) / columns;
  const int32_t byHeight = (panelHeight - 48) / rows;
  const int32_t cell = std::max(0, std::min(byWidth, byHeight));
  cellSize = static_cast<uint32_t>(cell);
  originX = (panelWidth - (columns - 1) * cell) / 2;
  originY = (panelHeight - (rows - 1) * cell) / 2;
}

GridLayout::Pixel GridLayout::gridToPixel(int32_t x, int32_t y) const {
  const int64_t c = cellSize;
  return {wrap(originX + int64_t{x} * c), wrap(originY + (int64_t{rows} - y - 1 - below) * c)};
}

GridLayout::Cell GridLayout::pixelToGrid(int32_t px, int32_t py) const {
  const int64_t c = cellSize;
  const int64_t col = (std::max(px, originX) - int64_t{originX} + c / 2) / c;
  const int64_t row = (std::max(py, originY) - int64_t{originY} + c / 2) / c;
  return {wrap(col), wrap(rows - row - 1 - below)};
}

bool GridLayout::isOverGrid(int32_t px, int32_t py) const {
  if (!usable()) return false;
  const int64_t c = cellSize;
  const int64_t left = int64_t{originX} - c / 2;
  const int64_t top = int64_t{originY} - c / 2;
  return left < px && px < left + columns * c && top < py && py < top + rows * c;
}

bool GridLayout::isMajorColumn(int32_t i) const {
  const int32_t step = majorStep(columns);
  return step == 0 || i % step == 0 || i == columns - 1;
}

bool GridLayout::isMajorRow(int32_t j) const {
  const int32_t step = majorStep(rows);
  return step == 0 || j % step == 0 || j == above - 1 || j == -below;
}

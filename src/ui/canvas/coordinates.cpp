#include "ui/main/main_window.h"

GridLayout TFmMain::gridLayout() const {
  GridLayout layout;
  layout.above = gridAbove;
  layout.below = gridBelow;
  layout.columns = gridWidth;
  layout.rows = gridHeight;
  layout.cellSize = cellSize;
  layout.originX = originX;
  layout.originY = originY;
  return layout;
}

GridLayout::Pixel TFmMain::gridToPixel(int32_t x, int32_t y) const {
  return gridLayout().gridToPixel(x, y);
}

// Callers check cellSize first: a panel too small for the grid has no grid positions.
GPoint TFmMain::pixelToGrid(int32_t px, int32_t py) const {
  const GridLayout::Cell cell = gridLayout().pixelToGrid(px, py);
  return GPoint(cell.x, cell.y, gestures.cursorPoint.isVirtual);
}

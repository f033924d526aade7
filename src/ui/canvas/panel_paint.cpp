#include <QPainter>

#include "ui/canvas/panel.h"
#include "ui/canvas/shape_painter.h"
#include "ui/document/font_document.h"
#include "ui/reference/reference_underlay.h"
#include "ui/shared/form_font.h"

namespace {

const QColor kMajorLine(128, 128, 128);
const QColor kMinorLine(192, 192, 192);
const QColor kLabel(0, 0, 0);
const QColor kRubberBand(0, 0, 0);
const QColor kBeforePreview(176, 176, 176);

QPoint toQPoint(GridLayout::Pixel p) { return {p.x, p.y}; }

}  // namespace

// The underlay, the grid, the current character (or its preview over it) and the rubber band,
// in that order.
void CanvasPanel::paint(QPainter& canvas) const {
  const GridLayout grid = layout();
  const QColor background = palette().color(QPalette::Window);
  reference_.draw(canvas, grid, background);
  drawGrid(canvas, grid);
  if (const GShape* shape = document_.currentShape(); shape && grid.usable()) {
    const GridLayout::Pixel origin = grid.gridToPixel(0, 0);
    ShapePainter painter(canvas, {static_cast<double>(origin.x), static_cast<double>(origin.y),
                                  static_cast<double>(grid.cellSize)});
    if (preview_) {
      painter.draw(*shape, {false, false, background, kBeforePreview});
      painter.draw(*preview_, {showPenUpTrack_, false, background});
    } else {
      painter.draw(*shape, {showPenUpTrack_, showPoints_, background});
    }
  }
  drawRubberBand(canvas);
}

void CanvasPanel::drawGrid(QPainter& canvas, const GridLayout& layout) const {
  if (!layout.usable()) return;
  const QFont labelFont = formFont(12);
  const QFontMetrics metrics(font());
  canvas.setFont(labelFont);
  canvas.setBrush(palette().color(QPalette::Window));
  const int ascent = QFontMetrics(labelFont).ascent();
  const auto line = [&](GridLayout::Pixel from, GridLayout::Pixel to, bool major) {
    canvas.setPen(QPen(major ? kMajorLine : kMinorLine, 1, Qt::SolidLine));
    canvas.drawLine(toQPoint(from), toQPoint(to));
  };
  // Labels are placed by their top-left corner.
  const auto label = [&](int x, int y, const QString& text) {
    canvas.setPen(kLabel);
    canvas.drawText(x, y + ascent, text);
  };

  for (int32_t i = 0; i < layout.columns; ++i) {
    const GridLayout::Pixel bottom = layout.gridToPixel(i, -layout.below);
    const bool major = layout.isMajorColumn(i);
    line(bottom, layout.gridToPixel(i, layout.above - 1), major);
    if (major) {
      const QString text = QString::number(i);
      label(bottom.x - 4 * static_cast<int>(text.size()), bottom.y + 4, text);
    }
  }
  for (int32_t j = -layout.below; j < layout.above; ++j) {
    const GridLayout::Pixel left = layout.gridToPixel(0, j);
    const bool major = layout.isMajorRow(j);
    line(left, layout.gridToPixel(layout.columns - 1, j), major);
    if (major) {
      const QString text = QString::number(j);
      label(left.x - metrics.horizontalAdvance(text) - 4, left.y - 6, text);
    }
  }
}

// The outline of a Shift-drag selection, from its stored corners.
void CanvasPanel::drawRubberBand(QPainter& canvas) const {
  if (!gestures_.rubberBandShown()) return;
  const QPoint start(gestures_.selStartX, gestures_.selStartY);
  const QPoint end(gestures_.selEndX, gestures_.selEndY);
  const QPoint outline[] = {start, {start.x(), end.y()}, end, {end.x(), start.y()}, start};
  canvas.setPen(QPen(kRubberBand, 1, Qt::DotLine));
  canvas.setBrush(Qt::NoBrush);
  canvas.drawPolyline(outline, 5);
}

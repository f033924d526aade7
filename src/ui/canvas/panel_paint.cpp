#include <QPainter>

#include "ui/canvas/panel.h"
#include "ui/main/form_font.h"
#include "ui/main/main_window.h"

namespace {

const QColor kMajorLine(128, 128, 128);
const QColor kMinorLine(192, 192, 192);
const QColor kMove(0, 0, 255);
const QColor kStroke(255, 0, 0);
const QColor kMark(0, 128, 0);
const QColor kSelectedMark(0, 0, 255);
const QColor kLabel(0, 0, 0);
const QColor kRubberBand(0, 0, 0);

QPoint toQPoint(GridLayout::Pixel p) { return {p.x, p.y}; }

// A point mark is the same few pixels wherever it stands, so it is drawn once into an image
// (for each of its two colours and the panel colour it is filled with) and copied to every
// point; without antialiasing the copy is the ring drawn in place, pixel for pixel.
constexpr int kMarkCentre = 8;

const QImage& pointMarkImage(bool selected, const QColor& fill) {
  struct Mark {
    QImage image;
    QColor fill;
  };
  static Mark marks[2];
  Mark& mark = marks[selected ? 1 : 0];
  if (mark.image.isNull() || mark.fill != fill) {
    mark.image = QImage(2 * kMarkCentre, 2 * kMarkCentre, QImage::Format_ARGB32_Premultiplied);
    mark.image.fill(Qt::transparent);
    mark.fill = fill;
    QPainter painter(&mark.image);
    painter.setPen(QPen(selected ? kSelectedMark : kMark, 3, Qt::SolidLine));
    painter.setBrush(fill);
    painter.drawEllipse(QRect(kMarkCentre - 3, kMarkCentre - 3, 6, 6));
  }
  return mark.image;
}

}  // namespace

void TFmMain::PanelPaint(QPainter& canvas) {
  drawReference(canvas, refMode);
  drawGrid(canvas, gridWidth, gridHeight);
  drawShape(canvas, currentShape, showPenUpTrack, showPoints);
  drawRubberBand(canvas);
}

void TFmMain::drawGrid(QPainter& canvas, uint8_t columns, uint8_t rows) {
  if (!showGrid) return;
  GridLayout layout = gridLayout();
  layout.columns = columns;
  layout.rows = rows;
  layout.fit(Panel->width(), Panel->height());
  cellSize = layout.cellSize;
  originX = layout.originX;
  originY = layout.originY;
  if (!layout.usable()) return;

  const QFont labelFont = formFont(12);
  const QFontMetrics metrics(font());
  canvas.setFont(labelFont);
  canvas.setBrush(Panel->palette().color(QPalette::Window));
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

  for (int32_t i = 0; i < columns; ++i) {
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
    line(left, layout.gridToPixel(columns - 1, j), major);
    if (major) {
      const QString text = QString::number(j);
      label(left.x - metrics.horizontalAdvance(text) - 4, left.y - 6, text);
    }
  }
}

// Every segment takes the look of the point it ends at: dotted blue moves to virtual
// points, solid red strokes to real ones.
void TFmMain::drawShape(QPainter& canvas, GShape* shape, bool showTrack, bool showMarks) {
  if (!shape || cellSize == 0) return;
  const QPen move(kMove, 1, Qt::DotLine);
  const QPen stroke(kStroke, 2, Qt::SolidLine);
  QPoint pen = toQPoint(gridToPixel(0, 0));
  for (GPoint* p = shape->first(); p; p = shape->next()) {
    const QPoint to = toQPoint(gridToPixel(p->x, p->y));
    if (showTrack) {
      canvas.setPen(p->isVirtual ? move : stroke);
      canvas.drawLine(pen, to);
    } else if (!p->isVirtual) {
      canvas.setPen(stroke);
      canvas.drawLine(pen, to);
    }
    pen = to;
  }
  if (showTrack) {
    canvas.setPen(move);
    canvas.drawLine(pen, toQPoint(gridToPixel(shape->width(), 0)));
  }
  if (showMarks) {
    for (GPoint* p = shape->first(); p; p = shape->next()) drawPointMark(canvas, p);
  }
}

// A ring filled with the panel colour; blue when selected.
void TFmMain::drawPointMark(QPainter& canvas, const GPoint* point) {
  if (!point || !showPoints || cellSize == 0) return;
  const QPoint p = toQPoint(gridToPixel(point->x, point->y));
  canvas.drawImage(p - QPoint(kMarkCentre, kMarkCentre),
                   pointMarkImage(point->isSelected(), Panel->palette().color(QPalette::Window)));
}

// The outline of a Shift-drag selection, from its stored corners.
void TFmMain::drawRubberBand(QPainter& canvas) {
  if (!gestures.rubberBandShown()) return;
  const QPoint start(gestures.selStartX, gestures.selStartY);
  const QPoint end(gestures.selEndX, gestures.selEndY);
  const QPoint outline[] = {start, {start.x(), end.y()}, end, {end.x(), start.y()}, start};
  canvas.setPen(QPen(kRubberBand, 1, Qt::DotLine));
  canvas.setBrush(Qt::NoBrush);
  canvas.drawPolyline(outline, 5);
}

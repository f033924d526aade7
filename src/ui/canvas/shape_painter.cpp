#include "ui/canvas/shape_painter.h"

#include <QImage>
#include <QPainter>
#include <QVarLengthArray>

#include "model/shape.h"

namespace {

const QColor kMove(0, 0, 255);
const QColor kMark(0, 128, 0);
const QColor kSelectedMark(0, 0, 255);

// A point mark is the same few pixels wherever it stands, so it is drawn once into an image
// (for each of its two colours and the fill) and copied to every point; without
// antialiasing the copy is the ring drawn in place, pixel for pixel.
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

ShapePainter::ShapePainter(QPainter& painter, const Placement& placement)
    : painter_(painter), placement_(placement) {}

// Every segment takes the look of the point it ends at. Strokes start at the origin, where
// the pen stands before the first point. Without the pen-up track the strokes go to the
// painter in one call, which is what makes a screenful of characters quick.
void ShapePainter::draw(const GShape& shape, const Look& look) {
  const QPen move(kMove, 1, Qt::DotLine);
  const QPen stroke(look.stroke, look.strokeWidth, Qt::SolidLine);
  QPointF pen = placement_.at(0, 0);
  if (look.penUpTrack) {
    for (const GPoint& p : shape.points()) {
      const QPointF to = placement_.at(p.x, p.y);
      painter_.setPen(p.isVirtual ? move : stroke);
      painter_.drawLine(pen, to);
      pen = to;
    }
  } else {
    QVarLengthArray<QLineF, 256> strokes;
    for (const GPoint& p : shape.points()) {
      const QPointF to = placement_.at(p.x, p.y);
      if (!p.isVirtual) strokes.append(QLineF(pen, to));
      pen = to;
    }
    painter_.setPen(stroke);
    painter_.drawLines(strokes.constData(), static_cast<int>(strokes.size()));
  }
  if (look.penUpTrack) {
    painter_.setPen(move);
    painter_.drawLine(pen, placement_.at(shape.width(), 0));
  }
  if (look.pointMarks) drawMarks(shape, look.markFill);
}

// A ring filled with the background; blue when selected.
void ShapePainter::drawMarks(const GShape& shape, const QColor& fill) {
  const QPointF centre(kMarkCentre, kMarkCentre);
  for (const GPoint& p : shape.points())
    painter_.drawImage(placement_.at(p.x, p.y) - centre, pointMarkImage(p.isSelected(), fill));
}

#pragma once

#include <QColor>
#include <QPointF>
#include <cstdint>

class GShape;
class QPainter;

// Draws a character's path at any scale and origin: solid strokes to real points (red on the
// canvas), dotted blue pen-up moves to virtual points and on to the advance, and the point
// marks. It only reads the shape. The canvas, the text preview and the overview draw with it.
class ShapePainter {
 public:
  // Where the grid lies: the pixel of grid point (0, 0) and the pixels of one grid unit.
  struct Placement {
    double originX = 0;
    double baselineY = 0;
    double unit = 1;
    QPointF at(int32_t x, int32_t y) const { return {originX + x * unit, baselineY - y * unit}; }
  };
  struct Look {
    bool penUpTrack = false;
    bool pointMarks = false;
    QColor markFill = Qt::white;  // the inside of a mark: the background it stands on
    QColor stroke = QColor(255, 0, 0);
    double strokeWidth = 2;
  };

  ShapePainter(QPainter& painter, const Placement& placement);

  void draw(const GShape& shape, const Look& look);

 private:
  void drawMarks(const GShape& shape, const QColor& fill);

  QPainter& painter_;
  Placement placement_;
};

#include "ui/canvas/panel.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

void forward(const std::function<void(const QMouseEvent&)>& handler, QMouseEvent* event) {
  if (handler) handler(*event);
}

}  // namespace

// Moves arrive without a button held too, for the coordinate display.
CanvasPanel::CanvasPanel(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  setMouseTracking(true);
}

void CanvasPanel::paintEvent(QPaintEvent*) {
  if (!onPaint) return;
  QPainter painter(this);
  onPaint(painter);
}

void CanvasPanel::mousePressEvent(QMouseEvent* event) { forward(onMouseDown, event); }
void CanvasPanel::mouseMoveEvent(QMouseEvent* event) { forward(onMouseMove, event); }
void CanvasPanel::mouseReleaseEvent(QMouseEvent* event) { forward(onMouseUp, event); }

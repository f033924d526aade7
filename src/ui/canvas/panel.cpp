#include "ui/canvas/panel.h"

#include <QPainter>

CanvasPanel::CanvasPanel(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void CanvasPanel::paintEvent(QPaintEvent*) {
  if (!onPaint) return;
  QPainter painter(this);
  onPaint(painter);
}

#pragma once

#include <QWidget>
#include <functional>

class QPainter;

// The drawing canvas. It keeps no state: painting and the mouse are handed to the main
// window, which owns everything drawn. Qt repaints a resized panel, so a resize needs no
// handler of its own.
class CanvasPanel : public QWidget {
  Q_OBJECT
 public:
  explicit CanvasPanel(QWidget* parent = nullptr);

  std::function<void(QPainter&)> onPaint;
  std::function<void(const QMouseEvent&)> onMouseDown;
  std::function<void(const QMouseEvent&)> onMouseMove;
  std::function<void(const QMouseEvent&)> onMouseUp;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

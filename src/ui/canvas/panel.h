#pragma once

#include <QWidget>
#include <functional>

class QPainter;

// The drawing canvas. It keeps no state: painting is handed to the main window, which owns
// everything drawn. Qt repaints a resized panel, so a resize needs no handler of its own.
class CanvasPanel : public QWidget {
  Q_OBJECT
 public:
  explicit CanvasPanel(QWidget* parent = nullptr);

  std::function<void(QPainter&)> onPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

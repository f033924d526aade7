#pragma once

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "ui/canvas/panel.h"
#include "ui/shared/choice_group.h"
#include "ui/platform/gbk.h"
#include "ui/window_fixture.h"

// A font holding "A" (v2,2 r6,2 r6,8), made current, and "B" (v1,1 r1,9), on a canvas that
// has been painted.
class CanvasTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    std::vector<std::unique_ptr<GShape>> shapes;
    shapes.push_back(makeShape('A', 24, {{2, 2, true}, {6, 2, false}, {6, 8, false}}));
    shapes.push_back(makeShape('B', 24, {{1, 1, true}, {1, 9, false}}));
    openFont(std::move(shapes));
    child<QListWidget>("RzListBox1")->setCurrentRow(0);
    panel = child<CanvasPanel>("Panel");
    panel->repaint();
    ASSERT_NE(shape(), nullptr);
    ASSERT_GT(TFmMainProbe::cellSize(*window), 0u);
  }

  GShape* shape() { return TFmMainProbe::currentShape(*window); }
  QPoint pixel(int32_t x, int32_t y) {
    const int c = static_cast<int>(TFmMainProbe::cellSize(*window));
    const int rows = TFmMainProbe::gridHeight(*window);
    const int below = TFmMainProbe::gridBelow(*window);
    return {TFmMainProbe::originX(*window) + x * c,
            TFmMainProbe::originY(*window) + (rows - y - 1 - below) * c};
  }
  // A move with buttons and keys held, which QTest cannot send.
  void moveTo(int32_t x, int32_t y, Qt::MouseButtons held = Qt::NoButton,
              Qt::KeyboardModifiers keys = Qt::NoModifier) {
    const QPoint at = pixel(x, y);
    QMouseEvent event(QEvent::MouseMove, at, panel->mapToGlobal(at), Qt::NoButton, held, keys);
    QApplication::sendEvent(panel, &event);
  }
  void press(int32_t x, int32_t y, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers keys = Qt::NoModifier) {
    moveTo(x, y, Qt::NoButton, keys);
    QTest::mousePress(panel, button, keys, pixel(x, y));
  }
  void release(int32_t x, int32_t y, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QTest::mouseRelease(panel, button, keys, pixel(x, y));
  }
  void click(int32_t x, int32_t y, Qt::MouseButton button = Qt::LeftButton) {
    press(x, y, button);
    release(x, y, button);
  }
  void trigger(const char* action) { child<QAction>(action)->trigger(); }

  // "v2,2 r6,2* ": the points of the current character.
  std::string path() {
    std::string out;
    for (int i = 0; i < shape()->pointCount(); ++i) {
      const GPoint* p = shape()->pointAtIndex(i);
      out += (p->isVirtual ? "v" : "r") + std::to_string(p->x) + "," + std::to_string(p->y) +
             (p->isSelected() ? "*" : "") + " ";
    }
    return out;
  }
  QString memo() { return child<QPlainTextEdit>("RzMemo1")->toPlainText(); }
  // The source view as it would show the current character now.
  QString sourceNow() {
    std::vector<std::string> lines;
    shape()->writeTo(lines);
    QStringList texts;
    for (const std::string& line : lines) texts << fromGbk(line);
    return texts.join(QLatin1Char('\n'));
  }
  bool marked() { return window->windowTitle().endsWith(QStringLiteral(" *")); }

  CanvasPanel* panel = nullptr;
};

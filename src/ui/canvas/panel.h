#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "editing/edit_result.h"
#include "editing/grid_layout.h"
#include "editing/mouse_gestures.h"
#include "editing/point_snapshot.h"
#include "ui/document/font_document.h"

class GShape;
class QPainter;
class ReferenceUnderlay;

// The drawing canvas: the enlarged grid with the current character over the reference
// underlay. It owns what only the canvas needs (the display switches, the mouse and mode
// state of the gestures) and follows the document's signals. Mouse events go to the
// handlers set by the window, which wrap them in its error box and call back mouseDown,
// mouseMove and mouseUp.
class CanvasPanel : public QWidget {
  Q_OBJECT
 public:
  CanvasPanel(FontDocument& document, ReferenceUnderlay& reference, QWidget* parent = nullptr);
  ~CanvasPanel() override;

  std::function<void(const QMouseEvent&)> onMouseDown;
  std::function<void(const QMouseEvent&)> onMouseMove;
  std::function<void(const QMouseEvent&)> onMouseUp;

  // Where the grid lies in the panel as large as it is now (cell size 0: too small).
  GridLayout layout() const;
  // The grid position under a pixel, with the pen state of new points. Needs a usable layout.
  GPoint pixelToGrid(int32_t px, int32_t py) const;
  void paint(QPainter& canvas) const;

  void mouseDown(const QMouseEvent& event);
  void mouseMove(const QMouseEvent& event);
  void mouseUp(const QMouseEvent& event);

  // Runs an edit of the current character: a change of its points becomes an undo step,
  // what marks the font without changing points (deleting where nothing is) is kept outside
  // the steps, and the document is told what changed.
  void runEdit(const std::function<EditResult()>& edit);
  // Runs `edit` on the current character; nothing without an open font and a character.
  void editCurrentShape(const std::function<EditResult(GShape&)>& edit);

  MouseGestures& gestures() { return gestures_; }
  const MouseGestures& gestures() const { return gestures_; }
  bool showsPenUpTrack() const { return showPenUpTrack_; }
  bool showsPoints() const { return showPoints_; }
  void setShowPenUpTrack(bool shown);
  void setShowPoints(bool shown);
  // A changed copy of the current character, drawn in its place over the character itself in
  // grey while the change is being chosen; null takes it away.
  void setPreview(std::unique_ptr<GShape> shape);
  const GShape* preview() const { return preview_.get(); }

 signals:
  // The grid position under the pointer, for the coordinate display.
  void cursorMoved(int32_t x, int32_t y);
  // A right press decided whether the pop-up menu's insert items apply.
  void insertItemsEnabled(bool enabled);
  // The panel took another size, so the grid lies elsewhere in it.
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  EditTarget editTarget() const;
  GestureOutcome showGestureOutcome(const GestureOutcome& outcome);
  bool recordStep(GShape& shape, PointEdit edit, PointSnapshot before, ShapeChange shown);
  void drawGrid(QPainter& canvas, const GridLayout& layout) const;
  void drawRubberBand(QPainter& canvas) const;

  FontDocument& document_;
  ReferenceUnderlay& reference_;
  MouseGestures gestures_;
  uint32_t gestureCount_ = 0;  // left presses: tells one drag from the next
  bool showPenUpTrack_ = false;
  bool showPoints_ = true;
  std::unique_ptr<GShape> preview_;
};

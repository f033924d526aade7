#include "ui/canvas/panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "model/shape.h"
#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"
#include "ui/edits/point_edit_command.h"
#include "ui/reference/reference_underlay.h"

namespace {

void forward(const std::function<void(const QMouseEvent&)>& handler, QMouseEvent* event) {
  if (handler) handler(*event);
}

MouseInput::Button buttonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return MouseInput::Button::Left;
    case Qt::RightButton:
      return MouseInput::Button::Right;
    case Qt::MiddleButton:
      return MouseInput::Button::Middle;
    default:
      return MouseInput::Button::None;
  }
}

MouseInput mouseInput(const QMouseEvent& event) {
  MouseInput input;
  input.button = buttonOf(event.button());
  input.leftHeld = event.buttons().testFlag(Qt::LeftButton);
  input.shift = event.modifiers().testFlag(Qt::ShiftModifier);
  input.ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  input.alt = event.modifiers().testFlag(Qt::AltModifier);
  const QPoint at = event.position().toPoint();
  input.x = at.x();
  input.y = at.y();
  return input;
}

}  // namespace

// Moves arrive without a button held too, for the coordinate display.
CanvasPanel::CanvasPanel(FontDocument& document, ReferenceUnderlay& reference, QWidget* parent)
    : QWidget(parent), document_(document), reference_(reference) {
  setAutoFillBackground(true);
  setMouseTracking(true);
  const auto redraw = [this] { repaint(); };
  // What the last click hit may be gone with the points an edit or a save removed.
  const auto redrawIfCurrent = [this](const GShape* shape) {
    if (shape != document_.currentShape()) return;
    gestures_.forgetHotPointUnlessIn(shape);
    repaint();
  };
  // Nothing may point into a character that is no longer the current one.
  connect(&document_, &FontDocument::currentChanged, this, [this] {
    gestures_.forgetShape();
    repaint();
  });
  connect(&document_, &FontDocument::fileChanged, this,
          [this] { gestures_.pendingInsert = PendingInsert::None; });
  connect(&document_, &FontDocument::shapeChanged, this,
          [this, redrawIfCurrent](const GShape* shape, ShapeChange change) {
            if (change == ShapeChange::Restored) gestures_.pendingInsert = PendingInsert::None;
            const bool replaced = change == ShapeChange::Outline || change == ShapeChange::Restored;
            if (replaced && shape == document_.currentShape()) gestures_.forgetShape();
            redrawIfCurrent(shape);
          });
  connect(&document_, &FontDocument::pointSelectionChanged, this, redrawIfCurrent);
  connect(&document_, &FontDocument::metricsChanged, this, redraw);
  connect(&reference_, &ReferenceUnderlay::changed, this, redraw);
}

CanvasPanel::~CanvasPanel() = default;

GridLayout CanvasPanel::layout() const {
  GridLayout layout;
  layout.above = document_.gridAbove();
  layout.below = document_.gridBelow();
  layout.columns = layout.rows = document_.gridSide();
  layout.fit(width(), height());
  return layout;
}

// Callers check the layout first: a panel too small for the grid has no grid positions.
GPoint CanvasPanel::pixelToGrid(int32_t px, int32_t py) const {
  const GridLayout::Cell cell = layout().pixelToGrid(px, py);
  return GPoint(cell.x, cell.y, gestures_.cursorPoint.isVirtual);
}

void CanvasPanel::setShowPenUpTrack(bool shown) {
  showPenUpTrack_ = shown;
  repaint();
}

void CanvasPanel::setShowPoints(bool shown) {
  showPoints_ = shown;
  repaint();
}

void CanvasPanel::setPreview(std::unique_ptr<GShape> shape) {
  preview_ = std::move(shape);
  repaint();
}

void CanvasPanel::resizeEvent(QResizeEvent*) { emit resized(); }

void CanvasPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paint(painter);
}

void CanvasPanel::mousePressEvent(QMouseEvent* event) { forward(onMouseDown, event); }
void CanvasPanel::mouseMoveEvent(QMouseEvent* event) { forward(onMouseMove, event); }
void CanvasPanel::mouseReleaseEvent(QMouseEvent* event) { forward(onMouseUp, event); }

EditTarget CanvasPanel::editTarget() const {
  return {document_.currentShape(), layout(), reference_.mode() == ReferenceMode::Face};
}

// The parts of a gesture's outcome that are not edits of the character.
GestureOutcome CanvasPanel::showGestureOutcome(const GestureOutcome& outcome) {
  if (outcome.overGrid) emit cursorMoved(gestures_.cursorPoint.x, gestures_.cursorPoint.y);
  reference_.moveBy(outcome.referenceDx, outcome.referenceDy);
  if (outcome.insertItemsEnabled) emit insertItemsEnabled(*outcome.insertItemsEnabled);
  return outcome;
}

void CanvasPanel::mouseDown(const QMouseEvent& event) {
  ++gestureCount_;
  runEdit([&] { return showGestureOutcome(gestures_.press(editTarget(), mouseInput(event))); });
}

// A move without the left button only shows the coordinates; it edits nothing, so it skips
// the snapshot runEdit takes for undo (this runs for every pointer move).
void CanvasPanel::mouseMove(const QMouseEvent& event) {
  if (!event.buttons().testFlag(Qt::LeftButton)) {
    showGestureOutcome(gestures_.move(editTarget(), mouseInput(event)));
    return;
  }
  runEdit([&] { return showGestureOutcome(gestures_.move(editTarget(), mouseInput(event))); });
}

void CanvasPanel::mouseUp(const QMouseEvent& event) {
  runEdit([&] { return showGestureOutcome(gestures_.release(editTarget(), mouseInput(event))); });
}

void CanvasPanel::runEdit(const std::function<EditResult()>& edit) {
  GShape* edited = document_.currentShape();
  PointSnapshot before = edited ? PointSnapshot::of(*edited) : PointSnapshot();
  const EditResult result = edit();
  gestures_.forgetHotPointUnlessIn(document_.currentShape());
  const bool changed = result.refresh == Refresh::Light || result.refresh == Refresh::Full;
  const ShapeChange shown =
      result.refresh == Refresh::Full ? ShapeChange::PointsShown : ShapeChange::Points;
  const bool stepped = result.edit != PointEdit::None && edited &&
                       edited == document_.currentShape() &&
                       recordStep(*edited, result.edit, std::move(before), shown);
  if (result.refresh == Refresh::Repaint) repaint();
  if (stepped || !changed) return;
  document_.markChangedWithoutStep();
  if (edited) document_.shapeEdited(edited, shown);
}

void CanvasPanel::editCurrentShape(const std::function<EditResult(GShape&)>& edit) {
  if (!document_.file() || !document_.currentShape()) return;
  runEdit([&] { return edit(*document_.currentShape()); });
}

bool CanvasPanel::recordStep(GShape& shape, PointEdit edit, PointSnapshot before,
                             ShapeChange shown) {
  PointSnapshot after = PointSnapshot::of(shape);
  if (after.samePath(before)) return false;
  document_.pushStep(new PointEditCommand(document_, document_.file()->indexOf(&shape), edit,
                                          gestureCount_, std::move(before), std::move(after),
                                          shown));
  return true;
}

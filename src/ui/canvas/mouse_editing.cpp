#include <QAction>
#include <QLabel>
#include <QMouseEvent>

#include "ui/canvas/panel.h"
#include "ui/main/main_window.h"

namespace {

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

EditTarget TFmMain::editTarget() const { return {currentShape, gridLayout(), refMode == 1}; }

// The parts of a gesture's outcome that are not edits of the character.
GestureOutcome TFmMain::showGestureOutcome(const GestureOutcome& outcome) {
  if (outcome.overGrid) {
    RzStatusPane1->setText(QString::asprintf("当前坐标[ X:%03d,Y:%03d ]", gestures.cursorPoint.x,
                                             gestures.cursorPoint.y));
  }
  refLeft = wrappingAdd(refLeft, outcome.referenceDx);
  refTop = wrappingAdd(refTop, outcome.referenceDy);
  if (outcome.insertItemsEnabled) {
    for (QAction* item :
         {NInsertVirtualBefore, NInsertRealBefore, NInsertVirtualAfter, NInsertRealAfter})
      item->setEnabled(*outcome.insertItemsEnabled);
  }
  return outcome;
}

void TFmMain::PanelMouseDown(const QMouseEvent& event) {
  ++gestureCount;
  runEdit([&] { return showGestureOutcome(gestures.press(editTarget(), mouseInput(event))); });
}

// A move without the left button only shows the coordinates; it edits nothing, so it skips
// the snapshot runEdit takes for undo (this runs for every pointer move).
void TFmMain::PanelMouseMove(const QMouseEvent& event) {
  if (!event.buttons().testFlag(Qt::LeftButton)) {
    showGestureOutcome(gestures.move(editTarget(), mouseInput(event)));
    return;
  }
  runEdit([&] { return showGestureOutcome(gestures.move(editTarget(), mouseInput(event))); });
}

void TFmMain::PanelMouseUp(const QMouseEvent& event) {
  runEdit([&] { return showGestureOutcome(gestures.release(editTarget(), mouseInput(event))); });
}

#include "editing/mouse_gestures.h"

#include <memory>

#include "model/shape.h"

GPoint MouseGestures::gridPoint(const GridLayout& grid, int32_t x, int32_t y) const {
  const GridLayout::Cell cell = grid.pixelToGrid(x, y);
  return GPoint(cell.x, cell.y, cursorPoint.isVirtual);
}

GestureOutcome MouseGestures::press(const EditTarget& target, const MouseInput& input) {
  GestureOutcome out;
  if (!target.shape || !target.grid.usable()) return out;
  if (input.button == MouseInput::Button::Left) {
    if (popupJustShown) closingPressSeen = true;
    if (editMode == EditMode::Normal) {
      pointsMoved = false;
      if (input.alt) {
        dragAnchorX = input.x;
        dragAnchorY = input.y;
      } else if (input.shift) {
        selStartX = selEndX = input.x;
        selStartY = selEndY = input.y;
        rubberBand = true;
        out.refresh = Refresh::Repaint;
      }
    } else if (editMode == EditMode::DragReference) {
      dragAnchorX = input.x;
      dragAnchorY = input.y;
    }
  } else if (input.button == MouseInput::Button::Right) {
    // Qt opens the pop-up menu on the press, so the press picks the point it acts on.
    const GPoint at = gridPoint(target.grid, input.x, input.y);
    hotPoint = target.shape->pointAt(at.x, at.y);
    out.insertItemsEnabled = editMode == EditMode::Normal && hotPoint != nullptr;
  }
  return out;
}

GestureOutcome MouseGestures::move(const EditTarget& target, const MouseInput& input) {
  GestureOutcome out;
  out.overGrid = target.grid.isOverGrid(input.x, input.y);
  if (out.overGrid) {
    const GridLayout::Cell cell = target.grid.pixelToGrid(input.x, input.y);
    cursorPoint.x = cell.x;
    cursorPoint.y = cell.y;
  }
  if (!target.shape) return out;
  if (editMode == EditMode::Normal) {
    if (input.leftHeld) moveInNormalMode(*target.shape, input, out);
    lastCursorPoint.assign(cursorPoint);
  } else if (editMode == EditMode::DragReference && input.leftHeld && target.glyphReference) {
    if (dragAnchorTo(input, out)) out.refresh = Refresh::Light;
  }
  return out;
}

void MouseGestures::moveInNormalMode(GShape& shape, const MouseInput& input, GestureOutcome& out) {
  if (popupJustShown) {
    popupJustShown = false;
    return;
  }
  if (input.shift) {
    selEndX = input.x;
    selEndY = input.y;
    rubberBand = true;
    out.refresh = Refresh::Repaint;
    return;
  }
  if (!GPoint::differs(cursorPoint, lastCursorPoint)) return;
  const GPoint step = GPoint::delta(cursorPoint, lastCursorPoint);
  if (input.alt) {
    // The reference glyph jumps whole cells, since it only moves when the grid position does.
    if (dragAnchorTo(input, out)) out.refresh = Refresh::Repaint;
    return;
  }
  bool moved = false;
  for (GPoint* p = shape.first(); p; p = shape.next()) {
    if (input.ctrl || p->isSelected()) {
      p->translate(step);
      moved = true;
    }
  }
  if (input.ctrl) {
    out.edit = PointEdit::MoveCharacter;
    out.refresh = Refresh::Full;
  } else if (moved) {
    pointsMoved = true;
    out.edit = PointEdit::MoveSelection;
    out.refresh = Refresh::Full;
  }
}

bool MouseGestures::dragAnchorTo(const MouseInput& input, GestureOutcome& out) {
  if (input.x == dragAnchorX && input.y == dragAnchorY) return false;
  out.referenceDx = wrappingSub(input.x, dragAnchorX);
  out.referenceDy = wrappingSub(input.y, dragAnchorY);
  dragAnchorX = input.x;
  dragAnchorY = input.y;
  return true;
}

GestureOutcome MouseGestures::release(const EditTarget& target, const MouseInput& input) {
  GestureOutcome out;
  if (!target.shape || !target.grid.usable()) return out;
  GShape& shape = *target.shape;
  const GPoint at = gridPoint(target.grid, input.x, input.y);
  if (input.button == MouseInput::Button::Left) {
    if (editMode == EditMode::Normal) {
      releaseInNormalMode(shape, target, input, at, out);
    } else if (editMode == EditMode::ContinuousAdd && !swallowClosingClick()) {
      addCursorPoint(shape);
      out.edit = PointEdit::AddPoint;
      out.refresh = Refresh::Full;
    } else if (editMode == EditMode::ContinuousDelete && !swallowClosingClick()) {
      for (GPoint* p = shape.first(); p; p = shape.next()) {
        if (GPoint::samePlace(*p, cursorPoint)) {
          shape.deletePoint(p);
          out.edit = PointEdit::DeleteAtCursor;
          break;
        }
      }
      out.refresh = Refresh::Full;
    }
    // The click that closed the pop-up menu ends here.
    popupJustShown = false;
    rubberBand = false;
  } else if (input.button != MouseInput::Button::Right) {
    return out;
  }
  hotPoint = shape.pointAt(at.x, at.y);
  return out;
}

void MouseGestures::releaseInNormalMode(GShape& shape, const EditTarget& target,
                                        const MouseInput& input, const GPoint& at,
                                        GestureOutcome& out) {
  out.refresh = Refresh::Repaint;
  if (pendingInsert != PendingInsert::None) {
    insertPending(shape, at, out);
  } else if (input.shift) {
    selEndX = input.x;
    selEndY = input.y;
    const GPoint start = gridPoint(target.grid, selStartX, selStartY);
    const GPoint end = gridPoint(target.grid, selEndX, selEndY);
    shape.selectInRect(start.x, start.y, end.x, end.y);
  } else if (!input.ctrl) {
    hotPoint = shape.pointAt(at.x, at.y);
    if (!hotPoint) return;
    if (!hotPoint->isSelected()) {
      hotPoint->select();
    } else if (!pointsMoved) {
      hotPoint->deselect();
    }
  }
}

void MouseGestures::insertPending(GShape& shape, const GPoint& at, GestureOutcome& out) {
  const PendingInsert kind = pendingInsert;
  pendingInsert = PendingInsert::None;
  if (!hotPoint) return;
  auto point = std::make_unique<GPoint>(at);
  if (kind == PendingInsert::VirtualBefore || kind == PendingInsert::VirtualAfter) {
    point->setVirtual();
  } else {
    point->setReal();
  }
  if (kind == PendingInsert::VirtualBefore || kind == PendingInsert::RealBefore) {
    shape.insertBefore(std::move(point), hotPoint);
  } else {
    shape.insertAfter(std::move(point), hotPoint);
  }
  out.edit = PointEdit::InsertPoint;
  out.refresh = Refresh::Light;
}

bool MouseGestures::swallowClosingClick() {
  if (!popupJustShown) return false;
  lastCursorPoint.assign(cursorPoint);
  popupJustShown = false;
  return true;
}

void MouseGestures::addCursorPoint(GShape& shape) {
  GPoint point = cursorPoint;
  point.deselect();
  shape.insertAfterSelected(point);
  forgetHotPointUnlessIn(&shape);
}

void MouseGestures::popupShown() {
  popupJustShown = true;
  closingPressSeen = false;
}

// Qt does not always pass the click that closes a menu on to the canvas; where it did not,
// no event belongs to closing the menu and the user's next click must count.
void MouseGestures::popupClosed() {
  if (!closingPressSeen) popupJustShown = false;
}

void MouseGestures::forgetHotPointUnlessIn(const GShape* shape) {
  if (hotPoint && !(shape && shape->contains(hotPoint))) hotPoint = nullptr;
}

void MouseGestures::forgetShape() {
  hotPoint = nullptr;
  rubberBand = false;
}

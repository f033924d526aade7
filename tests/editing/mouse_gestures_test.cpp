#include "editing/mouse_gestures.h"

#include <gtest/gtest.h>

#include <string>

#include "model/shape.h"

namespace {

enum Keys { kNone = 0, kShift = 1, kCtrl = 2, kAlt = 4 };
using Button = MouseInput::Button;

// The default 48 grid in a 472 x 480 panel: cells of 8 pixels, grid point (0, 31) at (48, 52).
class GestureTest : public testing::Test {
 protected:
  void SetUp() override { target.grid.fit(472, 480); }

  void add(int32_t x, int32_t y, bool isVirtual) { shape.addPoint(x, y, isVirtual ? 1 : 0); }

  static MouseInput input(Button button, int32_t px, int32_t py, int keys, bool leftHeld) {
    MouseInput in;
    in.button = button;
    in.leftHeld = leftHeld;
    in.shift = keys & kShift;
    in.ctrl = keys & kCtrl;
    in.alt = keys & kAlt;
    in.x = px;
    in.y = py;
    return in;
  }
  static int32_t px(int32_t x) { return 48 + 8 * x; }
  static int32_t py(int32_t y) { return 52 + 8 * (31 - y); }

  GestureOutcome press(int32_t x, int32_t y, int keys = kNone, Button b = Button::Left) {
    return gestures.press(target, input(b, px(x), py(y), keys, b == Button::Left));
  }
  GestureOutcome moveTo(int32_t x, int32_t y, int keys = kNone, bool leftHeld = true) {
    return gestures.move(target, input(Button::None, px(x), py(y), keys, leftHeld));
  }
  GestureOutcome release(int32_t x, int32_t y, int keys = kNone, Button b = Button::Left) {
    return gestures.release(target, input(b, px(x), py(y), keys, false));
  }
  // The pointer goes to the spot, then the left button goes down there.
  void grab(int32_t x, int32_t y, int keys = kNone) {
    moveTo(x, y, keys, false);
    press(x, y, keys);
  }
  // Press and release without crossing a grid position.
  GestureOutcome click(int32_t x, int32_t y, int keys = kNone) {
    grab(x, y, keys);
    return release(x, y, keys);
  }
  GPoint* at(int index) { return const_cast<GPoint*>(shape.pointAtIndex(index)); }

  // "v1,2* r3,4 ": pen, place and selection mark of every point.
  std::string path() const {
    std::string out;
    for (int i = 0; i < shape.pointCount(); ++i) {
      const GPoint* p = shape.pointAtIndex(i);
      out += (p->isVirtual ? "v" : "r") + std::to_string(p->x) + "," + std::to_string(p->y) +
             (p->isSelected() ? "*" : "") + " ";
    }
    return out;
  }

  GShape shape;
  EditTarget target{&shape, {}, false};
  MouseGestures gestures;
};

TEST_F(GestureTest, CoordinatesFollowThePointerOnlyInsideTheHalfCellBand) {
  // The band runs strictly from 44 to 428 across and from 48 to 432 down.
  const struct {
    int32_t x, y;
    bool over;
  } cases[] = {{44, 300, false}, {45, 300, true}, {427, 300, true}, {428, 300, false},
               {100, 48, false}, {100, 49, true}, {100, 431, true}, {100, 432, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(gestures.move(target, input(Button::None, c.x, c.y, kNone, false)).overGrid, c.over)
        << c.x << "," << c.y;
  }
  gestures.move(target, input(Button::None, 427, 431, kNone, false));
  EXPECT_EQ(gestures.cursorPoint.x, 47);
  EXPECT_EQ(gestures.cursorPoint.y, -16);
  gestures.move(target, input(Button::None, 500, 10, kNone, false));
  EXPECT_EQ(gestures.cursorPoint.x, 47);  // outside: the last position stays

  target.shape = nullptr;  // no character: the display still follows
  EXPECT_TRUE(moveTo(3, -5, kNone, false).overGrid);
  EXPECT_EQ(gestures.cursorPoint.y, -5);
  target.grid.cellSize = 0;  // a panel too small for the grid has no positions
  EXPECT_FALSE(moveTo(3, 4, kNone, false).overGrid);
}

TEST_F(GestureTest, ClicksSelectAndTheLastClickedPointBecomesHot) {
  add(2, 2, true);
  add(5, 5, false);
  add(5, 5, false);  // coincident: a click hits the later one

  EXPECT_EQ(click(5, 5).refresh, Refresh::Repaint);
  EXPECT_EQ(path(), "v2,2 r5,5 r5,5* ");
  EXPECT_EQ(gestures.hotPoint, at(2));
  click(5, 5);  // a second click deselects
  EXPECT_EQ(path(), "v2,2 r5,5 r5,5 ");

  click(9, 9);  // nothing there
  EXPECT_EQ(gestures.hotPoint, nullptr);

  const GestureOutcome ctrlClick = click(2, 2, kCtrl);
  EXPECT_EQ(path(), "v2,2 r5,5 r5,5 ");  // Ctrl + click selects nothing ...
  EXPECT_EQ(gestures.hotPoint, at(0));   // ... but still hits the point
  EXPECT_EQ(ctrlClick.edit, PointEdit::None);
}

TEST_F(GestureTest, DraggingMovesTheSelectionByTheGridStepsOfThePointer) {
  add(2, 2, true);
  add(6, 2, false);
  add(9, 9, false);
  at(0)->select();
  at(1)->select();

  grab(20, 20);                                      // the press spot does not matter
  EXPECT_EQ(moveTo(20, 20).refresh, Refresh::None);  // same position: nothing to do
  const GestureOutcome step = moveTo(22, 19);
  EXPECT_EQ(step.edit, PointEdit::MoveSelection);
  EXPECT_EQ(step.refresh, Refresh::Full);
  moveTo(23, 19);
  EXPECT_EQ(path(), "v5,1* r9,1* r9,9 ");
  EXPECT_TRUE(gestures.pointsMoved);

  release(5, 1);  // over a dragged point: it stays selected
  EXPECT_EQ(path(), "v5,1* r9,1* r9,9 ");

  grab(0, 0);  // a drag that ends over an unselected point selects it
  moveTo(0, 1);
  release(9, 10);
  EXPECT_EQ(path(), "v5,2* r9,2* r9,9 ");
  release(9, 2);
  EXPECT_EQ(path(), "v5,2* r9,2* r9,9 ");  // pointsMoved still protects the dragged point
  release(9, 9);
  EXPECT_EQ(path(), "v5,2* r9,2* r9,9* ");

  click(5, 2);  // with nothing selected a drag changes nothing
  click(9, 2);
  click(9, 9);
  grab(0, 0);
  EXPECT_EQ(moveTo(3, 3).refresh, Refresh::None);
  EXPECT_EQ(path(), "v5,2 r9,2 r9,9 ");
}

TEST_F(GestureTest, CtrlDragMovesTheWholeCharacterAndAltDragTheReference) {
  add(1, 1, true);
  add(4, 1, false);
  grab(10, 10, kCtrl);
  const GestureOutcome ctrlDrag = moveTo(12, 11, kCtrl);
  EXPECT_EQ(ctrlDrag.edit, PointEdit::MoveCharacter);
  EXPECT_EQ(ctrlDrag.refresh, Refresh::Full);
  EXPECT_EQ(path(), "v3,2 r6,2 ");
  release(12, 11, kCtrl);
  EXPECT_EQ(path(), "v3,2 r6,2 ");

  press(12, 11, kAlt);
  const GestureOutcome altDrag =
      gestures.move(target, input(Button::None, px(13) + 1, py(9), kAlt, true));
  EXPECT_EQ(altDrag.edit, PointEdit::None);
  EXPECT_EQ(altDrag.refresh, Refresh::Repaint);  // the reference moves, the file is not modified
  EXPECT_EQ(altDrag.referenceDx, 9);
  EXPECT_EQ(altDrag.referenceDy, 16);
  // Within the same grid position the reference does not follow.
  EXPECT_EQ(gestures.move(target, input(Button::None, px(13) + 2, py(9), kAlt, true)).referenceDx,
            0);
  EXPECT_EQ(path(), "v3,2 r6,2 ");
}

TEST_F(GestureTest, TheReferenceModeDragsTheGlyphPixelByPixelAndMarksTheFile) {
  gestures.editMode = EditMode::DragReference;
  gestures.press(target, input(Button::Left, 100, 100, kNone, true));
  EXPECT_EQ(gestures.move(target, input(Button::None, 103, 99, kNone, true)).refresh,
            Refresh::None);  // no reference glyph shown: a picture is not dragged
  target.glyphReference = true;
  const GestureOutcome drag = gestures.move(target, input(Button::None, 104, 98, kNone, true));
  EXPECT_EQ(drag.refresh, Refresh::Light);
  EXPECT_EQ(drag.referenceDx, 4);
  EXPECT_EQ(drag.referenceDy, -2);
  EXPECT_EQ(gestures.move(target, input(Button::None, 104, 98, kNone, false)).refresh,
            Refresh::None);  // button up
}

TEST_F(GestureTest, TheRubberBandAddsThePointsInsideToTheSelection) {
  add(1, 1, true);
  add(3, 3, false);
  add(8, 8, false);
  add(2, 6, false);
  at(3)->select();
  press(0, 4, kShift);
  EXPECT_TRUE(gestures.rubberBandShown());
  EXPECT_EQ(moveTo(5, 0, kShift).refresh, Refresh::Repaint);
  EXPECT_EQ(gestures.selEndX, px(5));
  EXPECT_EQ(path(), "v1,1 r3,3 r8,8 r2,6* ");  // moves only draw the band
  EXPECT_EQ(release(4, 0, kShift).edit, PointEdit::None);
  EXPECT_EQ(path(), "v1,1* r3,3* r8,8 r2,6* ");
  EXPECT_FALSE(gestures.rubberBandShown());
}

TEST_F(GestureTest, ContinuousAddPutsTheCursorPointAfterTheSelectionOrAtTheEnd) {
  gestures.editMode = EditMode::ContinuousAdd;
  gestures.cursorPoint.setReal();
  const GestureOutcome first = click(4, 4);
  EXPECT_EQ(first.edit, PointEdit::AddPoint);
  EXPECT_EQ(first.refresh, Refresh::Full);
  click(4, 4);  // the repeat is dropped
  EXPECT_EQ(path(), "r4,4 ");
  EXPECT_EQ(gestures.hotPoint, at(0));

  moveTo(7, 7, kNone, false);
  // Released outside the band: the point goes where the status pane last showed.
  gestures.move(target, input(Button::None, 470, 470, kNone, false));
  gestures.release(target, input(Button::Left, 470, 470, kNone, false));
  EXPECT_EQ(path(), "r4,4 r7,7 ");

  gestures.cursorPoint.setVirtual();
  add(9, 9, false);
  at(0)->select();
  at(2)->select();
  click(1, 1);
  EXPECT_EQ(path(), "r4,4* v1,1 r7,7 r9,9* v1,1 ");
}

TEST_F(GestureTest, ContinuousDeleteRemovesTheFirstPointThereOnly) {
  add(1, 1, true);
  add(5, 5, true);
  add(6, 6, false);
  add(5, 5, false);
  gestures.editMode = EditMode::ContinuousDelete;
  const GestureOutcome hit = click(5, 5);
  EXPECT_EQ(hit.edit, PointEdit::DeleteAtCursor);
  EXPECT_EQ(hit.refresh, Refresh::Full);
  EXPECT_EQ(path(), "v1,1 v6,6 r5,5 ");  // the next point takes the pen-up start
  const GestureOutcome miss = click(9, 9);
  EXPECT_EQ(miss.edit, PointEdit::None);
  EXPECT_EQ(miss.refresh, Refresh::Full);
}

TEST_F(GestureTest, AnArmedInsertPlacesThePointAtTheNextClick) {
  const struct {
    PendingInsert pending;
    const char* path;
  } cases[] = {{PendingInsert::VirtualBefore, "v1,1 v7,7 r3,3 "},
               {PendingInsert::RealBefore, "v1,1 r7,7 r3,3 "},
               {PendingInsert::VirtualAfter, "v1,1 r3,3 v7,7 "},
               {PendingInsert::RealAfter, "v1,1 r3,3 r7,7 "}};
  for (const auto& c : cases) {
    shape.deleteAll();
    add(1, 1, true);
    add(3, 3, false);
    gestures.hotPoint = at(1);
    gestures.pendingInsert = c.pending;
    const GestureOutcome out = click(7, 7);
    EXPECT_EQ(path(), c.path);
    EXPECT_EQ(out.edit, PointEdit::InsertPoint);
    EXPECT_EQ(out.refresh, Refresh::Light);
    EXPECT_EQ(gestures.pendingInsert, PendingInsert::None);
    EXPECT_EQ(gestures.hotPoint->x, 7);  // the click hit the new point
  }
  gestures.hotPoint = nullptr;
  gestures.pendingInsert = PendingInsert::RealBefore;
  click(8, 8);  // without a hot point the insert is dropped
  EXPECT_EQ(gestures.pendingInsert, PendingInsert::None);
  EXPECT_EQ(shape.pointCount(), 3);
}

TEST_F(GestureTest, TheRightPressPicksTheHotPointAndDecidesTheInsertItems) {
  add(1, 1, true);
  add(3, 3, false);
  const GestureOutcome onPoint = press(3, 3, kNone, Button::Right);
  EXPECT_EQ(gestures.hotPoint, at(1));
  EXPECT_EQ(onPoint.insertItemsEnabled, true);
  EXPECT_EQ(press(4, 4, kNone, Button::Right).insertItemsEnabled, false);
  EXPECT_EQ(gestures.hotPoint, nullptr);
  for (EditMode mode : {EditMode::ContinuousAdd, EditMode::ContinuousDelete, EditMode::DragReference}) {
    gestures.editMode = mode;
    EXPECT_EQ(press(3, 3, kNone, Button::Right).insertItemsEnabled, false);
    EXPECT_EQ(gestures.hotPoint, at(1));
  }
  EXPECT_EQ(press(3, 3, kNone, Button::Middle).refresh, Refresh::None);
}

TEST_F(GestureTest, ThePopupGuardOnlyKeepsTheClosingClickFromEditing) {
  gestures.editMode = EditMode::ContinuousAdd;
  moveTo(2, 2, kNone, false);
  // The click that closed the menu reached the canvas: it adds nothing.
  gestures.popupShown();
  press(5, 5);
  gestures.popupClosed();
  EXPECT_EQ(release(5, 5).edit, PointEdit::None);
  EXPECT_EQ(shape.pointCount(), 0);
  click(5, 5);
  EXPECT_EQ(shape.pointCount(), 1);

  // The menu closed without a click on the canvas: the next click counts.
  gestures.popupShown();
  gestures.popupClosed();
  click(6, 6);
  EXPECT_EQ(shape.pointCount(), 2);

  // Normal mode: a drag that closed the menu does not jump the selection.
  gestures.editMode = EditMode::Normal;
  at(0)->select();
  gestures.popupShown();
  press(20, 20);
  gestures.popupClosed();
  EXPECT_EQ(moveTo(20, 20).refresh, Refresh::None);
  EXPECT_EQ(path(), "v5,5* v6,6 ");
  moveTo(21, 20);
  EXPECT_EQ(path(), "v6,5* v6,6 ");
}

TEST_F(GestureTest, TheHotPointNeverOutlivesItsPoint) {
  add(1, 1, true);
  add(1, 1, false);  // a repeat that the next add removes
  gestures.hotPoint = at(1);
  gestures.cursorPoint.x = 4;
  gestures.addCursorPoint(shape);
  EXPECT_EQ(gestures.hotPoint, nullptr);
  gestures.hotPoint = at(0);
  gestures.forgetHotPointUnlessIn(&shape);
  EXPECT_EQ(gestures.hotPoint, at(0));
  gestures.forgetShape();
  EXPECT_EQ(gestures.hotPoint, nullptr);
}

}  // namespace

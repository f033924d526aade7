#pragma once

#include <cstdint>
#include <optional>

#include "editing/edit_result.h"
#include "editing/grid_layout.h"
#include "model/point.h"

class GShape;

// One mouse event on the canvas, as the window translates it.
struct MouseInput {
  enum class Button : uint8_t { None, Left, Right, Middle };
  Button button = Button::None;  // the button pressed or released
  bool leftHeld = false;         // the left button is down (moves)
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  int32_t x = 0;  // panel pixels
  int32_t y = 0;
};

// What a mouse event acts on.
struct EditTarget {
  GShape* shape = nullptr;      // the current character; null: only the coordinates follow
  GridLayout grid;              // the layout of the last repaint
  bool glyphReference = false;  // the reference glyph is shown and can be dragged
};

struct GestureOutcome : EditResult {
  bool overGrid = false;    // cursorPoint took the grid position under the pointer
  int32_t referenceDx = 0;  // the reference glyph moves by this many pixels
  int32_t referenceDy = 0;
  std::optional<bool> insertItemsEnabled;  // a right press decides the pop-up's insert items
};

// The edit modes, in the order of the mode buttons.
enum class EditMode : uint8_t { Normal, ContinuousAdd, ContinuousDelete, DragReference };
// The point the next click inserts next to hotPoint, in the order of the pop-up's items.
enum class PendingInsert : uint8_t { None, VirtualBefore, RealBefore, VirtualAfter, RealAfter };

// The decisions of mouse editing on the canvas: which points a press, move or release
// selects, adds, deletes, inserts or moves, and what has to be refreshed.
class MouseGestures {
 public:
  GestureOutcome press(const EditTarget& target, const MouseInput& input);
  GestureOutcome move(const EditTarget& target, const MouseInput& input);
  GestureOutcome release(const EditTarget& target, const MouseInput& input);

  // Continuous add and the Insert key: a copy of cursorPoint, unselected, after each
  // selected point (appended when none is); repeats of a predecessor are dropped.
  void addCursorPoint(GShape& shape);
  // The canvas pop-up menu has opened; it has closed and the event closing it has been
  // delivered. A press that closed the menu keeps the guard for the gesture it starts.
  void popupShown();
  void popupClosed();
  // Clears hotPoint unless it is still a point of `shape`. Called right after each edit,
  // before anything else can reuse the storage of a deleted point.
  void forgetHotPointUnlessIn(const GShape* shape);
  // A new current character, or none: nothing may point into the old one.
  void forgetShape();
  bool rubberBandShown() const { return rubberBand; }

  EditMode editMode = EditMode::Normal;
  GPoint cursorPoint{0, 0, 1};  // its pen state is that of new points
  GPoint lastCursorPoint{0, 0, 0};
  GPoint* hotPoint = nullptr;  // a point of the current character
  PendingInsert pendingInsert = PendingInsert::None;
  bool pointsMoved = false;
  bool popupJustShown = false;
  int32_t dragAnchorX = 0;
  int32_t dragAnchorY = 0;
  int32_t selStartX = 0;
  int32_t selStartY = 0;
  int32_t selEndX = 0;
  int32_t selEndY = 0;

 private:
  GPoint gridPoint(const GridLayout& grid, int32_t x, int32_t y) const;
  void moveInNormalMode(GShape& shape, const MouseInput& input, GestureOutcome& out);
  void releaseInNormalMode(GShape& shape, const EditTarget& target, const MouseInput& input,
                           const GPoint& at, GestureOutcome& out);
  void insertPending(GShape& shape, const GPoint& at, GestureOutcome& out);
  bool dragAnchorTo(const MouseInput& input, GestureOutcome& out);
  // Continuous add and delete swallow the click that closed the pop-up menu.
  bool swallowClosingClick();

  bool rubberBand = false;
  bool closingPressSeen = false;
};

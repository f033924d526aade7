#pragma once

#include <cstdint>

// What the window has to bring up to date after an edit of the current character.
enum class Refresh : uint8_t {
  None,     // nothing shown has changed
  Repaint,  // only the drawing changed: selection, rubber band, reference glyph position
  Light,    // the file changed: repaint, mark it modified, caption and command states
  Full,     // as Light, and the source view is rewritten
};

// Which change an edit made to the character's points; None for edits that only select or
// move the reference underlay.
enum class PointEdit : uint8_t {
  None,
  AddPoint,        // continuous add, the Insert key
  InsertPoint,     // an insert command carried out by a click
  DeleteAtCursor,  // continuous delete
  MoveSelection,   // dragging the selected points
  MoveCharacter,   // Ctrl + drag
  DeletePoint,     // 删除单个点
  DeleteSelected,  // 删除已选择的点, the Delete key
  DeleteAll,       // 删除所有点
};

struct EditResult {
  PointEdit edit = PointEdit::None;
  Refresh refresh = Refresh::None;
};

#pragma once

#include <cstdint>

// The keys the editor window takes for itself, whichever of its controls has the focus.
enum class EditorKey : uint8_t { Other, Escape, Space, Insert, Delete, F, T, X, F2, F4 };

enum class KeyCommand : uint8_t {
  None,               // the key is not the editor's: it goes to the focused control
  Swallow,            // taken, but does nothing (F without Ctrl)
  ClearSelection,     // Esc
  NextPenMode,        // Space
  AddCursorPoint,     // Insert
  DeleteSelected,     // Delete
  FindCharacter,      // Ctrl+F
  ToggleTrack,        // T
  TogglePoints,       // X
  NextEditMode,       // F2
  NextReferenceMode,  // F4
};

// T and X with Ctrl or Alt belong to the menus (Ctrl+X cuts), and so does Ctrl+F4 (exit)
// and Alt+F4 to the desktop.
KeyCommand keyCommandFor(EditorKey key, bool ctrl, bool alt);

// The item after `current` in a group of `count`, the first after the last.
int nextItemIndex(int current, int count);

#include "editing/key_commands.h"

KeyCommand keyCommandFor(EditorKey key, bool ctrl, bool alt) {
  const bool plain = !ctrl && !alt;
  switch (key) {
    case EditorKey::Escape:
      return KeyCommand::ClearSelection;
    case EditorKey::Space:
      return KeyCommand::NextPenMode;
    case EditorKey::Insert:
      return KeyCommand::AddCursorPoint;
    case EditorKey::Delete:
      return KeyCommand::DeleteSelected;
    case EditorKey::F:
      return ctrl ? KeyCommand::FindCharacter : KeyCommand::Swallow;
    case EditorKey::T:
      return plain ? KeyCommand::ToggleTrack : KeyCommand::None;
    case EditorKey::X:
      return plain ? KeyCommand::TogglePoints : KeyCommand::None;
    case EditorKey::F2:
      return KeyCommand::NextEditMode;
    case EditorKey::F4:
      return plain ? KeyCommand::NextReferenceMode : KeyCommand::None;
    case EditorKey::Other:
      break;
  }
  return KeyCommand::None;
}

int nextItemIndex(int current, int count) { return current + 1 >= count ? 0 : current + 1; }

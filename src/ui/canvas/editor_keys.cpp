#include <QKeyEvent>

#include "ui/canvas/panel.h"
#include "ui/main/choice_group.h"
#include "ui/main/main_window.h"

namespace {

EditorKey editorKey(int key) {
  switch (key) {
    case Qt::Key_Escape:
      return EditorKey::Escape;
    case Qt::Key_Space:
      return EditorKey::Space;
    case Qt::Key_Insert:
      return EditorKey::Insert;
    case Qt::Key_Delete:
      return EditorKey::Delete;
    case Qt::Key_F:
      return EditorKey::F;
    case Qt::Key_T:
      return EditorKey::T;
    case Qt::Key_X:
      return EditorKey::X;
    case Qt::Key_F2:
      return EditorKey::F2;
    case Qt::Key_F4:
      return EditorKey::F4;
    default:
      return EditorKey::Other;
  }
}

void stepGroup(ChoiceGroup* group) {
  group->setItemIndex(nextItemIndex(group->itemIndex(), group->count()));
}

}  // namespace

bool TFmMain::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      return takeEditorKey(watched, static_cast<QKeyEvent*>(event));
    default:
      return QMainWindow::eventFilter(watched, event);
  }
}

// The editor's keys act on release, once, whichever control of this window has the focus:
// the control sees neither the press nor the release, and no shortcut takes the key. Keys
// typed into other windows (dialogs, menus) and keys pressed elsewhere stay theirs.
bool TFmMain::takeEditorKey(QObject* watched, QKeyEvent* key) {
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this || !shapeFile || !currentShape) return false;
  const KeyCommand command =
      keyCommandFor(editorKey(key->key()), key->modifiers().testFlag(Qt::ControlModifier),
                    key->modifiers().testFlag(Qt::AltModifier));
  if (command == KeyCommand::None) return false;
  if (key->type() == QEvent::ShortcutOverride) {
    key->accept();
  } else if (key->type() == QEvent::KeyPress) {
    editorKeyPressed = key->key();
  } else if (!key->isAutoRepeat() && editorKeyPressed == key->key()) {
    editorKeyPressed = 0;
    guarded(*prompts, [this, command] { FormKeyUp(command); })();
  }
  return true;
}

void TFmMain::FormKeyUp(KeyCommand command) {
  if (!shapeFile || !currentShape) return;
  switch (command) {
    case KeyCommand::None:
    case KeyCommand::Swallow:
      break;
    case KeyCommand::ClearSelection:
      editCurrentShape([](GShape& shape) {
        shape.clearSelection();
        return EditResult{PointEdit::None, Refresh::Repaint};
      });
      updateCommandStates();
      break;
    case KeyCommand::NextPenMode:
      stepGroup(RzRadioGroup1);
      break;
    case KeyCommand::AddCursorPoint:
      editCurrentShape([this](GShape& shape) {
        gestures.addCursorPoint(shape);
        return EditResult{PointEdit::AddPoint, Refresh::Full};
      });
      break;
    case KeyCommand::DeleteSelected:
      editCurrentShape([](GShape& shape) {
        return shape.deleteSelected() ? EditResult{PointEdit::DeleteSelected, Refresh::Full}
                                      : EditResult{};
      });
      break;
    case KeyCommand::FindCharacter:
      NFindShapeClick();
      break;
    case KeyCommand::ToggleTrack:
      RzCheckGroup1->setChecked(0, !RzCheckGroup1->isChecked(0));
      break;
    case KeyCommand::TogglePoints:
      RzCheckGroup1->setChecked(1, !RzCheckGroup1->isChecked(1));
      break;
    case KeyCommand::NextEditMode:
      stepGroup(RzRadioGroup2);
      break;
    case KeyCommand::NextReferenceMode:
      stepGroup(RzRadioGroup3);
      break;
  }
}

#include "ui/canvas/editor_keys.h"

#include <QKeyEvent>
#include <QWidget>

#include "ui/document/font_document.h"

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

}  // namespace

EditorKeys::EditorKeys(QWidget& window, const FontDocument& document,
                       std::function<void(KeyCommand)> run)
    : QObject(&window), window_(window), document_(document), run_(std::move(run)) {}

bool EditorKeys::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      return take(watched, static_cast<QKeyEvent*>(event));
    default:
      return false;
  }
}

bool EditorKeys::take(QObject* watched, QKeyEvent* key) {
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != &window_ || !document_.file() || !document_.currentShape()) {
    return false;
  }
  const KeyCommand command =
      keyCommandFor(editorKey(key->key()), key->modifiers().testFlag(Qt::ControlModifier),
                    key->modifiers().testFlag(Qt::AltModifier));
  if (command == KeyCommand::None) return false;
  // A field for typing text keeps the keys, and no menu shortcut (Ctrl+F) takes them from it.
  if (widget->property("typesText").toBool()) {
    if (key->type() == QEvent::ShortcutOverride) key->accept();
    return false;
  }
  if (key->type() == QEvent::ShortcutOverride) {
    key->accept();
  } else if (key->type() == QEvent::KeyPress) {
    pressed_ = key->key();
  } else if (!key->isAutoRepeat() && pressed_ == key->key()) {
    pressed_ = 0;
    run_(command);
  }
  return true;
}

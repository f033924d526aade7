#pragma once

#include <QObject>
#include <functional>

#include "editing/key_commands.h"

class FontDocument;
class QKeyEvent;
class QWidget;

// The editor's keys act on release, once, whichever control of the window has the focus,
// while a character is current: the control sees neither the press nor the release, and no
// shortcut takes the key. Keys typed into other windows (dialogs, menus) and keys pressed
// elsewhere stay theirs, and so do the keys typed into a field of the window that has the
// property "typesText" set. Installed on the application.
class EditorKeys : public QObject {
 public:
  EditorKeys(QWidget& window, const FontDocument& document, std::function<void(KeyCommand)> run);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool take(QObject* watched, QKeyEvent* key);

  QWidget& window_;
  const FontDocument& document_;
  std::function<void(KeyCommand)> run_;
  int pressed_ = 0;  // the Qt key of the editor key pressed in the window, 0 none
};

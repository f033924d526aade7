#pragma once

#include <QString>

class QAction;
class QWidget;

// A hint "short|long": the tool tip shows the short part, the status bar the long part.
// Without "|" the whole text is both; a hint ending in "|" has an empty long part.
struct Hint {
  QString shortPart;
  QString longPart;
};

Hint splitHint(const QString& hint);
void applyHint(QAction* action, const QString& hint);
void applyHint(QWidget* widget, const QString& hint);

#include "ui/shared/hints.h"

#include <QAction>
#include <QWidget>

Hint splitHint(const QString& hint) {
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  if (bar < 0) return {hint, hint};
  return {hint.left(bar), hint.mid(bar + 1)};
}

void applyHint(QAction* action, const QString& hint) {
  const Hint parts = splitHint(hint);
  action->setToolTip(parts.shortPart);
  action->setStatusTip(parts.longPart);
}

void applyHint(QWidget* widget, const QString& hint) {
  const Hint parts = splitHint(hint);
  widget->setToolTip(parts.shortPart);
  widget->setStatusTip(parts.longPart);
}

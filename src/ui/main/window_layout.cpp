#include "ui/main/window_layout.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QSplitter>

namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kStateKey = QStringLiteral("window/state");
const QString kSplitterKey = QStringLiteral("window/splitters/");

// Room beside the list, the side panel and an overview dock for a canvas of 48 cells of
// 8 pixels and its margins.
constexpr int kFirstWidth = 1220;
// The canvas's 48 cells of 8 pixels and its margins of 24, and the text preview's 112 under it.
constexpr int kFirstCanvasPaneHeight = 48 * 8 + 2 * 24 + 112;

QList<QSplitter*> splittersOf(const QMainWindow& window) {
  return window.findChildren<QSplitter*>();
}

// The first size keeps the window's minimum height and is no wider than the screen.
void placeForFirstStart(QMainWindow& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
  window.resize(qMax(window.minimumWidth(), qMin(kFirstWidth, available.width())),
                window.minimumHeight());
  window.layout()->activate();
  // RzSplitter2 holds the canvas pane above the source view, which keeps the rest.
  if (auto* panes = window.findChild<QSplitter*>(QStringLiteral("RzSplitter2"))) {
    const int extent = panes->height() - panes->handleWidth();
    const int canvasPane =
        qMin(kFirstCanvasPaneHeight, extent - panes->widget(1)->minimumSizeHint().height());
    panes->setSizes({canvasPane, extent - canvasPane});
  }
  window.move(available.center() - window.rect().center());
}

}  // namespace

void restoreWindowLayout(QMainWindow& window) {
  const QSettings user;
  const QByteArray geometry = user.value(kGeometryKey).toByteArray();
  if (geometry.isEmpty() || !window.restoreGeometry(geometry)) {
    placeForFirstStart(window);
    return;
  }
  window.restoreState(user.value(kStateKey).toByteArray());
  for (QSplitter* splitter : splittersOf(window))
    splitter->restoreState(user.value(kSplitterKey + splitter->objectName()).toByteArray());
}

void saveWindowLayout(const QMainWindow& window) {
  QSettings user;
  user.setValue(kGeometryKey, window.saveGeometry());
  user.setValue(kStateKey, window.saveState());
  for (const QSplitter* splitter : splittersOf(window))
    user.setValue(kSplitterKey + splitter->objectName(), splitter->saveState());
}

#include <QUndoStack>

#include "editing/point_snapshot.h"
#include "ui/canvas/panel.h"
#include "ui/edits/outline_command.h"
#include "ui/main/main_window.h"

namespace {

std::unique_ptr<GShape> copyOf(const GShape& shape) {
  auto copy = std::make_unique<GShape>();
  copy->copyFrom(shape);
  return copy;
}

bool sameOutline(const GShape& a, const GShape& b) {
  return a.width() == b.width() && a.byteCount() == b.byteCount() &&
         PointSnapshot::of(a).samePath(PointSnapshot::of(b));
}

}  // namespace

// The clipboard is the window's own shape; the system clipboard is not used for outlines.
void TFmMain::NCopyClick() {
  if (!currentShape) return;
  if (!clipShape) clipShape = std::make_unique<GShape>();
  clipShape->copyFrom(*currentShape);
  updateCommandStates();
}

// The character stays, with its advance and without points.
void TFmMain::NCutClick() {
  if (!currentShape) return;
  NCopyClick();
  GShape emptied;
  emptied.copyFrom(*currentShape);
  emptied.deleteAll();
  replaceOutline(QStringLiteral("剪切"), emptied);
}

// The character keeps its code and takes the clipboard's points and advance.
void TFmMain::NPasteClick() {
  if (!clipShape || !currentShape) return;
  replaceOutline(QStringLiteral("粘贴"), *clipShape);
}

// The source view shows the new outline after the next pick or rewriting edit.
void TFmMain::replaceOutline(const QString& stepName, const GShape& outline) {
  std::unique_ptr<GShape> before = copyOf(*currentShape);
  gestures.forgetShape();  // every point is replaced
  currentShape->copyFrom(outline);
  if (sameOutline(*before, *currentShape)) {
    markChangedWithoutStep();
  } else {
    undoStack->push(new OutlineCommand(*this, stepName, shapeFile->indexOf(currentShape),
                                       std::move(before), copyOf(*currentShape)));
  }
  updateCaption();
  updateCommandStates();
  Panel->repaint();
}

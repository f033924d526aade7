#include "ui/canvas/panel.h"
#include "ui/main/main_window.h"

// A change of points becomes an undo step; what marks the file without changing points
// (the reference position, deleting where nothing is) is kept outside the steps.
void TFmMain::runEdit(const std::function<EditResult()>& edit) {
  GShape* edited = currentShape;
  PointSnapshot before = edited ? PointSnapshot::of(*edited) : PointSnapshot();
  const EditResult result = edit();
  gestures.forgetHotPointUnlessIn(currentShape);
  const bool stepped = result.edit != PointEdit::None && edited && edited == currentShape &&
                       recordStep(*edited, result.edit, std::move(before));
  if (!stepped && (result.refresh == Refresh::Light || result.refresh == Refresh::Full))
    changedOutsideSteps = true;
  switch (result.refresh) {
    case Refresh::None:
      break;
    case Refresh::Repaint:
      Panel->repaint();
      break;
    case Refresh::Light:
      refreshAfterEdit(false);
      break;
    case Refresh::Full:
      refreshAfterEdit(true);
      break;
  }
}

void TFmMain::editCurrentShape(const std::function<EditResult(GShape&)>& edit) {
  if (!shapeFile || !currentShape) return;
  runEdit([&] { return edit(*currentShape); });
}

void TFmMain::refreshAfterEdit(bool rewriteSource) {
  Panel->repaint();
  if (rewriteSource) fillSourceView();
  updateModified();
  updateCaption();
  updateCommandStates();
}

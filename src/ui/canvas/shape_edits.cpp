#include "ui/canvas/panel.h"
#include "ui/main/main_window.h"

void TFmMain::runEdit(const std::function<EditResult()>& edit) {
  const EditResult result = edit();
  gestures.forgetHotPointUnlessIn(currentShape);
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
  modified = true;
  updateCaption();
  updateCommandStates();
}

#include "ui/canvas/point_commands.h"

#include "model/shape.h"
#include "ui/canvas/panel.h"
#include "ui/document/font_document.h"

namespace {

EditResult selectionChanged() { return {PointEdit::None, Refresh::Repaint}; }
// The source view shows what these deleted with the next edit that rewrites it.
EditResult deleted(PointEdit edit) { return {edit, Refresh::Light}; }

}  // namespace

PointCommands::PointCommands(FontDocument& document, CanvasPanel& canvas)
    : document_(document), canvas_(canvas) {}

void PointCommands::selectLine() {
  const GPoint* hit = canvas_.gestures().hotPoint;
  if (!hit) return;
  canvas_.editCurrentShape([hit](GShape& shape) {
    shape.selectStroke(hit);
    return selectionChanged();
  });
}

void PointCommands::invertSelection() {
  canvas_.editCurrentShape([](GShape& shape) {
    shape.invertSelection();
    return selectionChanged();
  });
}

void PointCommands::selectAll() {
  canvas_.editCurrentShape([](GShape& shape) {
    shape.selectAll();
    return selectionChanged();
  });
}

void PointCommands::deselectAll() {
  canvas_.editCurrentShape([](GShape& shape) {
    shape.clearSelection();
    return selectionChanged();
  });
}

void PointCommands::deletePoint() {
  GPoint* hit = canvas_.gestures().hotPoint;
  if (!hit) return;
  canvas_.editCurrentShape([hit](GShape& shape) {
    shape.deletePoint(hit);
    return deleted(PointEdit::DeletePoint);
  });
}

void PointCommands::deleteSelected() {
  canvas_.editCurrentShape([](GShape& shape) {
    shape.deleteSelected();
    return deleted(PointEdit::DeleteSelected);
  });
}

void PointCommands::deleteAll() {
  canvas_.editCurrentShape([](GShape& shape) {
    shape.deleteAll();
    return deleted(PointEdit::DeleteAll);
  });
}

void PointCommands::armInsert(PendingInsert kind) {
  if (document_.file() && document_.currentShape()) canvas_.gestures().pendingInsert = kind;
}

void PointCommands::addCursorPoint() {
  canvas_.editCurrentShape([this](GShape& shape) {
    canvas_.gestures().addCursorPoint(shape);
    return EditResult{PointEdit::AddPoint, Refresh::Full};
  });
}

void PointCommands::deleteSelectedByKey() {
  canvas_.editCurrentShape([](GShape& shape) {
    return shape.deleteSelected() ? EditResult{PointEdit::DeleteSelected, Refresh::Full}
                                  : EditResult{};
  });
}

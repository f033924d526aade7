#include <QAction>
#include <QMenu>

#include "ui/canvas/panel.h"
#include "ui/main/main_window.h"

namespace {

EditResult selectionChanged() { return {PointEdit::None, Refresh::Repaint}; }
EditResult deleted(PointEdit edit) { return {edit, Refresh::Light}; }

}  // namespace

void TFmMain::connectPointCommands() {
  // The menu item and its pop-up twin share the handler; the insert items are pop-up only.
  struct Command {
    QAction* menuItem;
    QAction* popupItem;
    void (TFmMain::*handler)();
  };
  const Command commands[] = {
      {NMSelectLine, NSelecteLine, &TFmMain::NSelecteLineClick},
      {NMSelectInvert, NSelecteInvert, &TFmMain::NSelecteInvertClick},
      {NMSeleceAll, NSelecteAll, &TFmMain::NSelecteAllClick},
      {NMDeselectAll, NDeselecteAll, &TFmMain::NDeselecteAllClick},
      {NMDeletePoint, NDelPoint, &TFmMain::NDelPointClick},
      {NMDeleteSel, NDelSel, &TFmMain::NDelSelClick},
      {NMDeleteAll, NDelAll, &TFmMain::NDelAllClick},
      {nullptr, NInsertVirtualBefore, &TFmMain::NInsertVirtualBeforeClick},
      {nullptr, NInsertRealBefore, &TFmMain::NInsertRealBeforeClick},
      {nullptr, NInsertVirtualAfter, &TFmMain::NInsertVirtualAfterClick},
      {nullptr, NInsertRealAfter, &TFmMain::NInsertRealAfterClick},
  };
  for (const Command& command : commands) {
    for (QAction* item : {command.menuItem, command.popupItem}) {
      if (item) bind(item, &QAction::triggered, [this, h = command.handler] { (this->*h)(); });
    }
  }
  bind(ShapePopMenu, &QMenu::aboutToShow, [this] { ShapePopMenuPopup(); });
  // Runs once the event that closed the menu has been delivered, a click on the canvas too.
  connect(
      ShapePopMenu, &QMenu::aboutToHide, this, [this] { gestures.popupClosed(); },
      Qt::QueuedConnection);
}

void TFmMain::ShapePopMenuPopup() { gestures.popupShown(); }

void TFmMain::NSelecteLineClick() {
  if (!gestures.hotPoint) return;
  editCurrentShape([this](GShape& shape) {
    shape.selectStroke(gestures.hotPoint);
    return selectionChanged();
  });
}

void TFmMain::NSelecteInvertClick() {
  editCurrentShape([](GShape& shape) {
    for (GPoint* p = shape.first(); p; p = shape.next()) {
      if (p->isSelected()) {
        p->deselect();
      } else {
        p->select();
      }
    }
    return selectionChanged();
  });
}

void TFmMain::NSelecteAllClick() {
  editCurrentShape([](GShape& shape) {
    for (GPoint* p = shape.first(); p; p = shape.next()) p->select();
    return selectionChanged();
  });
}

void TFmMain::NDeselecteAllClick() {
  editCurrentShape([](GShape& shape) {
    shape.clearSelection();
    return selectionChanged();
  });
}

// The three delete commands mark the file modified even when nothing was there to delete;
// the source view shows the change with the next edit that rewrites it.
void TFmMain::NDelPointClick() {
  if (!gestures.hotPoint) return;
  editCurrentShape([this](GShape& shape) {
    shape.deletePoint(gestures.hotPoint);
    return deleted(PointEdit::DeletePoint);
  });
}

void TFmMain::NDelSelClick() {
  editCurrentShape([](GShape& shape) {
    shape.deleteSelected();
    return deleted(PointEdit::DeleteSelected);
  });
}

void TFmMain::NDelAllClick() {
  editCurrentShape([](GShape& shape) {
    shape.deleteAll();
    return deleted(PointEdit::DeleteAll);
  });
}

// The insert commands wait for the next click in normal editing, which places the point.
void TFmMain::armInsert(uint8_t kind) {
  if (shapeFile && currentShape) gestures.pendingInsert = kind;
}

void TFmMain::NInsertVirtualBeforeClick() { armInsert(1); }
void TFmMain::NInsertRealBeforeClick() { armInsert(2); }
void TFmMain::NInsertVirtualAfterClick() { armInsert(3); }
void TFmMain::NInsertRealAfterClick() { armInsert(4); }

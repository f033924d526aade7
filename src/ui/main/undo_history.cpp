#include <QAction>
#include <QSignalBlocker>
#include <QUndoStack>

#include "ui/canvas/panel.h"
#include "ui/characters/character_list.h"
#include "ui/edits/point_edit_command.h"
#include "ui/icons/icons.h"
#include "ui/main/main_window.h"

namespace {

constexpr int kUndoLimit = 500;

// The caption carries the step's name ("撤销 移动点"), and so do the tool tip and the hint.
QAction* stepAction(QAction* action, const char* name, IconIndex icon, const QString& caption) {
  action->setObjectName(QString::fromLatin1(name));
  action->setIcon(commandIcon(icon));
  action->setIconText(caption);
  action->setIconVisibleInMenu(true);
  const auto hint = [action] {
    action->setToolTip(action->text());
    action->setStatusTip(action->text());
  };
  QObject::connect(action, &QAction::changed, action, hint);
  hint();
  return action;
}

}  // namespace

void TFmMain::createUndoActions() {
  undoStack = new QUndoStack(this);
  undoStack->setUndoLimit(kUndoLimit);
  NMUndo = stepAction(undoStack->createUndoAction(this, QStringLiteral("撤销")), "NMUndo",
                      IconIndex::Undo, QStringLiteral("撤销"));
  NMUndo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
  NMRedo = stepAction(undoStack->createRedoAction(this, QStringLiteral("重做")), "NMRedo",
                      IconIndex::Redo, QStringLiteral("重做"));
  NMRedo->setShortcuts(
      {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
  const auto showSavedState = [this] {
    updateModified();
    updateCaption();
  };
  connect(undoStack, &QUndoStack::indexChanged, this, showSavedState);
  connect(undoStack, &QUndoStack::cleanChanged, this, showSavedState);
}

bool TFmMain::recordStep(GShape& shape, PointEdit edit, PointSnapshot before) {
  PointSnapshot after = PointSnapshot::of(shape);
  if (after.samePath(before)) return false;
  undoStack->push(new PointEditCommand(*this, shapeFile->indexOf(&shape), edit, gestureCount,
                                       std::move(before), std::move(after)));
  return true;
}

GShpFile* TFmMain::editedFile() { return shapeFile.get(); }

// An undone or redone step shows its character as a pick in the list would, without
// putting the pen up: nothing may point to the points it replaced.
void TFmMain::showRestoredShape(GShape* shape) {
  gestures.forgetShape();
  gestures.pendingInsert = 0;
  currentShape = shape;
  currentChar = shape->listText();
  selectListItemByText(currentChar);
  Panel->repaint();
  fillSourceView();
  updateCaption();
  updateCommandStates();
}

void TFmMain::showChangedList(const std::string& text, int row) {
  refillCharacterList();
  if (!selectListItemByText(text) && row >= 0) {
    const QSignalBlocker quiet(RzListBox1);
    RzListBox1->setCurrentRow(row);
  }
  RzListBox1Click();
  updateCaption();
}

void TFmMain::updateModified() {
  modified = shapeFile && (changedOutsideSteps || !undoStack->isClean());
}

void TFmMain::markChangedWithoutStep() {
  changedOutsideSteps = true;
  updateModified();
}

void TFmMain::forgetSteps() {
  changedOutsideSteps = false;
  undoStack->clear();
  updateModified();
}

void TFmMain::markSaved() {
  changedOutsideSteps = false;
  undoStack->setClean();
  updateModified();
}

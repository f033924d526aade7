#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "ui/main/choice_group.h"
#include "ui/main/main_window.h"

// The one place that enables and disables commands, from three facts of the state. A tool
// button that shares its menu item's action follows that action.
void TFmMain::updateCommandStates() {
  const bool fileOpen = shapeFile != nullptr;
  const bool shapeCurrent = currentShape != nullptr;
  const bool clipFilled = clipShape != nullptr;
  const bool fileEmpty = fileOpen && shapeFile->shapeCount() == 0;

  for (QAction* item : {NMNew, NMOpen, NMImport}) item->setEnabled(!fileOpen);
  for (QAction* item : {NMSave, NMSaveAs, NMExportSHX, NMClose}) item->setEnabled(fileOpen);
  NMFontType->menuAction()->setEnabled(fileOpen);
  for (QAction* item : {NMASCII, NMUNIFONT, NMBIGFONT}) item->setEnabled(fileEmpty);
  NMFontSize->menuAction()->setEnabled(fileOpen);
  for (QAction* item : gridSizeItems) item->setEnabled(fileEmpty);
  NMFontFlag->menuAction()->setEnabled(fileOpen);
  for (QAction* item : {NMFlagNormal, NMFlagLie}) item->setEnabled(fileEmpty);
  NFontProperty->setEnabled(fileOpen);
  for (QAction* item : {NNewShape, NDeleteShape, NFindShape}) item->setEnabled(fileOpen);
  // BtnCut, BtnCopy, BtnNew, BtnOpen, BtnSave, BtnSaveAs and BtnClose follow NMCut, NMCopy,
  // NMNew, NMOpen, NMSave, NMSaveAs and NMClose.
  BtnPasteAction->setEnabled(clipFilled && fileOpen);
  for (QAction* item : {NMCut, NMCopy}) item->setEnabled(shapeCurrent);
  NMPaste->setEnabled(clipFilled);
  for (QAction* item : {NMSelectLine, NMSelectInvert, NMSeleceAll, NMDeselectAll, NMDeleteSel,
                        NMDeleteAll, NMDeletePoint})
    item->setEnabled(shapeCurrent);
  for (QAction* item : {NCut, NCopy}) item->setEnabled(shapeCurrent);
  NPaste->setEnabled(clipFilled);
  for (QAction* item :
       {NSelecteLine, NSelecteInvert, NSelecteAll, NDeselecteAll, NDelPoint, NDelSel, NDelAll})
    item->setEnabled(shapeCurrent);
  RzRadioGroup3->setEnabled(shapeCurrent);
}

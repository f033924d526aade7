#include <QAction>
#include <QMenu>

#include "shapefile/shpfile.h"
#include "ui/characters/character_commands.h"
#include "ui/document/font_document.h"
#include "ui/shared/choice_group.h"
#include "ui/main/main_window.h"
#include "ui/reference/reference_underlay.h"

// The one place that enables and disables commands, from four facts of the state. A tool
// button that shares its menu item's action follows that action.
void TFmMain::updateCommandStates() {
  const MainActions& a = actions;
  const bool fileOpen = fontDocument->file() != nullptr;
  const bool shapeCurrent = fontDocument->currentShape() != nullptr;
  const bool clipFilled = characterCommands->clipboardFilled();
  const bool fileEmpty = fileOpen && fontDocument->file()->shapeCount() == 0;

  for (QAction* item : {a.NMNew, a.NMOpen, a.NMImport}) item->setEnabled(!fileOpen);
  for (QAction* item : {a.NMSave, a.NMSaveAs, a.NMExportSHX, a.NMClose}) item->setEnabled(fileOpen);
  NMFontType->menuAction()->setEnabled(fileOpen);
  for (QAction* item : {a.NMASCII, a.NMUNIFONT, a.NMBIGFONT}) item->setEnabled(fileEmpty);
  NMFontSize->menuAction()->setEnabled(fileOpen);
  for (QAction* item : a.gridSizeItems) item->setEnabled(fileEmpty);
  NMFontFlag->menuAction()->setEnabled(fileOpen);
  for (QAction* item : {a.NMFlagNormal, a.NMFlagLie}) item->setEnabled(fileEmpty);
  a.NFontProperty->setEnabled(fileOpen);
  for (QAction* item : {a.NNewShape, a.NDeleteShape, a.NFindShape}) item->setEnabled(fileOpen);
  // BtnCut, BtnCopy, BtnNew, BtnOpen, BtnSave, BtnSaveAs and BtnClose follow NMCut, NMCopy,
  // NMNew, NMOpen, NMSave, NMSaveAs and NMClose.
  a.BtnPasteAction->setEnabled(clipFilled && fileOpen);
  a.NMPaste->setEnabled(clipFilled);
  a.NPaste->setEnabled(clipFilled);
  for (QAction* item :
       {a.NMCut, a.NMCopy, a.NMSelectLine, a.NMSelectInvert, a.NMSeleceAll, a.NMDeselectAll,
        a.NMDeleteSel, a.NMDeleteAll, a.NMDeletePoint, a.NCut, a.NCopy, a.NSelecteLine,
        a.NSelecteInvert, a.NSelecteAll, a.NDeselecteAll, a.NDelPoint, a.NDelSel, a.NDelAll,
        a.NMDraft, a.NMPlaceReference})
    item->setEnabled(shapeCurrent);
  a.NMDraftBatch->setEnabled(fileOpen && !fileEmpty);
  const bool selected = fileOpen && !fontDocument->selection().empty();
  for (QAction* item : {a.NMTransform, a.NMCentre, a.NMFitCell, a.NMSetWidth, a.NMDeleteCharacters,
                        a.NMRedraft, a.NMReviewed})
    item->setEnabled(selected);
  reference->RzRadioGroup3->setEnabled(shapeCurrent);
}

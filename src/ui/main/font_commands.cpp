#include <QAction>
#include <QActionGroup>

#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"
#include "ui/main/font_setup.h"
#include "ui/main/main_window.h"

// The font submenus: each command marks its item when it takes effect, so a refused one,
// or one without an open font, leaves the marks as they were.

void TFmMain::connectFontCommands() {
  using Command = void (TFmMain::*)(QAction*);
  const auto connectItem = [this](QAction* item, Command command) {
    bind(item, &QAction::triggered, [this, item, command] {
      actions.restoreFontMarks();
      (this->*command)(item);
      actions.rememberFontMarks();
    });
  };
  const Command gridSizeCommands[] = {
      &TFmMain::N1212Click,   &TFmMain::N2424Click,  &TFmMain::N3636Click, &TFmMain::N4848Click,
      &TFmMain::N6060Click,   &TFmMain::N7272Click,  &TFmMain::N8484Click, &TFmMain::N9696Click,
      &TFmMain::N108108Click, &TFmMain::N120120Click};
  for (size_t i = 0; i < actions.gridSizeItems.size(); ++i)
    connectItem(actions.gridSizeItems[i], gridSizeCommands[i]);
  connectItem(actions.NMASCII, &TFmMain::NMASCIIClick);
  connectItem(actions.NMUNIFONT, &TFmMain::NMUNIFONTClick);
  connectItem(actions.NMBIGFONT, &TFmMain::NMBIGFONTClick);
  connectItem(actions.NMFlagNormal, &TFmMain::NMFlagNormalClick);
  connectItem(actions.NMFlagLie, &TFmMain::NMFlagLieClick);
  actions.rememberFontMarks();
}

void TFmMain::markFontItems() {
  const GShpFile* file = fontDocument->file();
  if (!file) return;
  QAction* const kinds[] = {actions.NMASCII, actions.NMUNIFONT, actions.NMBIGFONT};
  const uint8_t kind = file->kind();
  if (kind >= GShpFile::kindAscii && kind <= GShpFile::kindBigfont)
    kinds[kind - GShpFile::kindAscii]->setChecked(true);
  const uint8_t index = file->gridIndex();
  if (index < actions.gridSizeItems.size()) {
    actions.gridSizeItems[index]->setChecked(true);
  } else if (QAction* marked = actions.fontSizeGroup->checkedAction()) {
    marked->setChecked(false);
  }
  if (file->direction() == 0) actions.NMFlagNormal->setChecked(true);
  if (file->direction() == 1) actions.NMFlagLie->setChecked(true);
  actions.rememberFontMarks();
}

namespace {

void markIf(QAction* item, bool tookEffect) {
  if (tookEffect) item->setChecked(true);
}

}  // namespace

void TFmMain::N1212Click(QAction* sender) { markIf(sender, fontSetup->setGridSize(0)); }
void TFmMain::N2424Click(QAction* sender) { markIf(sender, fontSetup->setGridSize(1)); }
void TFmMain::N3636Click(QAction* sender) { markIf(sender, fontSetup->setGridSize(2)); }
void TFmMain::N4848Click(QAction* sender) { markIf(sender, fontSetup->setGridSize(3)); }
void TFmMain::N6060Click(QAction* sender) { markIf(sender, fontSetup->setGridSize(4)); }
void TFmMain::N7272Click(QAction* sender) { markIf(sender, fontSetup->setGridSize(5)); }
void TFmMain::N8484Click(QAction* sender) { markIf(sender, fontSetup->setGridSize(6)); }
void TFmMain::N9696Click(QAction* sender) { markIf(sender, fontSetup->setGridSize(7)); }
void TFmMain::N108108Click(QAction* sender) { markIf(sender, fontSetup->setGridSize(8)); }
void TFmMain::N120120Click(QAction* sender) { markIf(sender, fontSetup->setGridSize(9)); }

void TFmMain::NMASCIIClick(QAction* sender) { markIf(sender, fontSetup->setAscii()); }
void TFmMain::NMUNIFONTClick(QAction* sender) {
  markIf(sender, fontSetup->setWholeHeightKind(GShpFile::kindUnifont));
}
void TFmMain::NMBIGFONTClick(QAction* sender) {
  markIf(sender, fontSetup->setWholeHeightKind(GShpFile::kindBigfont));
}

void TFmMain::NMFlagNormalClick(QAction* sender) { markIf(sender, fontSetup->setDirection(0)); }
void TFmMain::NMFlagLieClick(QAction* sender) { markIf(sender, fontSetup->setDirection(1)); }

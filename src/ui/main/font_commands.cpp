#include <QAction>
#include <QActionGroup>

#include "ui/canvas/panel.h"
#include "ui/main/main_window.h"

// The font kind, grid size and direction commands set the metrics of an open font that
// has no characters yet. None of them marks the file modified: the kind reaches the file
// with the next save, grid index and direction go into its settings file.

namespace {

void markNone(QActionGroup* group) {
  if (QAction* marked = group->checkedAction()) marked->setChecked(false);
}

}  // namespace

void TFmMain::connectFontCommands() {
  using Command = void (TFmMain::*)(QAction*);
  const auto connectItem = [this](QAction* item, Command command) {
    bind(item, &QAction::triggered, [this, item, command] {
      // Qt marks a triggered radio item before its command runs. The command marks its
      // item itself, so a refused one, or one without an open file, leaves the marks alone.
      restoreFontMarks();
      (this->*command)(item);
      rememberFontMarks();
    });
  };
  const Command gridSizeCommands[] = {
      &TFmMain::N1212Click,   &TFmMain::N2424Click,  &TFmMain::N3636Click, &TFmMain::N4848Click,
      &TFmMain::N6060Click,   &TFmMain::N7272Click,  &TFmMain::N8484Click, &TFmMain::N9696Click,
      &TFmMain::N108108Click, &TFmMain::N120120Click};
  for (size_t i = 0; i < gridSizeItems.size(); ++i)
    connectItem(gridSizeItems[i], gridSizeCommands[i]);
  connectItem(NMASCII, &TFmMain::NMASCIIClick);
  connectItem(NMUNIFONT, &TFmMain::NMUNIFONTClick);
  connectItem(NMBIGFONT, &TFmMain::NMBIGFONTClick);
  connectItem(NMFlagNormal, &TFmMain::NMFlagNormalClick);
  connectItem(NMFlagLie, &TFmMain::NMFlagLieClick);
  rememberFontMarks();
}

void TFmMain::rememberFontMarks() {
  const QActionGroup* groups[] = {fontKindGroup, fontSizeGroup, fontFlagGroup};
  for (size_t i = 0; i < fontMarks.size(); ++i) fontMarks[i] = groups[i]->checkedAction();
}

void TFmMain::restoreFontMarks() {
  QActionGroup* groups[] = {fontKindGroup, fontSizeGroup, fontFlagGroup};
  for (size_t i = 0; i < fontMarks.size(); ++i) {
    if (fontMarks[i])
      fontMarks[i]->setChecked(true);
    else
      markNone(groups[i]);
  }
}

void TFmMain::markFontItems() {
  if (!shapeFile) return;
  QAction* const kinds[] = {NMASCII, NMUNIFONT, NMBIGFONT};
  const uint8_t kind = shapeFile->kind();
  if (kind >= GShpFile::kindAscii && kind <= GShpFile::kindBigfont)
    kinds[kind - GShpFile::kindAscii]->setChecked(true);
  const uint8_t index = shapeFile->gridIndex();
  if (index < gridSizeItems.size())
    gridSizeItems[index]->setChecked(true);
  else
    markNone(fontSizeGroup);
  if (shapeFile->direction() == 0) NMFlagNormal->setChecked(true);
  if (shapeFile->direction() == 1) NMFlagLie->setChecked(true);
  rememberFontMarks();
}

void TFmMain::gridSizeClick(QAction* sender, uint8_t index) {
  if (!shapeFile) return;
  sender->setChecked(true);
  gridSizeIndex = index;
  // The file splits the new size as its current below says; it refuses new metrics once it
  // has characters, and then only the index changes.
  shapeFile->setGridIndex(index);
  setGridMetrics(shapeFile->above(), shapeFile->below());
  Panel->repaint();
}

void TFmMain::N1212Click(QAction* sender) { gridSizeClick(sender, 0); }
void TFmMain::N2424Click(QAction* sender) { gridSizeClick(sender, 1); }
void TFmMain::N3636Click(QAction* sender) { gridSizeClick(sender, 2); }
void TFmMain::N4848Click(QAction* sender) { gridSizeClick(sender, 3); }
void TFmMain::N6060Click(QAction* sender) { gridSizeClick(sender, 4); }
void TFmMain::N7272Click(QAction* sender) { gridSizeClick(sender, 5); }
void TFmMain::N8484Click(QAction* sender) { gridSizeClick(sender, 6); }
void TFmMain::N9696Click(QAction* sender) { gridSizeClick(sender, 7); }
void TFmMain::N108108Click(QAction* sender) { gridSizeClick(sender, 8); }
void TFmMain::N120120Click(QAction* sender) { gridSizeClick(sender, 9); }

void TFmMain::refuseFontKindChange() {
  prompts->ask(
      QStringLiteral("更改字体的模式失败。如要更改字体模式，必须确保文件为空，即不含任何字符"),
      Prompts::Question::OkError);
}

// An ASCII font in normal direction splits the grid two thirds above the baseline, one
// third below; rotated, it stands wholly above.
void TFmMain::NMASCIIClick(QAction* sender) {
  if (!shapeFile) return;
  bool aboveSet, belowSet;
  if (shapeFile->direction() == 0) {
    aboveSet = shapeFile->setAbove(static_cast<uint8_t>(gridHeight * 2 / 3));
    belowSet = shapeFile->setBelow(static_cast<uint8_t>(gridHeight / 3));
  } else {
    aboveSet = shapeFile->setAbove(static_cast<uint8_t>(gridAbove + gridBelow));
    belowSet = shapeFile->setBelow(0);
  }
  if (!aboveSet || !belowSet) return refuseFontKindChange();
  setGridMetrics(shapeFile->above(), shapeFile->below());
  Panel->repaint();
  sender->setChecked(true);
  shapeFile->setKind(GShpFile::kindAscii);
}

// UNIFONT and BIGFONT fonts stand wholly above the baseline.
void TFmMain::NMUNIFONTClick(QAction* sender) { setWholeHeightKind(sender, GShpFile::kindUnifont); }
void TFmMain::NMBIGFONTClick(QAction* sender) { setWholeHeightKind(sender, GShpFile::kindBigfont); }

void TFmMain::setWholeHeightKind(QAction* sender, uint8_t kind) {
  if (!shapeFile) return;
  const bool aboveSet = shapeFile->setAbove(static_cast<uint8_t>(gridAbove + gridBelow));
  const bool belowSet = shapeFile->setBelow(0);
  if (!aboveSet || !belowSet) return refuseFontKindChange();
  sender->setChecked(true);
  shapeFile->setKind(kind);
  setGridMetrics(shapeFile->above(), shapeFile->below());
  Panel->repaint();
}

// The direction decides how an ASCII font splits its grid, so the split is made again.
// The window's directionFlag for new files changes only with a settings file.
void TFmMain::NMFlagNormalClick(QAction* sender) { setFontDirection(sender, 0); }
void TFmMain::NMFlagLieClick(QAction* sender) { setFontDirection(sender, 1); }

void TFmMain::setFontDirection(QAction* sender, uint8_t direction) {
  if (!shapeFile) return;
  sender->setChecked(true);
  shapeFile->setDirection(direction);
  if (shapeFile->kind() == GShpFile::kindAscii) NMASCIIClick(NMASCII);
}

#include "ui/main/font_setup.h"

#include "shapefile/font_rules.h"
#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"
#include "ui/platform/prompts.h"

FontSetup::FontSetup(FontDocument& document, Prompts& prompts)
    : document_(document), prompts_(prompts) {}

// The file splits the new size as its current below says; it refuses new metrics once it
// has characters, and then only the index changes.
bool FontSetup::setGridSize(uint8_t index) {
  GShpFile* file = document_.file();
  if (!file) return false;
  document_.newFontGridIndex = index;
  file->setGridIndex(index);
  document_.metricsEdited();
  return true;
}

bool FontSetup::refuseKindChange() {
  prompts_.ask(
      QStringLiteral("更改字体的模式失败。如要更改字体模式，必须确保文件为空，即不含任何字符"),
      Prompts::Question::OkError);
  return false;
}

// An ASCII font in normal direction splits the grid two thirds above the baseline, one
// third below; rotated, it stands wholly above.
bool FontSetup::setAscii() {
  GShpFile* file = document_.file();
  if (!file) return false;
  const HeightSplit split =
      splitHeight(document_.gridSide(), hasDescent(GShpFile::kindAscii, file->direction()));
  const bool aboveSet = file->setAbove(split.above);
  const bool belowSet = file->setBelow(split.below);
  if (!aboveSet || !belowSet) return refuseKindChange();
  file->setKind(GShpFile::kindAscii);
  document_.metricsEdited();
  return true;
}

bool FontSetup::setWholeHeightKind(uint8_t kind) {
  GShpFile* file = document_.file();
  if (!file) return false;
  const bool aboveSet = file->setAbove(document_.gridSide());
  const bool belowSet = file->setBelow(0);
  if (!aboveSet || !belowSet) return refuseKindChange();
  file->setKind(kind);
  document_.metricsEdited();
  return true;
}

bool FontSetup::setDirection(uint8_t direction) {
  GShpFile* file = document_.file();
  if (!file) return false;
  file->setDirection(direction);
  document_.metricsEdited();
  if (file->kind() == GShpFile::kindAscii) setAscii();
  return true;
}

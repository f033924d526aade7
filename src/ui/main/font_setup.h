#pragma once

#include <cstdint>

class FontDocument;
class Prompts;

// The kind, grid size and direction of an open font that has no characters yet. None of
// them marks the font modified: the kind reaches the file with the next save, grid size and
// direction go into its settings file. Each returns whether it took effect, so that its menu
// item is marked; nothing takes effect without an open font.
class FontSetup {
 public:
  FontSetup(FontDocument& document, Prompts& prompts);

  bool setGridSize(uint8_t index);
  bool setAscii();
  // UNIFONT and BIGFONT fonts stand wholly above the baseline.
  bool setWholeHeightKind(uint8_t kind);
  // The direction decides how an ASCII font splits its grid, so the split is made again.
  bool setDirection(uint8_t direction);

 private:
  bool refuseKindChange();

  FontDocument& document_;
  Prompts& prompts_;
};

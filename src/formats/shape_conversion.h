#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/stroke_font.h"
#include "shapefile/shpfile.h"

// What a new font made from a single-line font of another format looks like.
struct ShapeFontSetup {
  uint8_t kind = GShpFile::kindBigfont;
  // The side of the grid: an ASCII font puts two thirds of it above the baseline, the
  // others all of it.
  uint8_t gridSide = 48;
  uint8_t direction = 0;
};

// The kind a font of these characters would be made as: BIGFONT when most of them are
// double-byte GBK characters, otherwise ASCII.
uint8_t likelyKind(const StrokeFont& font);
// What an imported font of these characters is proposed to become: the likely kind on a grid
// of 48, in normal direction.
ShapeFontSetup proposedSetup(const StrokeFont& font);

struct ConvertedFont {
  std::unique_ptr<GShpFile> file;
  std::vector<char32_t> notInGbk;  // the characters left out
};

// The strokes scaled so that the capital height fills the grid above the baseline, arcs
// flattened within a quarter of a grid unit, every point rounded to the grid with repeats
// dropped; each character numbered by its GBK code and advancing by its rounded advance.
ConvertedFont shapeFontOf(const StrokeFont& font, const ShapeFontSetup& setup);

// The other way: a shape font's characters as strokes in grid units, numbered by Unicode.
// A code that is no GBK character is left out and listed.
struct StrokeExport {
  StrokeFont font;
  std::vector<uint16_t> leftOut;
};
StrokeExport strokeFontOf(const GShpFile& file);

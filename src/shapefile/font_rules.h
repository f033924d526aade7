#pragma once

#include <cstdint>
#include <string>

// The rules about a font's grid, kind, codes and name that the window and the converter both
// follow, so a font made by either comes out the same.

// The grid sizes offered are 12 to 120 units in steps of 12: index 0 is 12, index 3 is 48.
constexpr int kGridSizeCount = 10;
constexpr int gridSideOf(int gridIndex) { return (gridIndex + 1) * 12; }
// The index of a side of 12 to 120 units in steps of 12; -1 for any other side.
int gridIndexOf(int side);

// How a font's height splits at the baseline. A font with a descent keeps two thirds of its
// side above the baseline and one third below; a font without stands wholly above it.
struct HeightSplit {
  uint8_t above;
  uint8_t below;
};
HeightSplit splitHeight(int side, bool withDescent);
// A new font has a descent when it is an ASCII font written in normal direction: rotated
// text and the double-byte kinds stand on the baseline.
bool hasDescent(uint8_t kind, uint8_t direction);

// A character code of two bytes: a GBK character of a BIGFONT, or a Unicode number of a
// UNIFONT beyond 0xFF. Such a character advances by the whole grid side when drafted.
constexpr bool isDoubleByte(uint16_t code) { return code > 0xFF; }

// The font name a shape file made at `path` (file-system encoding, UTF-8) carries: its base
// name in GBK, with '_' for every character GBK cannot hold. A line break stays, for the
// writer to refuse with the file's name.
std::string fontNameOf(const std::string& path);

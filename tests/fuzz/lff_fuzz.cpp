// Fuzz target: a LibreCAD font read, written and read back. What the reader takes, the writer
// must write so that it reads back the same: names, glyphs, advances and strokes, the numbers
// within the writer's 4 decimals. A difference traps.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/lff_format.h"

namespace {

bool near(double a, double b, double tolerance) { return std::abs(a - b) <= tolerance; }

bool samePoints(const Stroke& a, const Stroke& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (!near(a[i].x, b[i].x, 1e-4) || !near(a[i].y, b[i].y, 1e-4) || a[i].bulge != b[i].bulge)
      return false;
  }
  return true;
}

bool sameGlyph(const StrokeGlyph& a, const StrokeGlyph& b) {
  if (a.unicode != b.unicode || !near(a.advance, b.advance, 2e-4) ||
      a.strokes.size() != b.strokes.size())
    return false;
  for (size_t i = 0; i < a.strokes.size(); ++i) {
    if (!samePoints(a.strokes[i], b.strokes[i])) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StrokeFont font;
  try {
    font = readLff(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.lff");
  } catch (const FormatError&) {
    return 0;  // no glyph block
  }
  const StrokeFont back = readLff(writeLff(font), "back.lff");
  if (!back.problems.empty() || back.name != font.name || !near(back.descent, font.descent, 1e-4) ||
      back.glyphs.size() != font.glyphs.size())
    __builtin_trap();
  for (size_t i = 0; i < font.glyphs.size(); ++i) {
    if (!sameGlyph(font.glyphs[i], back.glyphs[i])) __builtin_trap();
  }
  return 0;
}

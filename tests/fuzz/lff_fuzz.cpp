// Fuzz target: a LibreCAD font read, written and read back. What the reader takes, the writer
// must write so that it reads back the same: names, glyphs, advances and strokes. A difference
// traps.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/lff_format.h"

namespace {

bool samePoints(const Stroke& a, const Stroke& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].bulge != b[i].bulge) return false;
  }
  return true;
}

bool sameGlyph(const StrokeGlyph& a, const StrokeGlyph& b) {
  if (a.unicode != b.unicode || a.advance != b.advance || a.strokes.size() != b.strokes.size())
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
  if (!back.problems.empty() || back.name != font.name || back.descent != font.descent ||
      back.glyphs.size() != font.glyphs.size())
    __builtin_trap();
  for (size_t i = 0; i < font.glyphs.size(); ++i) {
    if (!sameGlyph(font.glyphs[i], back.glyphs[i])) __builtin_trap();
  }
  return 0;
}

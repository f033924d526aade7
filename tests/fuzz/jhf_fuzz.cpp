// Fuzz target: a Hershey font read. Every glyph it gives is a printable ASCII character with
// its strokes within the reach of the file's letter coordinates; anything else traps.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formats/hershey_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StrokeFont font;
  try {
    font = readJhf(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.jhf");
  } catch (const FormatError&) {
    return 0;  // no record
  }
  char32_t previous = 0;
  for (const StrokeGlyph& glyph : font.glyphs) {
    if (glyph.unicode <= previous || glyph.unicode < 0x20 || glyph.unicode > 0x7E) __builtin_trap();
    previous = glyph.unicode;
    for (const Stroke& stroke : glyph.strokes) {
      if (stroke.empty()) __builtin_trap();
      for (const StrokePoint& p : stroke) {
        // A letter lies 255 at most from another one.
        if (std::abs(p.x) > 255 || std::abs(p.y) > 255 || p.bulge != 0) __builtin_trap();
      }
    }
  }
  return 0;
}

#pragma once

#include <string>
#include <vector>

#include "shapefile/shpfile.h"
#include "shx/compiled_font.h"

inline const LocalDate exportDate{9, 12, 2026};

// A font of every kind the editor writes, as a compiled file holds it.
inline const std::vector<uint8_t>& everyKind() {
  static const std::vector<uint8_t> kinds{GShpFile::kindNone, GShpFile::kindAscii,
                                          GShpFile::kindUnifont, GShpFile::kindBigfont};
  return kinds;
}

inline std::string bytesOf(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes += static_cast<char>(v);
  return bytes;
}

inline CompiledFont plainFont(std::vector<CompiledShape> shapes) {
  CompiledFont font;
  font.shapes = std::move(shapes);
  return font;
}

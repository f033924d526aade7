#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// A shape font as compiled shape programs: what a ".SHX" file holds, and what a shape source
// compiles to.
enum class CompiledKind : uint8_t { shapes, unifont, bigfont };

// One shape: its number, its name and its program, a byte per item ending in 0.
struct CompiledShape {
  uint16_t code = 0;
  std::string name;
  std::string bytes;
};

struct CompiledFont {
  CompiledKind kind = CompiledKind::shapes;
  // The font header shape (number 0 of a shapes or bigfont file, the font record of a
  // unifont): its name and the bytes after it (above, below, modes, ...).
  bool hasHeader = false;
  std::string headerName;
  std::string headerBytes;
  // A bigfont's ranges of escape bytes, the first bytes of its two-byte codes.
  std::vector<std::pair<uint16_t, uint16_t>> escapeRanges;
  std::vector<CompiledShape> shapes;
};

// The longest program of one shape a compiled font may hold, name and all.
constexpr size_t maxCompiledShapeBytes = 2000;

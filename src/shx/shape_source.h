#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shx/compiled_font.h"

// A record of a font file that could not be read: of a shape source by the line its header is
// on, of a file without lines (line 0) by the text alone.
struct SourceProblem {
  int line = 0;
  uint16_t code = 0;
  std::string what;
  // The shapes it leaves out: more than one only where a compiled file ends before records it
  // counts but does not name.
  uint32_t shapes = 1;
};

struct CompiledSource {
  CompiledFont font;
  std::vector<SourceProblem> problems;  // the records left out of font
};

// Compiles a shape source written by any tool: records of a "*number,bytes,name" line and
// definition items over any number of lines, decimal or (with a leading 0) hexadecimal,
// parentheses and blanks ignored, ";" comments, blank lines. The font kind follows the
// font header: "*UNIFONT", "*BIGFONT" with its escape ranges, or a shape 0.
CompiledSource compileShapeSource(std::string_view text);

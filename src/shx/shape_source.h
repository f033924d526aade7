#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shx/compiled_font.h"

// A record of a shape source that could not be compiled, by the line its header is on.
struct SourceProblem {
  int line = 0;
  uint16_t code = 0;
  std::string what;
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

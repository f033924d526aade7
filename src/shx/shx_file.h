#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "shx/compiled_font.h"
#include "shx/shape_source.h"

// A shape the compiled file cannot hold, and why; noUnicode is a unifont's code that is no
// GBK character, so it has no Unicode number.
struct LeftOutShape {
  enum Reason : uint8_t { tooLong, duplicateCode, headerCode, byteOverflow, tooMany, noUnicode };
  uint16_t code = 0;
  Reason reason = tooLong;
};

// Why a shape was left out, in a sentence for command-line tools.
const char* leftOutReasonText(LeftOutShape::Reason reason);

// A compiled file that cannot be read; the message names the file and the fault.
class ShxReadError : public std::runtime_error {
 public:
  ShxReadError(const std::string& source, const std::string& what)
      : std::runtime_error("\"" + source + "\": " + what) {}
};

// The shapes a compiled file of the font cannot hold: programs over the length limit, and a
// second shape of one number (the first is kept). A shapes file or bigfont reads number 0 as
// its font header, so no shape of theirs may have it. A shapes file or bigfont indexes at most
// 65535 records, the header among them: with every number in use, 65535 is too many.
std::vector<LeftOutShape> shapesLeftOut(const CompiledFont& font);

// The compiled file of the font's kind ("AutoCAD-86 shapes 1.0", "unifont 1.0" or
// "bigfont 1.0"), shapes in order of their numbers. The shapes shapesLeftOut names are not
// written.
std::string writeShx(const CompiledFont& font);

// A compiled file as read: the shapes whose records are whole in it, and the shapes whose
// records lie past its end or are cut by it (code 0 for the font header), in the file's order.
struct ShxContents {
  CompiledFont font;
  std::vector<SourceProblem> unreadable;
};

// Whether the bytes begin as a compiled shape file does.
bool isShx(std::string_view bytes);
// Reads "AutoCAD-86 shapes 1.0" and "1.1", "unifont 1.0" and "bigfont 1.0" files. Throws
// ShxReadError for any other file and for one whose index does not fit in it.
ShxContents readShx(std::string_view bytes, const std::string& sourceName);

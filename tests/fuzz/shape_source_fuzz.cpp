// Fuzz target: a shape source text, imported as the open command imports it (an input that
// begins as a compiled file is read as one) and written back as a shape file. The source is
// also compiled and written as a compiled file, which our reader must take back whole: every
// shape the writer keeps comes back with its number and program. A fault there traps.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "shx/font_import.h"
#include "shx/shape_source.h"
#include "shx/shx_file.h"

namespace {

// The programs the compiled file of the font holds by the writer's account, by number: the
// first shape of each number, unless the writer leaves it out.
std::map<uint16_t, std::string> programsWritten(const CompiledFont& font) {
  std::map<uint16_t, std::string> kept;
  for (const CompiledShape& shape : font.shapes) kept.emplace(shape.code, shape.bytes);
  for (const LeftOutShape& shape : shapesLeftOut(font)) {
    if (shape.reason != LeftOutShape::duplicateCode) kept.erase(shape.code);
  }
  return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const ImportedFont imported = importFont(text, "fuzz.shp", ImportDefaults{});
    imported.file->encode(LocalDate{1, 1, 2026});
  } catch (const std::exception&) {
    // a compiled file whose index does not fit in it
  }

  const CompiledFont font = compileShapeSource(text).font;
  CompiledFont back;
  try {
    ShxContents contents = readShx(writeShx(font), "fuzz.shx");
    if (!contents.unreadable.empty()) __builtin_trap();
    back = std::move(contents.font);
  } catch (const std::exception&) {
    __builtin_trap();
  }
  std::map<uint16_t, std::string> read;
  for (const CompiledShape& shape : back.shapes) read.emplace(shape.code, shape.bytes);
  if (back.shapes.size() != read.size() || read != programsWritten(font)) __builtin_trap();
  return 0;
}

#include "shx/font_export.h"

#include "platform/gbk_unicode.h"
#include "shx/shape_source.h"

namespace {

// The number a shape has in the compiled file: CAD programs read a unifont's numbers as
// Unicode, while the editor numbers characters by GBK. 0 when the code is no GBK character.
uint16_t compiledNumber(uint16_t code, bool unicode) {
  if (!unicode) return code;
  const char32_t number = unicodeOfGbk(code);
  return number <= 0xFFFF ? static_cast<uint16_t>(number) : 0;
}

}  // namespace

FontCompilation compileFont(const GShpFile& file, const LocalDate& date) {
  FontCompilation result;
  // The header is compiled from the very lines the shape file begins with.
  result.font = compileShapeSource(file.encodeHeader(date)).font;
  CompiledFont& font = result.font;
  // The ranges the compiled file declares cover exactly the lead bytes in use, ending at a byte
  // (the shape file's 256 is no byte).
  if (font.kind == CompiledKind::bigfont) font.escapeRanges = {file.leadByteRange()};
  const bool unicode = font.kind == CompiledKind::unifont;
  font.shapes.reserve(static_cast<size_t>(file.shapeCount()));
  for (int i = 0; i < file.shapeCount(); ++i) {
    const GShape& shape = *file.shapeAtIndex(i);
    if (!shape.hasList()) continue;  // the shape file holds no record of it either
    CompiledShape compiled;
    compiled.code = compiledNumber(shape.code(), unicode);
    if (compiled.code == 0 && shape.code() != 0) {
      result.leftOut.push_back({shape.code(), LeftOutShape::noUnicode});
      continue;
    }
    if (!shape.appendProgramBytes(compiled.bytes)) {
      result.leftOut.push_back({shape.code(), LeftOutShape::byteOverflow});
      continue;
    }
    compiled.name = shape.nameField();
    font.shapes.push_back(std::move(compiled));
  }
  // Left-out shapes are named by the editor's codes.
  for (LeftOutShape more : shapesLeftOut(font)) {
    if (unicode && more.code >= 0x80) more.code = gbkOfUnicode(more.code);
    result.leftOut.push_back(more);
  }
  return result;
}

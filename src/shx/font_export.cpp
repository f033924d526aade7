#include "shx/font_export.h"

#include "shx/shape_source.h"

FontCompilation compileFont(const GShpFile& file, const LocalDate& date) {
  FontCompilation result;
  // The header is compiled from the very lines the shape file begins with.
  result.font = compileShapeSource(file.encodeHeader(date)).font;
  CompiledFont& font = result.font;
  font.shapes.reserve(static_cast<size_t>(file.shapeCount()));
  for (int i = 0; i < file.shapeCount(); ++i) {
    const GShape& shape = *file.shapeAtIndex(i);
    if (!shape.hasList()) continue;  // the shape file holds no record of it either
    CompiledShape compiled;
    compiled.code = shape.code();
    if (!shape.appendProgramBytes(compiled.bytes)) {
      result.leftOut.push_back({shape.code(), LeftOutShape::byteOverflow});
      continue;
    }
    compiled.name = shape.nameField();
    font.shapes.push_back(std::move(compiled));
  }
  const std::vector<LeftOutShape> more = shapesLeftOut(font);
  result.leftOut.insert(result.leftOut.end(), more.begin(), more.end());
  return result;
}

#include "shx/font_import.h"

#include <algorithm>

#include "platform/gbk_unicode.h"
#include "shx/shx_file.h"

namespace {

uint8_t headerByte(const CompiledFont& font, size_t i) {
  return i < font.headerBytes.size() ? static_cast<uint8_t>(font.headerBytes[i]) : 0;
}

// The font header's bytes are above, below and modes; an extended bigfont header is the
// character height, 0, modes and the character width.
std::unique_ptr<GShpFile> emptyFontLike(const CompiledFont& font, const ImportDefaults& defaults) {
  const bool hasMetrics = font.hasHeader && font.headerBytes.size() >= 2 &&
                          headerByte(font, 0) + headerByte(font, 1) > 0;
  auto file = hasMetrics ? std::make_unique<GShpFile>(headerByte(font, 0), headerByte(font, 1))
                         : std::make_unique<GShpFile>(defaults.above, defaults.below);
  switch (font.kind) {
    case CompiledKind::unifont:
      file->setKind(GShpFile::kindUnifont);
      break;
    case CompiledKind::bigfont:
      file->setKind(GShpFile::kindBigfont);
      if (hasMetrics && font.headerBytes.size() >= 5) file->setWidth(headerByte(font, 3));
      file->setCharacterCount(static_cast<uint16_t>(std::min<size_t>(font.shapes.size(), 0xFFFF)));
      break;
    default:
      file->setKind(GShpFile::kindAscii);
      break;
  }
  file->setDirection(defaults.direction);
  return file;
}

// The editor's own shape files sign their header name "… BY MORVELIN dd/mm/yyyy", and number
// a unifont's characters by GBK as all its files do.
bool signedByTheEditor(const std::string& headerName) {
  const std::string_view mark = " BY MORVELIN ";
  const size_t at = headerName.rfind(mark);
  if (at == std::string::npos) return false;
  const std::string_view date = std::string_view(headerName).substr(at + mark.size());
  return date.size() == 10 && date[2] == '/' && date[5] == '/' &&
         std::all_of(date.begin(), date.end(),
                     [](char c) { return c == '/' || (c >= '0' && c <= '9'); });
}

// The shapes of the font drawn on the grid into a new font, after what was left out reading it.
ImportedFont drawnFont(const CompiledFont& font, std::vector<SourceProblem> leftOut,
                       bool numberedByUnicode, const ImportDefaults& defaults) {
  ImportedFont result;
  result.leftOut = std::move(leftOut);
  result.numberedByUnicode = numberedByUnicode;
  result.file = emptyFontLike(font, defaults);
  ShapeInterpreter interpreter(font);
  for (const CompiledShape& compiled : font.shapes) {
    uint16_t code = compiled.code;
    if (result.numberedByUnicode && code >= 0x80) {
      code = gbkOfUnicode(code);
      if (code == 0) {
        result.notInGbk.push_back(compiled.code);
        continue;
      }
    }
    // Subshapes are found by the numbers the font itself uses.
    InterpretedShape drawn = interpreter.run(compiled);
    drawn.report.code = code;
    auto shape = std::make_unique<GShape>();
    shape->setCode(code);
    shape->reset(static_cast<uint16_t>(std::clamp(drawn.endX, 0, 0xFFFF)), drawn.points.size());
    shape->setDirection(defaults.direction);
    for (const InterpretedPoint& p : drawn.points) shape->addPoint(p.x, p.y, p.isVirtual);
    result.file->addShape(std::move(shape));
    if (drawn.report.approximated()) result.approximated.push_back(drawn.report);
  }
  return result;
}

}  // namespace

size_t leftOutShapeCount(const ImportedFont& imported) {
  size_t shapes = 0;
  for (const SourceProblem& problem : imported.leftOut) shapes += problem.shapes;
  return shapes;
}

ImportedFont importFont(std::string_view bytes, const std::string& sourceName,
                        const ImportDefaults& defaults) {
  if (isShx(bytes)) return importCompiledFont(bytes, sourceName, defaults);
  CompiledSource source = compileShapeSource(bytes);
  const bool numberedByUnicode =
      source.font.kind == CompiledKind::unifont && !signedByTheEditor(source.font.headerName);
  return drawnFont(source.font, std::move(source.problems), numberedByUnicode, defaults);
}

ImportedFont importCompiledFont(std::string_view bytes, const std::string& sourceName,
                                const ImportDefaults& defaults) {
  ShxContents read = readShx(bytes, sourceName);
  const bool numberedByUnicode = read.font.kind == CompiledKind::unifont;
  return drawnFont(read.font, std::move(read.unreadable), numberedByUnicode, defaults);
}

#include "formats/font_formats.h"

#include <algorithm>
#include <cctype>

#include "formats/svg_format.h"
#include "platform/path_names.h"
#include "shx/font_export.h"

namespace {

ImportedFont importShapes(std::string_view bytes, const std::string& sourceName,
                          const ImportDefaults& defaults) {
  return importFont(bytes, sourceName, defaults);
}

ExportedFont compiled(const GShpFile& file, const LocalDate& date) {
  FontCompilation compilation = compileFont(file, date);
  return {writeShx(compilation.font), std::move(compilation.leftOut), {}};
}

// A writer of the neutral form as the writer of a whole font.
std::function<ExportedFont(const GShpFile&, const LocalDate&)> strokeWriter(
    std::function<std::string(const StrokeFont&)> write) {
  return [write = std::move(write)](const GShpFile& file, const LocalDate&) {
    StrokeExport strokes = strokeFontOf(file);
    return ExportedFont{write(strokes.font), {}, std::move(strokes.leftOut)};
  };
}

std::vector<FontFileFormat> allFormats() {
  std::vector<FontFileFormat> formats;
  formats.push_back({"SHX字体文件", "SHX", importShapes, nullptr, compiled});
  formats.push_back({"AutoCAD形文件", "SHP", importShapes, nullptr, nullptr});
  formats.push_back({"SVG字体", "SVG", nullptr, nullptr, strokeWriter(writeSvgFont)});
  return formats;
}

}  // namespace

const std::vector<FontFileFormat>& fontFileFormats() {
  static const std::vector<FontFileFormat> formats = allFormats();
  return formats;
}

const FontFileFormat* formatOfPath(const std::string& path) {
  std::string extension = extensionOf(path);
  if (extension.empty()) return nullptr;
  extension.erase(0, 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  for (const FontFileFormat& format : fontFileFormats()) {
    if (format.extension == extension) return &format;
  }
  return nullptr;
}

ImportedFont importStrokes(const StrokeFont& font, const ShapeFontSetup& setup) {
  ConvertedFont converted = shapeFontOf(font, setup);
  ImportedFont imported;
  imported.file = std::move(converted.file);
  for (const std::string& problem : font.problems) imported.leftOut.push_back({0, 0, problem});
  for (const std::string& character : converted.leftOut)
    imported.leftOut.push_back({0, 0, character + "：GBK中没有这个字符"});
  return imported;
}

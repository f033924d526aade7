#include "formats/font_formats.h"

#include <algorithm>
#include <cctype>

#include "formats/hershey_format.h"
#include "formats/lff_format.h"
#include "formats/svg_format.h"
#include "platform/path_names.h"
#include "shx/font_export.h"

namespace {

ExportedFont compiled(const GShpFile& file, const LocalDate& date) {
  FontCompilation compilation = compileFont(file, date);
  return {writeShx(compilation.font), std::move(compilation.leftOut), {}};
}

// A format of the neutral form as a format of whole fonts.
FontFileFormat strokeFormat(std::string description, std::string extension, StrokeFormat format) {
  FontFileFormat whole{std::move(description), std::move(extension), nullptr,
                       std::move(format.read), nullptr};
  if (format.write) {
    whole.write = [write = std::move(format.write)](const GShpFile& file, const LocalDate&) {
      StrokeExport strokes = strokeFontOf(file);
      return ExportedFont{write(strokes.font), {}, std::move(strokes.leftOut)};
    };
  }
  return whole;
}

std::vector<FontFileFormat> allFormats() {
  std::vector<FontFileFormat> formats;
  formats.push_back({"SHX字体文件", "SHX", importCompiledFont, nullptr, compiled});
  formats.push_back({"AutoCAD形文件", "SHP", importFont, nullptr, nullptr});
  formats.push_back(strokeFormat("LibreCAD单线字体", "LFF", lffFormat()));
  formats.push_back(strokeFormat("Hershey单线字体", "JHF", hersheyFormat()));
  formats.push_back(strokeFormat("SVG字体", "SVG", svgFormat()));
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
  imported.numberedByUnicode = true;
  for (const std::string& problem : font.problems) imported.leftOut.push_back({0, 0, problem});
  imported.notInGbk = std::move(converted.notInGbk);
  return imported;
}

// kelvane-convert IN OUT [--kind ascii|unifont|bigfont] [--grid N]: converts a font between the
// formats the editor imports and exports, each told by its file's extension, as the window's
// import and export do. A single-line font of another format becomes a font of the given kind
// (by default BIGFONT when most of its characters are double-byte, else ASCII) on a grid of N
// units a side (12 to 120 in steps of 12, default 48). Nothing is written when a character
// cannot go into the output; the output is replaced whole or not at all.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>

#include "formats/font_formats.h"
#include "platform/local_date.h"
#include "platform/path_names.h"
#include "platform/text_lines.h"

namespace {

struct Options {
  std::string input, output;
  std::optional<uint8_t> kind;
  uint8_t gridSide = 48;
};

uint8_t kindNamed(const std::string& name) {
  if (name == "ascii") return GShpFile::kindAscii;
  if (name == "unifont") return GShpFile::kindUnifont;
  if (name == "bigfont") return GShpFile::kindBigfont;
  throw std::invalid_argument("unknown kind " + name + " (ascii, unifont or bigfont)");
}

uint8_t gridNamed(const std::string& text) {
  const int side = std::atoi(text.c_str());
  if (side < 12 || side > 120 || side % 12 != 0 || std::to_string(side) != text)
    throw std::invalid_argument("the grid is 12 to 120 units in steps of 12, not " + text);
  return static_cast<uint8_t>(side);
}

Options optionsOf(int argc, char** argv) {
  Options options;
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--kind" || arg == "--grid") && i + 1 < argc) {
      const std::string value = argv[++i];
      if (arg == "--kind") {
        options.kind = kindNamed(value);
      } else {
        options.gridSide = gridNamed(value);
      }
    } else if (arg.rfind("--", 0) != 0 && files < 2) {
      (files++ == 0 ? options.input : options.output) = arg;
    } else {
      throw std::invalid_argument("unexpected argument " + arg);
    }
  }
  if (files != 2) throw std::invalid_argument("an input and an output file are needed");
  return options;
}

// A font name the shape file's header can hold: the output's base name, non-ASCII bytes as '_'.
std::string fontNameOf(const std::string& path) {
  std::string name = baseNameOf(path);
  for (char& c : name) {
    if (static_cast<unsigned char>(c) >= 0x80 || c == ',' || c < 0x20) c = '_';
  }
  return name;
}

ImportedFont readFont(const Options& options) {
  const FontFileFormat* format = formatOfPath(options.input);
  if (!format || !format->readable())
    throw std::runtime_error(options.input + ": no format the converter reads has its extension");
  const std::string bytes = readFileBytes(options.input, GShpFile::maxFileBytes);
  if (format->readShapes) return format->readShapes(bytes, options.input, {});
  const StrokeFont strokes = format->readStrokes(bytes, options.input);
  return importStrokes(strokes, {options.kind.value_or(likelyKind(strokes)), options.gridSide, 0});
}

int convert(const Options& options) {
  ImportedFont imported = readFont(options);
  for (const SourceProblem& problem : imported.leftOut) {
    if (problem.line > 0) {
      std::fprintf(stderr, "%s:%d: left out: %s\n", options.input.c_str(), problem.line,
                   problem.what.c_str());
    } else {
      std::fprintf(stderr, "%s: left out: %s\n", options.input.c_str(), problem.what.c_str());
    }
  }
  for (char32_t unicode : imported.notInGbk) {
    std::fprintf(stderr, "%s: left out U+%04X: GBK cannot hold it\n", options.input.c_str(),
                 static_cast<unsigned>(unicode));
  }
  GShpFile& font = *imported.file;
  font.setFontName(fontNameOf(options.output));
  const LocalDate today = localDate();
  const FontFileFormat* format = formatOfPath(options.output);
  if (format && format->extension == "SHP") {
    writeFileBytes(options.output, font.encode(today));
    return 0;
  }
  if (!format || !format->writable())
    throw std::runtime_error(options.output + ": no format the converter writes has its extension");
  const ExportedFont exported = format->write(font, today);
  for (const LeftOutShape& shape : exported.leftOut) {
    std::fprintf(stderr, "%s: shape %u: %s\n", options.output.c_str(), shape.code,
                 leftOutReasonText(shape.reason));
  }
  for (uint16_t code : exported.notUnicode) {
    std::fprintf(stderr, "%s: shape %u: no Unicode character has its code\n",
                 options.output.c_str(), code);
  }
  if (!exported.leftOut.empty() || !exported.notUnicode.empty()) return 1;
  writeFileBytes(options.output, exported.bytes);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  try {
    options = optionsOf(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\nusage: %s IN OUT [--kind ascii|unifont|bigfont] [--grid N]\n",
                 e.what(), argv[0]);
    return 2;
  }
  try {
    return convert(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}

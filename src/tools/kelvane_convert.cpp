// kelvane-convert IN OUT [--kind ascii|unifont|bigfont] [--grid N] [--quiet]: converts a font
// between the formats the editor imports and exports, each told by its file's extension, as the
// window's import and export do. A single-line font of another format becomes a font of the given
// kind (by default BIGFONT when most of its characters are double-byte, else ASCII) on a grid of N
// units a side (12 to 120 in steps of 12, default 48). Nothing is written when a character
// cannot go into the output; the output is replaced whole or not at all.
//
// With --fit MARGIN every character's ink is scaled (proportions kept) and moved to fill its
// cell less MARGIN units on each side; with --scale X%,Y% every character is scaled about the
// middle of its cell. A point that would leave the grid names its characters and nothing is
// written.
//
// kelvane-convert --draft FACE[:centre|:outline] --set gb2312|ascii OUT [--kind K] [--grid N]:
// makes a new font of the character set (the 6763 GB2312 hanzi, or printable ASCII) drafted
// from a TrueType face, a family name or a font file, then writes it as above. The characters
// are drafted along their centre lines (centre) or their contours (outline), on two threads.
//
// kelvane-convert --draft-strokes --set gb2312 OUT [--kind K] [--grid N]: the same from the
// stroke-order data (scripts/install-stroke-data), each data stroke one pen-down path in
// writing order; exits 1 saying how to install the data when it is missing.
//
// What is left out is listed on the error output, then one line on the standard output says
// how many characters were written and left out; --quiet keeps only errors and that line.
// Exit status: 0 written, 1 nothing written (a conversion error), 2 a usage error.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "drafting/draft_many.h"
#include "drafting/glyph_drafter.h"
#include "drafting/stroke_data.h"
#include "editing/batch_transform.h"
#include "editing/character_sets.h"
#include "formats/font_formats.h"
#include "platform/gbk_unicode.h"
#include "platform/local_date.h"
#include "platform/path_names.h"
#include "platform/reader_language.h"
#include "platform/text_lines.h"
#include "shapefile/font_rules.h"

namespace {

struct Options {
  std::string input, output;
  std::optional<uint8_t> kind;
  uint8_t gridSide = 48;
  // Drafting a new font instead of reading one.
  std::string draftFace;
  DraftMode draftMode = DraftMode::CentreLine;
  std::string characterSet;
  bool draftStrokes = false;  // from the stroke-order data
  bool quiet = false;
  bool help = false;
  bool version = false;
  // Applied to every character before writing.
  std::optional<int> fitMargin;
  std::optional<Transform> scale;
};

constexpr const char* kUsage =
    "usage: %s IN OUT [--kind ascii|unifont|bigfont] [--grid N] [--fit MARGIN | --scale X%%,Y%%]\n"
    "          [--quiet]\n"
    "       %s --draft FACE[:centre|:outline] --set gb2312|ascii OUT [--kind K] [--grid N] "
    "[--quiet]\n"
    "       %s --draft-strokes --set gb2312 OUT [--kind K] [--grid N] [--quiet]\n"
    "       %s --help | --version\n";

constexpr const char* kOptions =
    "\n"
    "Converts a font between the formats the editor imports and exports, each told by its\n"
    "file's extension (SHX, SHP, LFF, JHF, SVG), or drafts a new font from a TrueType face or\n"
    "from stroke-order data.\n"
    "\n"
    "  --kind ascii|unifont|bigfont  the kind of font a single-line font becomes (default:\n"
    "                                bigfont when most characters are double-byte, else ascii)\n"
    "  --grid N                      the grid's side, 12 to 120 in steps of 12 (default 48)\n"
    "  --draft FACE[:centre|:outline]\n"
    "                                draft from a face (a font file or a family name) along\n"
    "                                the centre lines (default) or the contours\n"
    "  --draft-strokes               draft from the stroke-order data (hanzi-writer-data,\n"
    "                                Arphic Public License), in writing order\n"
    "  --set gb2312|ascii            the characters drafted: the GB2312 hanzi or printable ASCII\n"
    "  --fit MARGIN                  scale and move every character's ink to fill its cell\n"
    "                                with MARGIN units left on each side\n"
    "  --scale X%,Y%                 scale every character about its cell's middle\n"
    "  --quiet                       print only errors and the closing summary\n"
    "  -h, --help                    print this help\n"
    "  --version                     print the version\n"
    "\n"
    "Exit status: 0 when the output was written, 1 when nothing was written, 2 for a usage "
    "error.\n";

// FACE[:MODE]: the mode is taken off the end when it names one.
void takeDraftFace(const std::string& value, Options& options) {
  options.draftFace = value;
  const size_t colon = value.rfind(':');
  if (colon == std::string::npos) return;
  const std::string mode = value.substr(colon + 1);
  if (mode == "centre" || mode == "outline") {
    options.draftFace = value.substr(0, colon);
    options.draftMode = mode == "centre" ? DraftMode::CentreLine : DraftMode::Outline;
  }
}

uint8_t kindNamed(const std::string& name) {
  if (name == "ascii") return GShpFile::kindAscii;
  if (name == "unifont") return GShpFile::kindUnifont;
  if (name == "bigfont") return GShpFile::kindBigfont;
  throw std::invalid_argument("unknown kind " + name + " (ascii, unifont or bigfont)");
}

uint8_t gridNamed(const std::string& text) {
  const int side = std::atoi(text.c_str());
  if (gridIndexOf(side) < 0 || std::to_string(side) != text)
    throw std::invalid_argument("the grid is 12 to 120 units in steps of 12, not " + text);
  return static_cast<uint8_t>(side);
}

int marginNamed(const std::string& text) {
  const int margin = std::atoi(text.c_str());
  if (margin < 0 || std::to_string(margin) != text)
    throw std::invalid_argument("the margin is a whole number of units, not " + text);
  return margin;
}

// X%,Y%: two percentages above 0 (the % signs may be left out).
Transform scaleNamed(const std::string& text) {
  double x = 0, y = 0;
  char end = 0;
  if ((std::sscanf(text.c_str(), "%lf%%,%lf%%%c", &x, &y, &end) != 2 &&
       std::sscanf(text.c_str(), "%lf,%lf%c", &x, &y, &end) != 2) ||
      !(x > 0 && x <= 10000 && y > 0 && y <= 10000))
    throw std::invalid_argument("the scale is X%,Y%, two percentages above 0, not " + text);
  Transform scale;
  scale.scaleXPercent = x;
  scale.scaleYPercent = y;
  return scale;
}

Options optionsOf(int argc, char** argv) {
  Options options;
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h" || arg == "--version") {
      (arg == "--version" ? options.version : options.help) = true;
      return options;
    }
    if (arg == "--quiet") {
      options.quiet = true;
    } else if ((arg == "--kind" || arg == "--grid" || arg == "--draft" || arg == "--set" ||
                arg == "--fit" || arg == "--scale") &&
               i + 1 < argc) {
      const std::string value = argv[++i];
      if (arg == "--fit") {
        options.fitMargin = marginNamed(value);
      } else if (arg == "--scale") {
        options.scale = scaleNamed(value);
      } else if (arg == "--kind") {
        options.kind = kindNamed(value);
      } else if (arg == "--grid") {
        options.gridSide = gridNamed(value);
      } else if (arg == "--draft") {
        takeDraftFace(value, options);
      } else if (value == "gb2312" || value == "ascii") {
        options.characterSet = value;
      } else {
        throw std::invalid_argument("unknown character set " + value + " (gb2312 or ascii)");
      }
    } else if (arg == "--draft-strokes") {
      options.draftStrokes = true;
      options.draftMode = DraftMode::StrokeData;
    } else if (arg.rfind("--", 0) != 0 && files < 2) {
      (files++ == 0 ? options.input : options.output) = arg;
    } else {
      throw std::invalid_argument("unexpected argument " + arg);
    }
  }
  if (options.draftStrokes) {
    if (!options.draftFace.empty()) throw std::invalid_argument("--draft-strokes takes no --draft");
    if (options.characterSet != "gb2312")
      throw std::invalid_argument("--draft-strokes needs --set gb2312");
  } else if (!options.draftFace.empty() || !options.characterSet.empty()) {
    if (options.draftFace.empty() || options.characterSet.empty())
      throw std::invalid_argument("drafting needs both --draft and --set");
  }
  if (!options.characterSet.empty()) {
    if (files != 1) throw std::invalid_argument("drafting takes an output file alone");
    options.output = options.input;
    options.input.clear();
    return options;
  }
  if (options.fitMargin && options.scale)
    throw std::invalid_argument("--fit and --scale do not go together");
  if (files != 2) throw std::invalid_argument("an input and an output file are needed");
  return options;
}

ImportedFont readFont(const Options& options) {
  const FontFileFormat* format = formatOfPath(options.input);
  if (!format || !format->readable())
    throw std::runtime_error(options.input + ": no format the converter reads has its extension");
  const std::string bytes = readFileBytes(options.input, GShpFile::maxFileBytes);
  if (format->readShapes) return format->readShapes(bytes, options.input, {});
  const StrokeFont strokes = format->readStrokes(bytes, options.input);
  ShapeFontSetup setup = proposedSetup(strokes);
  setup.kind = options.kind.value_or(setup.kind);
  setup.gridSide = options.gridSide;
  return importStrokes(strokes, setup);
}

// --fit or --scale applied to every character; false, with the characters named, when one
// cannot take it.
bool reshape(GShpFile& font, const Options& options, const std::string& input) {
  if (!options.fitMargin && !options.scale) return true;
  const std::vector<const GShape*> shapes = shapesOf(font);
  const GridRange range = GridRange::of(font);
  const BatchResult result =
      options.fitMargin ? fitToCell(shapes, range, *options.fitMargin)
                        : transformShapes(shapes, *options.scale, range, OutOfRange::Report);
  for (uint16_t code : result.refused)
    std::fprintf(stderr, "%s: shape %u: no room in its cell for a margin of %d\n", input.c_str(),
                 code, options.fitMargin.value_or(0));
  for (uint16_t code : result.outOfRange)
    std::fprintf(stderr, "%s: shape %u: the scale takes points outside the grid\n", input.c_str(),
                 code);
  if (!result.refused.empty() || !result.outOfRange.empty()) return false;
  applyToFile(font, result);
  return true;
}

void printSummary(const GShpFile& font, const std::string& output, size_t leftOut) {
  const int written = font.shapeCount();
  std::printf("%d character%s written to %s; %zu left out\n", written, written == 1 ? "" : "s",
              output.c_str(), leftOut);
}

// Writes the font to the output by the output's extension; 1 when characters could not go in.
// The summary counts what was left out before, on reading or drafting.
int writeFont(GShpFile& font, const std::string& output, size_t leftOut) {
  font.setFontName(fontNameOf(output));
  const LocalDate today = localDate();
  const FontFileFormat* format = formatOfPath(output);
  if (format && format->extension == "SHP") {
    writeFileBytes(output, font.encode(today));
    printSummary(font, output, leftOut);
    return 0;
  }
  if (!format || !format->writable())
    throw std::runtime_error(output + ": no format the converter writes has its extension");
  const ExportedFont exported = format->write(font, today);
  for (const LeftOutShape& shape : exported.leftOut) {
    std::fprintf(stderr, "%s: shape %u: %s\n", output.c_str(), shape.code,
                 leftOutReasonText(shape.reason));
  }
  for (uint16_t code : exported.notUnicode) {
    std::fprintf(stderr, "%s: shape %u: no Unicode character has its code\n", output.c_str(), code);
  }
  const size_t cannot = exported.leftOut.size() + exported.notUnicode.size();
  if (cannot > 0) {
    std::fprintf(stderr, "nothing written to %s: %zu character%s cannot go into it\n",
                 output.c_str(), cannot, cannot == 1 ? "" : "s");
    return 1;
  }
  writeFileBytes(output, exported.bytes);
  printSummary(font, output, leftOut);
  return 0;
}

// What reading could not take, a line each: a compiled font's shapes by their numbers.
void listLeftOut(const ImportedFont& imported, const std::string& input) {
  for (const SourceProblem& problem : imported.leftOut) {
    if (problem.line > 0) {
      std::fprintf(stderr, "%s:%d: left out: %s\n", input.c_str(), problem.line,
                   problem.what.c_str());
    } else if (problem.code != 0 && imported.numberedByUnicode) {
      std::fprintf(stderr, "%s: left out U+%04X: %s\n", input.c_str(),
                   static_cast<unsigned>(problem.code), problem.what.c_str());
    } else if (problem.code != 0) {
      std::fprintf(stderr, "%s: left out shape %u: %s\n", input.c_str(),
                   static_cast<unsigned>(problem.code), problem.what.c_str());
    } else {
      std::fprintf(stderr, "%s: left out: %s\n", input.c_str(), problem.what.c_str());
    }
  }
  for (char32_t unicode : imported.notInGbk) {
    std::fprintf(stderr, "%s: left out U+%04X: GBK cannot hold it\n", input.c_str(),
                 static_cast<unsigned>(unicode));
  }
}

int convert(const Options& options) {
  ImportedFont imported = readFont(options);
  if (!options.quiet) listLeftOut(imported, options.input);
  if (!reshape(*imported.file, options, options.input)) return 1;
  return writeFont(*imported.file, options.output,
                   leftOutShapeCount(imported) + imported.notInGbk.size());
}

// The face a --draft argument names: a font file, else a family fontconfig knows.
FaceFile draftFaceOf(const std::string& face) {
  struct stat info;
  if (stat(face.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return {face, 0};
  FaceFile file = faceFileOf(face);
  if (file.path.empty()) throw std::runtime_error(face + ": no such font file or family");
  return file;
}

int draft(const Options& options) {
  const bool hanzi = options.characterSet == "gb2312";
  const uint8_t kind = options.kind.value_or(hanzi ? GShpFile::kindBigfont : GShpFile::kindAscii);
  const HeightSplit split = splitHeight(options.gridSide, hasDescent(kind, 0));
  const DraftGrid grid{split.above, split.below};
  std::vector<uint16_t> codes;
  if (hanzi) {
    codes = gb2312HanziCodes();
  } else {
    for (uint16_t c = 0x20; c < 0x7F; ++c) codes.push_back(c);
  }
  std::vector<DraftRequest> asked;
  for (uint16_t code : codes) asked.push_back({unicodeOfGbk(code), isDoubleByte(code)});
  std::string error;
  const std::vector<DraftedGlyph> drafted =
      draftMany(options.draftStrokes ? FaceFile{} : draftFaceOf(options.draftFace), asked, grid,
                options.draftMode, 2, &error);
  if (drafted.empty()) throw std::runtime_error(error);
  if (options.draftStrokes) std::printf("%s\n", kStrokeDataLicence);

  auto font = std::make_unique<GShpFile>(grid.above, grid.below);
  font->setKind(kind);
  size_t lacking = 0;
  for (size_t i = 0; i < codes.size(); ++i) {
    if (!drafted[i].problem.empty())
      std::fprintf(stderr, "%s%s\n", drafted[i].problem.c_str(),
                   drafted[i].found ? ": drafted in the face's own order" : ": left out");
    if (!drafted[i].found) {
      ++lacking;
      continue;
    }
    auto shape = std::make_unique<GShape>();
    shape->setCode(codes[i]);
    putDraft(drafted[i], *shape);
    font->addShape(std::move(shape));
  }
  if (lacking > 0 && !options.quiet) {
    std::fprintf(stderr, "%s: left out %zu characters it lacks\n",
                 options.draftStrokes ? "the stroke-order data" : options.draftFace.c_str(),
                 lacking);
  }
  return writeFont(*font, options.output, lacking);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  try {
    options = optionsOf(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    std::fprintf(stderr, kUsage, argv[0], argv[0], argv[0], argv[0]);
    return 2;
  }
  if (options.help) {
    std::printf(kUsage, argv[0], argv[0], argv[0], argv[0]);
    std::fputs(kOptions, stdout);
    return 0;
  }
  if (options.version) {
    std::printf("kelvane-convert %s\n", KELVANE_VERSION);
    return 0;
  }
  writeReaderProblemsInEnglish(true);  // as every other text of this program
  try {
    return options.characterSet.empty() ? convert(options) : draft(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}

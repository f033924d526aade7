// kelvane-shx input.shp output.shx [--quiet]: compiles a shape source into a compiled font of its
// kind. Nothing is written when a record cannot be compiled or a shape does not fit the format.
// Every problem is an error; one line on the standard output closes with the count of shapes
// written. Exit status: 0 written, 1 nothing written, 2 a usage error.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "platform/reader_language.h"
#include "platform/text_lines.h"
#include "shapefile/shpfile.h"
#include "shx/shape_source.h"
#include "shx/shx_file.h"

namespace {

constexpr const char* kUsage =
    "usage: %s input.shp output.shx [--quiet]\n"
    "       %s --help | --version\n";

constexpr const char* kOptions =
    "\n"
    "Compiles a shape source (.SHP of an ASCII font, a UNIFONT or a BIGFONT) into a compiled\n"
    "font (.SHX) of its kind, as written.\n"
    "\n"
    "  --quiet        print only errors and the closing summary (every problem is an error)\n"
    "  -h, --help     print this help\n"
    "  --version      print the version\n"
    "\n"
    "Exit status: 0 when the output was written, 1 when nothing was written, 2 for a usage "
    "error.\n";

int compile(const std::string& input, const std::string& output) {
  const CompiledSource source = compileShapeSource(readFileBytes(input, GShpFile::maxFileBytes));
  size_t problems = 0;
  for (const SourceProblem& problem : source.problems) {
    std::fprintf(stderr, "%s:%d: %s\n", input.c_str(), problem.line, problem.what.c_str());
    ++problems;
  }
  for (const LeftOutShape& shape : shapesLeftOut(source.font)) {
    std::fprintf(stderr, "%s: shape %u: %s\n", input.c_str(), shape.code,
                 leftOutReasonText(shape.reason));
    ++problems;
  }
  if (problems > 0) {
    std::fprintf(stderr, "nothing written to %s (%zu problem%s)\n", output.c_str(), problems,
                 problems == 1 ? "" : "s");
    return 1;
  }
  writeFileBytes(output, writeShx(source.font));
  const size_t written = source.font.shapes.size();
  std::printf("%zu shape%s written to %s\n", written, written == 1 ? "" : "s", output.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  writeReaderProblemsInEnglish(true);  // as every other text of this program
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::printf(kUsage, argv[0], argv[0]);
      std::fputs(kOptions, stdout);
      return 0;
    }
    if (arg == "--version") {
      std::printf("kelvane-shx %s\n", KELVANE_VERSION);
      return 0;
    }
    if (arg == "--quiet") continue;  // nothing this program prints is a mere notice
    if (arg.rfind("-", 0) == 0 && arg.size() > 1) {
      std::fprintf(stderr, "unexpected argument %s\n", arg.c_str());
      std::fprintf(stderr, kUsage, argv[0], argv[0]);
      return 2;
    }
    files.push_back(arg);
  }
  if (files.size() != 2) {
    std::fprintf(stderr, kUsage, argv[0], argv[0]);
    return 2;
  }
  try {
    return compile(files[0], files[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}

// kelvane-shx input.shp output.shx: compiles a shape source into a compiled font of its kind.
// Nothing is written when a record cannot be compiled or a shape does not fit the format.
#include <cstdio>
#include <exception>
#include <string>

#include "platform/text_lines.h"
#include "shapefile/shpfile.h"
#include "shx/shape_source.h"
#include "shx/shx_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s input.shp output.shx\n", argv[0]);
    return 2;
  }
  try {
    const std::string input = argv[1], output = argv[2];
    const CompiledSource source = compileShapeSource(readFileBytes(input, GShpFile::maxFileBytes));
    bool failed = false;
    for (const SourceProblem& problem : source.problems) {
      std::fprintf(stderr, "%s:%d: %s\n", input.c_str(), problem.line, problem.what.c_str());
      failed = true;
    }
    for (const LeftOutShape& shape : shapesLeftOut(source.font)) {
      std::fprintf(stderr, "%s: shape %u: %s\n", input.c_str(), shape.code,
                   leftOutReasonText(shape.reason));
      failed = true;
    }
    if (failed) return 1;
    writeFileBytes(output, writeShx(source.font));
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}

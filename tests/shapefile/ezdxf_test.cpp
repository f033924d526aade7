#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

#include "sample_fonts.h"
#include "test_support.h"

// Files this program writes, read by ezdxf, an independent reader of the format.
namespace {

const char* const python = "/usr/bin/python3";

bool ezdxfAvailable() {
  const std::string probe = std::string(python) + " -c 'import ezdxf.shapefile' > /dev/null 2>&1";
  return std::system(probe.c_str()) == 0;
}

using Segments = std::vector<int64_t>;  // x0 y0 x1 y1 of each drawn segment, in order

// The segments the pen draws along a shape's path: it starts lifted at the origin.
Segments ourSegments(const GShape& shape) {
  Segments out;
  int64_t x = 0, y = 0;
  for (int i = 0; i < shape.pointCount(); ++i) {
    const GPoint* p = shape.pointAtIndex(i);
    if (!p->isVirtual) out.insert(out.end(), {x, y, p->x, p->y});
    x = p->x;
    y = p->y;
  }
  return out;
}

// Shape number -> segments, as ezdxf renders the file.
std::map<int, Segments> ezdxfSegments(const std::string& path) {
  const std::string command =
      std::string(python) + " '" + KELVANE_EZDXF_STROKES + "' '" + path + "' 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run " + command);
  std::string output;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  const int status = ::pclose(pipe);
  if (status != 0) throw std::runtime_error("ezdxf failed on " + path + ":\n" + output);

  std::map<int, Segments> shapes;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    int number;
    fields >> number;
    Segments& segments = shapes[number];
    for (int64_t v; fields >> v;) segments.push_back(v);
  }
  return shapes;
}

// ezdxf refuses a "*BIGFONT" line; the rest of such a file is an ordinary font.
std::string withoutFirstLine(const std::string& path, const std::string& copy) {
  std::vector<std::string> lines = readLines(path);
  lines.erase(lines.begin());
  writeLines(copy, lines);
  return copy;
}

class EzdxfReadsOurFiles : public TempDirTest, public ::testing::WithParamInterface<uint8_t> {};

}  // namespace

TEST_P(EzdxfReadsOurFiles, AndDrawsTheSameStrokes) {
  if (!ezdxfAvailable()) {
    GTEST_SKIP() << "ezdxf is missing: " << python
                 << " cannot import ezdxf.shapefile (install python3-ezdxf)";
  }
  const uint8_t kind = GetParam();
  for (uint32_t seed = 11; seed <= 13; ++seed) {
    auto font = sampleFont(kind, seed);
    font->removeAllRepeats();
    std::string file = path("font" + std::to_string(seed) + ".shp");
    font->save(file, LocalDate{9, 12, 2024});
    if (kind == GShpFile::kindBigfont) file = withoutFirstLine(file, path("plain.shp"));

    const std::map<int, Segments> theirs = ezdxfSegments(file);
    ASSERT_EQ(theirs.size(), static_cast<size_t>(font->shapeCount()));
    for (GShape* shape = font->first(); shape; shape = font->next()) {
      SCOPED_TRACE("shape " + std::to_string(shape->code()) + ", seed " + std::to_string(seed));
      auto found = theirs.find(shape->code());
      ASSERT_NE(found, theirs.end());
      EXPECT_EQ(found->second, ourSegments(*shape));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, EzdxfReadsOurFiles,
                         ::testing::Values(GShpFile::kindAscii, GShpFile::kindUnifont,
                                           GShpFile::kindBigfont));

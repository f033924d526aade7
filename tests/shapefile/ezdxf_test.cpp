#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "printed_segments.h"
#include "sample_fonts.h"
#include "test_support.h"

// Files this program writes, read by ezdxf, an independent reader of the format.
namespace {

const char* const python = "/usr/bin/python3";

bool ezdxfAvailable() {
  const std::string probe = std::string(python) + " -c 'import ezdxf.shapefile' > /dev/null 2>&1";
  return std::system(probe.c_str()) == 0;
}

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
  return segmentsPrintedBy(std::string(python) + " '" + KELVANE_EZDXF_STROKES + "' '" + path + "'");
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

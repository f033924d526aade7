#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "platform/gbk_unicode.h"
#include "platform/temp_dir.h"
#include "shapefile/printed_segments.h"
#include "shx/font_import.h"

// Hand-made shape sources using every code of the format, imported and compared with what
// ezdxf draws from the same source.
namespace {

const char everyCodeSource[] = R"(;; shapes of every code
*0,4,handmade
10,4,0,0

*1,5,sub
2,8,(1,1),1,024,0

*65,80,every   ; every code, over several lines
1,034,2,8,(2,-1),1,0A1,
4,2,044,3,2,3,2,010,4,2,
5,8,(3,0),6,7,1,

2,8,(6,0),1,10,(3,-043),2,8,(10,0),1,
11,(56,28,0,4,012),12,(6,0,127),
13,(4,4,-60),(0,-4,0),(-4,0,90),(0,0),
14,8,(0,-10),9,(2,3),(0A,-2),(0,0),2,0E8,0
*00042,9,hex
1,9,(010,-0A),(-5,+5),(0,0),0
)";

const char unifontSource[] = R"(*UNIFONT,6,uni
10,4,0,0,0,0
*04E2D,6,sub
1,8,(2,2),10,(2,070),0
*65,7,A
2,8,(1,0),1,7,04E2D,8,(3,0),0
)";

struct Point {
  double x, y;
};
using Polyline = std::vector<Point>;

std::map<int, std::vector<Polyline>> ezdxfDrawing(const std::string& file) {
  const std::string output =
      outputOf("/usr/bin/python3 '" KELVANE_EZDXF_DRAWING "' '" + file + "'");
  std::map<int, std::vector<Polyline>> drawing;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    int number;
    fields >> number;
    Polyline polyline;
    for (double x, y; fields >> x >> y;) polyline.push_back({x, y});
    drawing[number].push_back(polyline);
  }
  return drawing;
}

std::vector<Polyline> ourDrawing(const GShape& shape) {
  std::vector<Polyline> drawing;
  Point at{0, 0};
  bool drawing_ = false;
  for (int i = 0; i < shape.pointCount(); ++i) {
    const GPoint* p = shape.pointAtIndex(i);
    const Point to{static_cast<double>(p->x), static_cast<double>(p->y)};
    if (p->isVirtual) {
      drawing_ = false;
    } else {
      if (!drawing_) drawing.push_back({at});
      drawing.back().push_back(to);
      drawing_ = true;
    }
    at = to;
  }
  return drawing;
}

double distanceToSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y, length = dx * dx + dy * dy;
  const double t =
      length == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0);
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

double distanceToDrawing(Point p, const std::vector<Polyline>& drawing) {
  double nearest = INFINITY;
  for (const Polyline& line : drawing) {
    for (size_t i = 0; i < line.size(); ++i) {
      nearest =
          std::min(nearest, distanceToSegment(p, line[i], line[i + 1 < line.size() ? i + 1 : i]));
    }
  }
  return nearest;
}

// The farthest any point along one drawing lies from the other.
double farthest(const std::vector<Polyline>& from, const std::vector<Polyline>& to) {
  double worst = 0;
  for (const Polyline& line : from) {
    for (size_t i = 0; i + 1 < line.size() || i == 0; ++i) {
      const Point a = line[i], b = line[std::min(i + 1, line.size() - 1)];
      for (int k = 0; k <= 8; ++k) {
        const Point p{a.x + (b.x - a.x) * k / 8, a.y + (b.y - a.y) * k / 8};
        worst = std::max(worst, distanceToDrawing(p, to));
      }
      if (line.size() == 1) break;
    }
  }
  return worst;
}

class EveryCode : public TempDirTest {};

}  // namespace

// Chords keep within a quarter of a unit of the arcs, and every place is then rounded to the
// grid, which moves it by at most half a diagonal.
TEST_F(EveryCode, DrawsAsEzdxfDoesWithinTheGridsReach) {
  if (std::system("/usr/bin/python3 -c 'import ezdxf.shapefile' > /dev/null 2>&1") != 0) {
    GTEST_SKIP() << "ezdxf is missing: /usr/bin/python3 cannot import ezdxf.shapefile";
  }
  const double reach = 0.25 + std::sqrt(0.5) + 0.02;
  for (const char* source : {everyCodeSource, unifontSource}) {
    const std::string file = path("handmade.shp");
    writeBytes(file, source);
    const ImportedFont imported = importFont(source, "handmade.shp", {});
    EXPECT_TRUE(imported.leftOut.empty());
    EXPECT_TRUE(imported.notInGbk.empty());
    const auto theirs = ezdxfDrawing(file);
    for (int i = 0; i < imported.file->shapeCount(); ++i) {
      const GShape& shape = *imported.file->shapeAtIndex(i);
      SCOPED_TRACE("shape " + std::to_string(shape.code()));
      // ezdxf keeps the unifont's Unicode numbers, 中 among them.
      const int number = imported.numberedByUnicode && shape.code() >= 0x80
                             ? static_cast<int>(unicodeOfGbk(shape.code()))
                             : shape.code();
      ASSERT_TRUE(theirs.count(number));
      const std::vector<Polyline> ours = ourDrawing(shape);
      EXPECT_LE(farthest(ours, theirs.at(number)), reach);
      EXPECT_LE(farthest(theirs.at(number), ours), reach);
    }
  }
  const ImportedFont every = importFont(everyCodeSource, "handmade.shp", {});
  // Shapes 1 and 66 end off the baseline, where the editor's shapes always end.
  ASSERT_EQ(every.approximated.size(), 3u);
  EXPECT_TRUE(every.approximated[0].endMoved);
  EXPECT_EQ(every.approximated[0].faults | every.approximated[0].arcs, 0);
  const ShapeReport& report = every.approximated[1];
  EXPECT_EQ(report.code, 65);
  EXPECT_EQ(report.arcs, 5);
  EXPECT_GT(report.roundedPoints, 0);
  EXPECT_EQ(report.verticalSkipped, 1);
  EXPECT_EQ(report.subshapes, 1);
  EXPECT_EQ(report.faults, 0u);
}

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "drafting/centre_line.h"
#include "drafting/drafted_glyph.h"
#include "model/shape.h"

namespace {

constexpr double kPixelsPerUnit = 5;
constexpr int kSide = 48;

// A 48-unit bitmap inked where `inside` holds for the pixel's centre in grid units.
Bitmap drawn(const std::function<bool(double x, double y)>& inside) {
  Bitmap b;
  b.width = b.height = static_cast<int>(kSide * kPixelsPerUnit);
  b.coverage.resize(static_cast<size_t>(b.width) * b.height);
  for (int r = 0; r < b.height; ++r)
    for (int c = 0; c < b.width; ++c)
      b.coverage[static_cast<size_t>(r) * b.width + c] =
          inside((c + 0.5) / kPixelsPerUnit, kSide - (r + 0.5) / kPixelsPerUnit) ? 255 : 0;
  return b;
}

bool inRect(double x, double y, double x0, double y0, double x1, double y1) {
  return x >= x0 && x < x1 && y >= y0 && y < y1;
}

std::vector<GridStroke> strokesOf(const Bitmap& b) {
  return centreLineStrokes(b, PixelGrid{kPixelsPerUnit, 0, kSide});
}

// A drafted line ends where a pen as broad as the bar, drawn along it, reproduces the bar:
// half the bar's width in from its ends.
void expectRuns(const GridStroke& s, GridPoint from, GridPoint to) {
  ASSERT_GE(s.size(), 2u);
  EXPECT_LE(std::hypot(s.front().x - from.x, s.front().y - from.y), 1.0)
      << s.front().x << "," << s.front().y;
  EXPECT_LE(std::hypot(s.back().x - to.x, s.back().y - to.y), 1.0)
      << s.back().x << "," << s.back().y;
}

}  // namespace

TEST(CentreLine, ABarIsOneStrokeFromItsLeftEnd) {
  const auto strokes = strokesOf(drawn([](double x, double y) {
    return inRect(x, y, 4, 20, 40, 24);
  }));
  ASSERT_EQ(strokes.size(), 1u);
  expectRuns(strokes[0], {6, 22}, {38, 22});
  EXPECT_EQ(strokes[0].size(), 2u);  // a straight line needs no inner points
}

// Crossing lines continue straight through their meeting point, the upper stroke first.
TEST(CentreLine, ACrossAndATAreTwoStrokes) {
  const auto cross = strokesOf(drawn([](double x, double y) {
    return inRect(x, y, 4, 20, 40, 24) || inRect(x, y, 20, 4, 24, 40);
  }));
  ASSERT_EQ(cross.size(), 2u);
  expectRuns(cross[0], {22, 38}, {22, 6});
  expectRuns(cross[1], {6, 22}, {38, 22});

  const auto tee = strokesOf(drawn([](double x, double y) {
    return inRect(x, y, 4, 34, 40, 38) || inRect(x, y, 20, 4, 24, 34);
  }));
  ASSERT_EQ(tee.size(), 2u);
  expectRuns(tee[0], {6, 36}, {38, 36});
  expectRuns(tee[1], {22, 36}, {22, 6});
}

// A ring without corners stays one closed stroke; a box is cut where 口 is written in three.
TEST(CentreLine, ARingIsClosedAndABoxIsWrittenInThree) {
  const auto ring = strokesOf(drawn([](double x, double y) {
    const double r = std::hypot(x - 24, y - 24);
    return r >= 12 && r < 16;
  }));
  ASSERT_EQ(ring.size(), 1u);
  const GridStroke& loop = ring[0];
  EXPECT_EQ(loop.front().x, loop.back().x);
  EXPECT_EQ(loop.front().y, loop.back().y);
  EXPECT_GE(loop.size(), 8u);
  for (const GridPoint& p : loop) EXPECT_NEAR(std::hypot(p.x - 24, p.y - 24), 14, 1.0);

  const auto box = strokesOf(drawn([](double x, double y) {
    return inRect(x, y, 6, 6, 42, 42) && !inRect(x, y, 10, 10, 38, 38);
  }));
  ASSERT_EQ(box.size(), 3u);
  expectRuns(box[0], {8, 40}, {8, 8});  // the left side
  ASSERT_EQ(box[1].size(), 3u);         // the top turning down the right side
  expectRuns(box[1], {8, 40}, {40, 8});
  EXPECT_NEAR(box[1][1].x, 40, 1);
  EXPECT_NEAR(box[1][1].y, 40, 1);
  expectRuns(box[2], {8, 8}, {40, 8});  // the bottom
}

TEST(CentreLine, BlankAndSpeckledBitmapsDraftNothing) {
  EXPECT_TRUE(strokesOf(drawn([](double, double) { return false; })).empty());
  EXPECT_TRUE(strokesOf(drawn([](double x, double y) {
    return inRect(x, y, 10, 10, 10.4, 10.4);
  })).empty());
  EXPECT_TRUE(centreLineStrokes(Bitmap{}, PixelGrid{}).empty());
}

TEST(PutDraft, StrokesBecomePenUpMovesAndDrawnPoints) {
  GShape shape;
  shape.reset(7);
  shape.addPoint(1, 1, 0);
  putDraft(DraftedGlyph{false, 30, {{{0, 0}, {5, 0}}}}, shape);
  EXPECT_EQ(shape.width(), 7);  // nothing found: the shape stays as it was
  EXPECT_EQ(shape.pointCount(), 1);

  putDraft(DraftedGlyph{true, 48, {{{1, 2}, {3, 4}, {5, 6}}, {{9, 9}}, {{7, 8}, {7, 1}}}}, shape);
  EXPECT_EQ(shape.width(), 48);
  std::vector<std::tuple<int, int, int>> points;
  for (const GPoint& p : shape.points()) points.emplace_back(p.x, p.y, p.isVirtual);
  const std::vector<std::tuple<int, int, int>> expected = {
      {1, 2, 1}, {3, 4, 0}, {5, 6, 0}, {7, 8, 1}, {7, 1, 0}};
  EXPECT_EQ(points, expected);
}

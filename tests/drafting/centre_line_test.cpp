#include "drafting/centre_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "drafting/drafted_glyph.h"
#include "model/shape.h"

namespace {

constexpr double kPixelsPerUnit = 5;
constexpr int kSide = 48;

// A 48-unit bitmap inked where `inside` holds for the pixel's centre in grid units.
Bitmap drawn(const std::function<bool(double x, double y)>& inside,
             double pixelsPerUnit = kPixelsPerUnit) {
  Bitmap b;
  b.width = b.height = static_cast<int>(kSide * pixelsPerUnit);
  b.coverage.resize(static_cast<size_t>(b.width) * b.height);
  for (int r = 0; r < b.height; ++r)
    for (int c = 0; c < b.width; ++c)
      b.coverage[static_cast<size_t>(r) * b.width + c] =
          inside((c + 0.5) / pixelsPerUnit, kSide - (r + 0.5) / pixelsPerUnit) ? 255 : 0;
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
  const auto strokes =
      strokesOf(drawn([](double x, double y) { return inRect(x, y, 4, 20, 40, 24); }));
  ASSERT_EQ(strokes.size(), 1u);
  expectRuns(strokes[0], {6, 22}, {38, 22});
  EXPECT_EQ(strokes[0].size(), 2u);  // a straight line needs no inner points
}

// Crossing lines continue straight through their meeting point, the upper stroke first, however
// finely the bitmap is rendered.
TEST(CentreLine, ACrossAndATAreTwoStrokes) {
  for (double ppu : {4.0, 5.0, 8.0}) {
    const auto cross = centreLineStrokes(
        drawn([](double x,
                 double y) { return inRect(x, y, 4, 20, 40, 24) || inRect(x, y, 20, 4, 24, 40); },
              ppu),
        PixelGrid{ppu, 0, kSide});
    ASSERT_EQ(cross.size(), 2u) << ppu;
    expectRuns(cross[0], {22, 38}, {22, 6});
    expectRuns(cross[1], {6, 22}, {38, 22});
  }

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

// Corners a writer turns in one stroke (right then down, down then right) stay whole, as does
// a short hook; other sharp corners are cut, and three arms meeting evenly go apart.
TEST(CentreLine, CornersAreCutWhereTheyAreWrittenApart) {
  const auto turnDown = strokesOf(drawn([](double x, double y) {
    return inRect(x, y, 4, 36, 40, 40) || inRect(x, y, 36, 4, 40, 40);
  }));
  ASSERT_EQ(turnDown.size(), 1u);
  expectRuns(turnDown[0], {6, 38}, {38, 6});

  const auto turnRight = strokesOf(drawn(
      [](double x, double y) { return inRect(x, y, 4, 4, 8, 40) || inRect(x, y, 4, 4, 40, 8); }));
  ASSERT_EQ(turnRight.size(), 1u);
  expectRuns(turnRight[0], {6, 38}, {38, 6});

  const auto hooked = strokesOf(drawn([](double x, double y) {
    return inRect(x, y, 30, 6, 34, 42) || inRect(x, y, 27, 6, 34, 10);
  }));
  ASSERT_EQ(hooked.size(), 1u);

  // An upturned V: up to the right and down again is no way a stroke is written.
  const auto roof = strokesOf(drawn([](double x, double y) {
    const double apex = 40 - 1.4 * std::abs(x - 24);
    return x > 6 && x < 42 && y < apex && y > apex - 4;
  }));
  EXPECT_EQ(roof.size(), 2u);

  const auto threeArms = strokesOf(drawn([](double x, double y) {
    const double dx = x - 24, dy = y - 24;
    const double r = std::hypot(dx, dy);
    if (r > 18) return false;
    for (double a : {M_PI / 2, M_PI / 2 + 2 * M_PI / 3, M_PI / 2 + 4 * M_PI / 3}) {
      const double along = dx * std::cos(a) + dy * std::sin(a);
      const double across = -dx * std::sin(a) + dy * std::cos(a);
      if (along > -1 && std::abs(across) < 2) return true;
    }
    return false;
  }));
  EXPECT_EQ(threeArms.size(), 3u);
}

// Thinning leaves next to nothing of a dot; it still becomes a short stroke where it lies.
TEST(CentreLine, DotsBecomeShortStrokes) {
  const auto dotted = strokesOf(drawn([](double x, double y) {
    return std::hypot(x - 12, y - 30) < 1.8 || inRect(x, y, 10, 6, 14, 24);
  }));
  ASSERT_EQ(dotted.size(), 2u);
  const GridStroke& dot = dotted[0];
  for (const GridPoint& p : dot) EXPECT_LE(std::hypot(p.x - 12, p.y - 30), 1.5);
  expectRuns(dotted[1], {12, 22}, {12, 8});
}

TEST(Simplified, KeepsCornersWithinTheToleranceOpenOrClosed) {
  const Polyline bent = {{0, 0}, {1, 0.2}, {2, 0}, {3, 0.1}, {4, 0}, {4, 1}, {4, 2}, {4, 3}};
  const Polyline open = simplified(bent, 0.5);
  ASSERT_EQ(open.size(), 3u);
  EXPECT_EQ(open[1].x, 4);
  EXPECT_EQ(open[1].y, 0);

  Polyline square;
  for (int i = 0; i < 4; ++i) square.push_back({double(i), 0});
  for (int i = 0; i < 4; ++i) square.push_back({4, double(i)});
  for (int i = 4; i > 0; --i) square.push_back({double(i), 4});
  for (int i = 4; i >= 0; --i) square.push_back({0, double(i)});
  const Polyline closed = simplified(square, 0.5);
  EXPECT_EQ(closed.size(), 5u);  // four corners, the first again at the end
  EXPECT_EQ(closed.front().x, closed.back().x);
  EXPECT_EQ(closed.front().y, closed.back().y);
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
  putDraft(DraftedGlyph{false, 30, {{{0, 0}, {5, 0}}}, {}}, shape);
  EXPECT_EQ(shape.width(), 7);  // nothing found: the shape stays as it was
  EXPECT_EQ(shape.pointCount(), 1);

  putDraft(DraftedGlyph{true, 48, {{{1, 2}, {3, 4}, {5, 6}}, {{9, 9}}, {{7, 8}, {7, 1}}}, {}},
           shape);
  EXPECT_EQ(shape.width(), 48);
  std::vector<std::tuple<int, int, int>> points;
  for (const GPoint& p : shape.points()) points.emplace_back(p.x, p.y, p.isVirtual);
  const std::vector<std::tuple<int, int, int>> expected = {
      {1, 2, 1}, {3, 4, 0}, {5, 6, 0}, {7, 8, 1}, {7, 1, 0}};
  EXPECT_EQ(points, expected);
}

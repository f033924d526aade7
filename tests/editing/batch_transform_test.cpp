#include "editing/batch_transform.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "model/shape.h"

namespace {

struct P {
  int32_t x, y;
  bool up;
};

std::unique_ptr<GShape> shape(uint16_t code, uint16_t width, std::initializer_list<P> points) {
  auto s = std::make_unique<GShape>();
  s->setCode(code);
  s->reset(width);
  for (const P& p : points) s->addPoint(p.x, p.y, p.up ? 1 : 0);
  return s;
}

std::vector<P> pointsOf(const GShape& s) {
  std::vector<P> points;
  for (const GPoint& p : s.points()) points.push_back({p.x, p.y, p.isVirtual != 0});
  return points;
}

bool operator==(const P& a, const P& b) { return a.x == b.x && a.y == b.y && a.up == b.up; }

const GridRange kGrid{48, 32, 16};

}  // namespace

TEST(BatchTransform, MoveScaleAndSlantRoundedToTheGrid) {
  // A vertical bar 10 units high from (10,0), reached with the pen up.
  const auto bar = shape(0xB0A1, 48, {{10, 0, true}, {10, 10, false}});
  const std::vector<const GShape*> one{bar.get()};
  auto after = [&](const Transform& t) {
    return pointsOf(*transformShapes(one, t, kGrid, OutOfRange::Report).after[0]);
  };

  Transform move;
  move.dx = 3;
  move.dy = -2;
  EXPECT_EQ(after(move), (std::vector<P>{{13, -2, true}, {13, 8, false}}));

  // About the baseline's left end the origin stays; about the cell's middle (24, 7.5: the rows
  // run from -16 to 31) it moves.
  Transform half;
  half.scaleXPercent = 50;
  half.scaleYPercent = 50;
  half.origin = Transform::Origin::BaselineLeft;
  EXPECT_EQ(after(half), (std::vector<P>{{5, 0, true}, {5, 5, false}}));
  half.origin = Transform::Origin::CellMiddle;
  EXPECT_EQ(after(half), (std::vector<P>{{17, 4, true}, {17, 9, false}}));

  // 12 degrees lean the top of a 10 high bar 2.1 units right: rounded to 2.
  Transform slant;
  slant.origin = Transform::Origin::BaselineLeft;
  slant.slantDegrees = 12;
  EXPECT_EQ(after(slant), (std::vector<P>{{10, 0, true}, {12, 10, false}}));

  // The original is untouched, and a shape with its width and code comes out.
  EXPECT_EQ(pointsOf(*bar), (std::vector<P>{{10, 0, true}, {10, 10, false}}));
  const auto moved = transformShapes(one, move, kGrid, OutOfRange::Report);
  EXPECT_EQ(moved.after[0]->width(), 48);
  EXPECT_EQ(moved.after[0]->code(), 0xB0A1);
}

TEST(BatchTransform, PointsLeavingTheGridAreReportedOrClamped) {
  const auto nearEdge = shape(0xB0A1, 48, {{40, 20, true}, {44, 30, false}});
  const auto middle = shape(0xB0A2, 48, {{23, 8, true}, {25, 9, false}});
  // Already above the grid, as an imported font can be: not counted as leaving.
  const auto above = shape(0xB0A3, 48, {{24, 34, true}, {25, 34, false}});
  const std::vector<const GShape*> shapes{nearEdge.get(), middle.get(), above.get()};
  Transform big;
  big.scaleXPercent = 300;
  big.scaleYPercent = 300;

  const BatchResult reported = transformShapes(shapes, big, kGrid, OutOfRange::Report);
  EXPECT_EQ(reported.outOfRange, std::vector<uint16_t>{0xB0A1});
  const BatchResult clamped = transformShapes(shapes, big, kGrid, OutOfRange::Clamp);
  EXPECT_EQ(clamped.outOfRange, std::vector<uint16_t>{0xB0A1});
  // Clamped onto the grid's last column and top row.
  EXPECT_EQ(pointsOf(*clamped.after[0]), (std::vector<P>{{47, 31, true}, {47, 31, false}}));
  EXPECT_EQ(pointsOf(*clamped.after[1]), (std::vector<P>{{21, 9, true}, {27, 12, false}}));
}

TEST(BatchTransform, CentreFitAndWidth) {
  const auto left = shape('A', 24, {{0, 0, true}, {4, 10, false}});       // ink 0..4
  const auto empty = shape('B', 24, {{3, 3, true}});                      // nothing drawn
  const auto hanzi = shape(0xB0A1, 48, {{0, 0, true}, {20, 10, false}});  // 20 wide, 10 high
  const std::vector<const GShape*> shapes{left.get(), empty.get(), hanzi.get()};

  const BatchResult centred = centreOnAdvance(shapes);
  EXPECT_EQ(pointsOf(*centred.after[0]), (std::vector<P>{{10, 0, true}, {14, 10, false}}));
  EXPECT_EQ(pointsOf(*centred.after[1]), pointsOf(*empty));
  EXPECT_EQ(pointsOf(*centred.after[2]), (std::vector<P>{{14, 0, true}, {34, 10, false}}));

  // Margin 1 on a 48 grid (columns 0 to 47, rows -16 to 31): the hanzi's width limits, 45 / 20
  // = 2.25 times.
  const BatchResult fitted = fitToCell(shapes, kGrid, 1);
  EXPECT_TRUE(fitted.refused.empty());
  EXPECT_EQ(pointsOf(*fitted.after[2]), (std::vector<P>{{1, -4, true}, {46, 19, false}}));
  const InkBox box = inkBoxOf(*fitted.after[0]);
  EXPECT_EQ(box.bottom, -15);
  EXPECT_EQ(box.top, 30);  // 45 high, 18 wide, in the middle of 24
  EXPECT_EQ(box.left, 3);
  EXPECT_EQ(box.right, 21);
  EXPECT_EQ(fitToCell(shapes, kGrid, 13).refused, (std::vector<uint16_t>{'A', 'B'}));

  const BatchResult wide = setWidth(shapes, 30);
  EXPECT_TRUE(wide.refused.empty());
  EXPECT_EQ(wide.after[2]->width(), 30);
  EXPECT_EQ(pointsOf(*wide.after[2]), pointsOf(*hanzi));
  EXPECT_EQ(setWidth(shapes, 256).refused.size(), 3u);
}

#include "editing/grid_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

GridLayout defaultGridIn(int width, int height) {
  GridLayout layout;
  layout.fit(width, height);
  return layout;
}

GridLayout grid(int above, int below) {
  GridLayout layout;
  layout.above = above;
  layout.below = below;
  layout.columns = layout.rows = above + below;
  return layout;
}

}  // namespace

TEST(GridLayout, DefaultGridIn472By480Panel) {
  const GridLayout layout = defaultGridIn(472, 480);
  EXPECT_EQ(layout.cellSize, 8u);
  EXPECT_EQ(layout.originX, 48);
  EXPECT_EQ(layout.originY, 52);
  const auto origin = layout.gridToPixel(0, 0);
  EXPECT_EQ(origin.x, 48);
  EXPECT_EQ(origin.y, 300);
  const auto topRight = layout.gridToPixel(47, 31);
  EXPECT_EQ(topRight.x, 424);
  EXPECT_EQ(topRight.y, 52);
  const auto bottomLeft = layout.gridToPixel(0, -16);
  EXPECT_EQ(bottomLeft.x, 48);
  EXPECT_EQ(bottomLeft.y, 428);
}

TEST(GridLayout, PixelToGridRoundsToTheNearestLineHalfWayRightAndDown) {
  const GridLayout layout = defaultGridIn(472, 480);
  auto cell = layout.pixelToGrid(51, 299);
  EXPECT_EQ(cell.x, 0);
  EXPECT_EQ(cell.y, 0);
  cell = layout.pixelToGrid(52, 52);
  EXPECT_EQ(cell.x, 1);
  EXPECT_EQ(cell.y, 31);
  cell = layout.pixelToGrid(48, 56);  // half-way between rows 31 and 30
  EXPECT_EQ(cell.y, 30);
}

TEST(GridLayout, ClampsOnlyAtTheTopLeft) {
  const GridLayout layout = defaultGridIn(472, 480);
  auto cell = layout.pixelToGrid(0, 0);
  EXPECT_EQ(cell.x, 0);
  EXPECT_EQ(cell.y, 31);
  cell = layout.pixelToGrid(471, 479);
  EXPECT_EQ(cell.x, (471 - 48 + 4) / 8);
  EXPECT_EQ(cell.y, 48 - (479 - 52 + 4) / 8 - 1 - 16);
  EXPECT_GT(cell.x, 47);
  EXPECT_LT(cell.y, -16);
}

TEST(GridLayout, PanelTooSmallHasNoCells) {
  EXPECT_FALSE(defaultGridIn(90, 400).usable());
  EXPECT_FALSE(defaultGridIn(10, 10).usable());
  EXPECT_FALSE(defaultGridIn(0, 0).usable());
  EXPECT_TRUE(defaultGridIn(48 + 48, 48 + 48).usable());
}

TEST(GridLayout, FarAwayPointsWrapInsteadOfOverflowing) {
  const GridLayout layout = defaultGridIn(472, 480);
  const auto far = layout.gridToPixel(INT32_MAX, INT32_MIN);
  EXPECT_EQ(far.x, static_cast<int32_t>(48 + int64_t{INT32_MAX} * 8));
  EXPECT_EQ(far.y, static_cast<int32_t>(52 + (48 - int64_t{INT32_MIN} - 1 - 16) * 8));
}

TEST(GridLayout, MajorLinesOfTheDefaultGrid) {
  const GridLayout layout = grid(32, 16);
  std::vector<int> columns, rows;
  for (int i = 0; i < 48; ++i)
    if (layout.isMajorColumn(i)) columns.push_back(i);
  for (int j = -16; j < 32; ++j)
    if (layout.isMajorRow(j)) rows.push_back(j);
  EXPECT_EQ(columns, (std::vector<int>{0, 8, 16, 24, 32, 40, 47}));
  EXPECT_EQ(rows, (std::vector<int>{-16, -8, 0, 8, 16, 24, 31}));
}

TEST(GridLayout, GridNotAMultipleOfSixHasEightDivisions) {
  const GridLayout layout = grid(27, 13);  // 40 lines: major every 5
  std::vector<int> columns;
  for (int i = 0; i < 40; ++i)
    if (layout.isMajorColumn(i)) columns.push_back(i);
  EXPECT_EQ(columns, (std::vector<int>{0, 5, 10, 15, 20, 25, 30, 35, 39}));
  EXPECT_TRUE(layout.isMajorRow(-13));
  EXPECT_TRUE(layout.isMajorRow(-10));
  EXPECT_FALSE(layout.isMajorRow(-12));
}

TEST(GridLayout, TinyGridsHaveEveryLineMajor) {
  for (int lines : {1, 5, 7}) {
    const GridLayout layout = grid(lines, 0);
    for (int i = 0; i < lines; ++i) {
      EXPECT_TRUE(layout.isMajorColumn(i)) << lines << " " << i;
      EXPECT_TRUE(layout.isMajorRow(i)) << lines << " " << i;
    }
  }
}

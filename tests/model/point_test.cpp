#include "model/point.h"

#include <gtest/gtest.h>

TEST(Point, DeltaTakesTheTargetsPenAndIsUnselected) {
  GPoint to(5, -3, 1);
  to.select();
  GPoint d = GPoint::delta(to, GPoint(2, 4, 0));
  EXPECT_EQ(d.x, 3);
  EXPECT_EQ(d.y, -7);
  EXPECT_EQ(d.isVirtual, 1);
  EXPECT_EQ(d.selected, 0);
}

TEST(Point, AssignKeepsSelection) {
  GPoint p(1, 1, 0);
  p.select();
  p.assign(GPoint(7, 8, 1));
  EXPECT_EQ(p.x, 7);
  EXPECT_EQ(p.y, 8);
  EXPECT_EQ(p.isVirtual, 1);
  EXPECT_TRUE(p.isSelected());
  p.assign(p);
  EXPECT_EQ(p.x, 7);
}

TEST(Point, PlaceComparisonIgnoresPenAndSelection) {
  GPoint a(1, 2, 0), b(1, 2, 1);
  b.select();
  EXPECT_TRUE(GPoint::samePlace(a, b));
  EXPECT_FALSE(GPoint::differs(a, b));
  EXPECT_TRUE(GPoint::differs(a, GPoint(1, 3, 0)));
}

TEST(Point, TranslateWrapsInsteadOfOverflowing) {
  GPoint p(INT32_MAX, 0, 0);
  p.translate(GPoint(1, -1, 1));
  EXPECT_EQ(p.x, INT32_MIN);
  EXPECT_EQ(p.y, -1);
  EXPECT_EQ(p.isVirtual, 0);
}

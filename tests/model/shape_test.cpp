#include "model/shape.h"

#include <gtest/gtest.h>

namespace {

// Builds a shape from a compact description: 'v' or 'r' followed by x,y.
struct P {
  int32_t x, y;
  char pen;
};

void fill(GShape& s, std::initializer_list<P> pts) {
  for (const P& p : pts) s.addPoint(p.x, p.y, p.pen == 'v' ? 1 : 0);
}

std::string describe(const GShape& s) {
  std::string out;
  for (int i = 0; i < s.pointCount(); ++i) {
    const GPoint* p = s.pointAtIndex(i);
    out += (p->isVirtual ? "v" : "r") + std::to_string(p->x) + "," + std::to_string(p->y) +
           (p->selected ? "*" : "") + " ";
  }
  return out;
}

}  // namespace

TEST(Shape, NewShapeIsEmptyWithoutAList) {
  GShape s;
  EXPECT_EQ(s.code(), 0);
  EXPECT_EQ(s.width(), 0);
  EXPECT_EQ(s.pointCount(), 0);
  EXPECT_FALSE(s.hasList());
  EXPECT_EQ(s.first(), nullptr);
  EXPECT_EQ(s.last(), nullptr);
  EXPECT_EQ(s.previous(), nullptr);
}

TEST(Shape, ResetSetsWidthAndEmptiesThePath) {
  GShape s;
  fill(s, {{1, 1, 'r'}});
  s.reset(48);
  EXPECT_EQ(s.width(), 48);
  EXPECT_EQ(s.pointCount(), 0);
  EXPECT_TRUE(s.hasList());
}

TEST(Shape, IterationSharesOneCursor) {
  GShape s;
  fill(s, {{1, 0, 'v'}, {2, 0, 'r'}, {3, 0, 'r'}});
  EXPECT_EQ(s.first()->x, 1);
  EXPECT_EQ(s.next()->x, 2);
  EXPECT_EQ(s.next()->x, 3);
  EXPECT_EQ(s.next(), nullptr);
  EXPECT_EQ(s.last()->x, 3);
  EXPECT_EQ(s.previous()->x, 2);
  EXPECT_EQ(s.previous()->x, 1);
  EXPECT_EQ(s.previous(), nullptr);
}

TEST(Shape, PointersStayValidAcrossInsertAndDelete) {
  GShape s;
  fill(s, {{1, 0, 'v'}, {2, 0, 'r'}, {3, 0, 'r'}});
  GPoint* third = s.last();
  for (int i = 0; i < 100; ++i) s.insertBefore(std::make_unique<GPoint>(9, i, 0), s.first());
  s.deletePoint(s.first());
  EXPECT_EQ(third->x, 3);
  EXPECT_EQ(s.last(), third);

  // A decoded path sits in one block; points added later must not move it.
  s.parseLine("2,8,(1,1),1,9,(1,0),(1,0),(0,0),0");
  GPoint* start = s.first();
  GPoint* end = s.last();
  for (int i = 0; i < 200; ++i) s.insertAfter(std::make_unique<GPoint>(i, 9, 0), start);
  for (int i = 0; i < 150; ++i) s.deletePoint(s.pointAt(i, 9));
  for (int i = 0; i < 100; ++i) s.insertBefore(std::make_unique<GPoint>(i, 7, 0), end);
  EXPECT_EQ(s.first(), start);
  EXPECT_EQ(s.last(), end);
  EXPECT_EQ(end->x, 3);
  EXPECT_EQ(s.pointCount(), 3 + 50 + 100);
}

TEST(Shape, DeletePointKeepsTheStrokeLifted) {
  GShape s;
  fill(s, {{1, 1, 'v'}, {2, 2, 'r'}, {3, 3, 'r'}});
  EXPECT_TRUE(s.deletePoint(s.first()));
  EXPECT_EQ(describe(s), "v2,2 r3,3 ");

  GShape t;
  fill(t, {{1, 1, 'r'}, {2, 2, 'r'}, {3, 3, 'v'}});
  EXPECT_TRUE(t.deletePoint(t.last()));
  EXPECT_EQ(describe(t), "r1,1 r2,2 ");

  GShape one;
  fill(one, {{1, 1, 'r'}});
  EXPECT_FALSE(one.deletePoint(one.first()));
  EXPECT_FALSE(one.deletePoint(nullptr));
}

TEST(Shape, DeleteAllAndDeleteSelectedReportWhetherAnythingWent) {
  GShape s;
  EXPECT_FALSE(s.deleteAll());
  fill(s, {{1, 1, 'v'}, {2, 2, 'r'}, {3, 3, 'r'}});
  EXPECT_FALSE(s.deleteSelected());
  EXPECT_EQ(s.pointCount(), 3);
  s.first()->select();
  s.last()->select();
  EXPECT_TRUE(s.deleteSelected());
  EXPECT_EQ(describe(s), "v2,2 ");
  EXPECT_TRUE(s.deleteAll());
  EXPECT_EQ(s.pointCount(), 0);
}

TEST(Shape, RemoveRepeatsComparesNeighboursOnly) {
  GShape s;
  fill(s, {{1, 1, 'v'}, {1, 1, 'r'}, {1, 1, 'r'}, {2, 2, 'r'}, {1, 1, 'r'}});
  s.removeRepeats();
  EXPECT_EQ(describe(s), "v1,1 r2,2 r1,1 ");
}

TEST(Shape, SelectStroke) {
  GShape s;
  fill(s, {{1, 1, 'r'}, {2, 2, 'r'}, {3, 3, 'v'}, {4, 4, 'r'}, {5, 5, 'r'}, {6, 6, 'v'}});
  s.selectStroke(s.pointAtIndex(1));
  EXPECT_EQ(describe(s), "r1,1* r2,2* v3,3 r4,4 r5,5 v6,6 ");
  s.clearSelection();
  s.selectStroke(s.pointAtIndex(4));
  EXPECT_EQ(describe(s), "r1,1 r2,2 v3,3* r4,4* r5,5* v6,6 ");
  s.clearSelection();
  GPoint stranger(4, 4, 0);
  s.selectStroke(&stranger);
  s.selectStroke(nullptr);
  EXPECT_EQ(describe(s), "r1,1 r2,2 v3,3 r4,4 r5,5 v6,6 ");
}

TEST(Shape, SelectInRectTakesCornersInAnyOrderInclusive) {
  GShape s;
  fill(s, {{1, 2, 'r'}, {5, 9, 'r'}, {0, 5, 'r'}, {3, 10, 'r'}, {6, 2, 'r'}, {3, 1, 'r'}});
  s.selectInRect(5, 9, 1, 2);
  EXPECT_EQ(describe(s), "r1,2* r5,9* r0,5 r3,10 r6,2 r3,1 ");
}

TEST(Shape, PointAtReturnsTheLatest) {
  GShape s;
  fill(s, {{1, 1, 'v'}, {2, 2, 'r'}, {1, 1, 'r'}});
  EXPECT_EQ(s.pointAt(1, 1), s.pointAtIndex(2));
  EXPECT_EQ(s.pointAt(7, 7), nullptr);
  EXPECT_TRUE(s.hasPointAt(2, 2));
  EXPECT_FALSE(s.hasPointAt(2, 1));
}

TEST(Shape, InsertBeforeAndAfter) {
  GShape s;
  s.insertBefore(std::make_unique<GPoint>(1, 1, 0), nullptr);
  EXPECT_FALSE(s.hasList());
  fill(s, {{1, 1, 'v'}, {2, 2, 'r'}});
  s.insertBefore(std::make_unique<GPoint>(5, 5, 0), s.pointAtIndex(1));
  s.insertAfter(std::make_unique<GPoint>(6, 6, 0), s.pointAtIndex(0));
  GPoint stranger;
  s.insertBefore(std::make_unique<GPoint>(7, 7, 1), &stranger);
  s.insertAfter(std::make_unique<GPoint>(8, 8, 1), &stranger);
  s.insertAfter(nullptr, s.first());
  EXPECT_EQ(describe(s), "v7,7 v1,1 r6,6 r5,5 r2,2 v8,8 ");
}

TEST(Shape, InsertAfterSelectedCopiesPerSelectedPointOrAppends) {
  GShape s;
  fill(s, {{1, 1, 'v'}, {2, 2, 'r'}, {3, 3, 'r'}});
  s.first()->select();
  s.last()->select();
  s.insertAfterSelected(GPoint(9, 9, 0));
  EXPECT_EQ(describe(s), "v1,1* r9,9 r2,2 r3,3* r9,9 ");

  GShape none;
  fill(none, {{1, 1, 'v'}});
  none.insertAfterSelected(GPoint(1, 1, 0));
  EXPECT_EQ(describe(none), "v1,1 ");
  none.insertAfterSelected(GPoint(4, 4, 0));
  EXPECT_EQ(describe(none), "v1,1 r4,4 ");
}

TEST(Shape, CopyFromKeepsCodeAndDirection) {
  GShape src;
  src.parseLine("*66,9,042 ;B");
  src.reset(20);
  fill(src, {{1, 1, 'v'}, {2, 2, 'r'}});
  src.last()->select();
  GShape dst;
  dst.setCode(65);
  dst.setDirection(1);
  fill(dst, {{7, 7, 'r'}});
  dst.copyFrom(src);
  EXPECT_EQ(dst.code(), 65);
  EXPECT_EQ(dst.direction(), 1);
  EXPECT_EQ(dst.width(), 20);
  EXPECT_EQ(dst.byteCount(), 9);
  EXPECT_EQ(describe(dst), "v1,1 r2,2* ");
  EXPECT_EQ(&dst.copyFrom(dst), &dst);
  EXPECT_EQ(describe(dst), "v1,1 r2,2* ");
}

TEST(Shape, ListText) {
  GShape s;
  s.setCode(65);
  EXPECT_EQ(s.listText(), "A");
  s.setCode(45217);
  EXPECT_EQ(s.listText(), "\xB0\xA1");
  s.setCode(200);
  EXPECT_EQ(s.listText(), std::string("\0\xC8", 2));
}

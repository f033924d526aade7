#include "shapefile/shpfile.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<GShape> shapeWithCode(uint16_t code) {
  auto s = std::make_unique<GShape>();
  s->reset(48);
  s->setCode(code);
  return s;
}

}  // namespace

TEST(ShpFileModel, ConstructorsSetTheMetrics) {
  GShpFile plain;
  EXPECT_EQ(plain.above(), 32);
  EXPECT_EQ(plain.below(), 16);
  EXPECT_EQ(plain.width(), 48);
  EXPECT_EQ(plain.height(), 48);
  EXPECT_EQ(plain.kind(), GShpFile::kindNone);
  EXPECT_EQ(plain.shapeCount(), 0);

  GShpFile sized(200, 100);  // the sum keeps its low 8 bits
  EXPECT_EQ(sized.height(), 44);
  EXPECT_EQ(sized.width(), 44);
}

TEST(ShpFileModel, SetKindRefusesUnknownKinds) {
  GShpFile f;
  EXPECT_TRUE(f.setKind(3));
  EXPECT_FALSE(f.setKind(0));
  EXPECT_FALSE(f.setKind(4));
  EXPECT_EQ(f.kind(), 3);
}

TEST(ShpFileModel, MetricsAreFixedOnceTheFontHasShapes) {
  GShpFile f;
  EXPECT_TRUE(f.setAbove(40));
  EXPECT_EQ(f.height(), 56);
  EXPECT_TRUE(f.setBelow(20));
  EXPECT_EQ(f.height(), 60);
  f.addShape(shapeWithCode(65));
  EXPECT_FALSE(f.setAbove(10));
  EXPECT_FALSE(f.setBelow(10));
  EXPECT_EQ(f.above(), 40);
  EXPECT_EQ(f.below(), 20);
}

TEST(ShpFileModel, GridIndexSetsTheMetricsOfAnEmptyFont) {
  GShpFile f;
  EXPECT_TRUE(f.setGridIndex(5));
  EXPECT_EQ(f.gridIndex(), 5);
  EXPECT_EQ(f.above(), 48);
  EXPECT_EQ(f.below(), 24);
  EXPECT_EQ(f.height(), 72);
  EXPECT_EQ(f.width(), 48);
  f.setGridIndex(9);
  EXPECT_EQ(f.above(), 80);
  EXPECT_EQ(f.below(), 40);
  f.setGridIndex(0);
  EXPECT_EQ(f.above(), 8);
  EXPECT_EQ(f.below(), 4);

  GShpFile noDescent(20, 0);
  noDescent.setGridIndex(3);
  EXPECT_EQ(noDescent.above(), 48);
  EXPECT_EQ(noDescent.below(), 0);

  GShpFile withShapes;
  withShapes.addShape(shapeWithCode(65));
  withShapes.setGridIndex(5);
  EXPECT_EQ(withShapes.gridIndex(), 5);
  EXPECT_EQ(withShapes.above(), 32);
  EXPECT_EQ(withShapes.below(), 16);
}

TEST(ShpFileModel, AddShapeRaisesTheCharacterCount) {
  GShpFile f;
  f.addShape(shapeWithCode(65));
  EXPECT_EQ(f.characterCount(), 1);
  f.addShape(shapeWithCode(66));
  EXPECT_EQ(f.characterCount(), 2);
  EXPECT_EQ(f.shapeCount(), 2);
}

TEST(ShpFileModel, FindsShapesByCodeAndByListText) {
  GShpFile f;
  EXPECT_EQ(f.findShape(65), nullptr);
  f.addShape(shapeWithCode(65));
  f.addShape(shapeWithCode(45217));
  f.addShape(shapeWithCode(65));  // a repeated code is accepted; the first one is found
  EXPECT_EQ(f.findShape(65), f.first());
  EXPECT_EQ(f.findShapeByText("A"), f.first());
  EXPECT_EQ(f.findShapeByText("\xB0\xA1")->code(), 45217);
  EXPECT_EQ(f.findShapeByText("\xB0\xA1xyz")->code(), 45217);
  EXPECT_EQ(f.findShapeByText(""), nullptr);
  EXPECT_TRUE(f.hasShape(45217));
  EXPECT_FALSE(f.hasShape(66));

  f.addShape(shapeWithCode(0));
  EXPECT_EQ(f.findShapeByText("")->code(), 0);
}

TEST(ShpFileModel, IteratesAndRemovesInFileOrder) {
  GShpFile f;
  EXPECT_EQ(f.first(), nullptr);
  for (uint16_t c : {67, 65, 66}) f.addShape(shapeWithCode(c));
  std::vector<uint16_t> codes;
  for (GShape* s = f.first(); s; s = f.next()) codes.push_back(s->code());
  EXPECT_EQ(codes, (std::vector<uint16_t>{67, 65, 66}));
  EXPECT_EQ(f.next(), nullptr);

  f.removeShape(nullptr);
  f.removeShape(f.findShape(65));
  EXPECT_EQ(f.shapeCount(), 2);
  EXPECT_EQ(f.shapeAtIndex(1)->code(), 66);
  EXPECT_EQ(f.shapeAtIndex(2), nullptr);
  EXPECT_EQ(f.shapeAtIndex(-1), nullptr);
}

TEST(ShpFileModel, FillListLeavesTheLinesWithoutAShapeList) {
  GShpFile f;
  std::vector<std::string> lines{"kept"};
  f.fillList(lines);
  EXPECT_EQ(lines, std::vector<std::string>{"kept"});

  f.addShape(shapeWithCode(65));
  f.addShape(shapeWithCode(45217));
  f.fillList(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"A", "\xB0\xA1"}));
}

TEST(ShpFileModel, RemoveAllRepeatsCleansEveryShape) {
  GShpFile f;
  for (uint16_t c : {65, 66}) {
    auto s = shapeWithCode(c);
    s->addPoint(1, 1, 1);
    s->addPoint(1, 1, 0);
    s->addPoint(2, 2, 0);
    f.addShape(std::move(s));
  }
  f.removeAllRepeats();
  EXPECT_EQ(f.findShape(65)->pointCount(), 2);
  EXPECT_EQ(f.findShape(66)->pointCount(), 2);
}

TEST(ShpFileModel, ShapesTakenOutAndPutBackKeepTheLookupByCode) {
  GShpFile file;
  for (uint16_t code : {65, 66, 65, 67}) file.addShape(shapeWithCode(code));
  GShape* firstA = file.shapeAtIndex(0);
  std::unique_ptr<GShape> b = file.takeShapeAt(1);
  EXPECT_FALSE(file.hasShape(66));
  EXPECT_EQ(file.findShape(65), firstA);
  std::unique_ptr<GShape> a = file.takeShapeAt(0);
  EXPECT_EQ(file.findShape(65), file.shapeAtIndex(0));  // the other A remains
  file.insertShapeAt(0, std::move(a));
  file.insertShapeAt(1, std::move(b));
  EXPECT_EQ(file.findShape(65), firstA);  // the first in list order again
  EXPECT_EQ(file.indexOf(file.findShape(66)), 1);
  EXPECT_EQ(file.takeShapeAt(4), nullptr);

  std::vector<std::unique_ptr<GShape>> tail = file.takeShapesFrom(2);
  ASSERT_EQ(tail.size(), 2u);
  EXPECT_FALSE(file.hasShape(67));
  EXPECT_TRUE(file.hasShape(65));
  EXPECT_EQ(file.characterCount(), 4);  // only an undo sets it back
  file.setCharacterCount(2);
  file.appendShapes(std::move(tail));
  EXPECT_TRUE(file.hasShape(67));
  EXPECT_EQ(file.shapeCount(), 4);
  EXPECT_EQ(file.characterCount(), 4);
}

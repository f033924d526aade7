#include "editing/text_line.h"

#include <gtest/gtest.h>

#include "shapefile/shpfile.h"

namespace {

std::unique_ptr<GShape> shapeOf(uint16_t code, uint16_t width,
                                std::initializer_list<GPoint> points) {
  auto shape = std::make_unique<GShape>();
  shape->setCode(code);
  shape->reset(width);
  for (const GPoint& p : points) shape->appendPoint(p);
  return shape;
}

TEST(TextLine, OnlyDrawnStrokesOutsideTheBoxAreOverruns) {
  // Strokes to the very edges of the box stay inside it.
  EXPECT_FALSE(reachesOutside(*shapeOf('A', 24, {{0, -16, 1}, {24, 32, 0}}), 32, 16));
  // A pen-up move may go anywhere; the stroke leaving a point outside does not.
  EXPECT_FALSE(reachesOutside(*shapeOf('A', 24, {{30, 40, 1}, {10, 10, 1}, {12, 12, 0}}), 32, 16));
  EXPECT_TRUE(reachesOutside(*shapeOf('A', 24, {{30, 10, 1}, {10, 10, 0}}), 32, 16));
  EXPECT_TRUE(reachesOutside(*shapeOf('A', 24, {{-1, 10, 0}}), 32, 16));
  EXPECT_TRUE(reachesOutside(*shapeOf('A', 24, {{5, -17, 0}}), 32, 16));
  EXPECT_TRUE(drawsNothing(*shapeOf('A', 24, {{5, 5, 1}})));
  EXPECT_FALSE(drawsNothing(*shapeOf('A', 24, {{5, 5, 0}})));
}

TEST(TextLine, MissingCharactersTakeTheWidthTheirReadingWouldGive) {
  GShpFile file;
  file.setKind(GShpFile::kindBigfont);
  file.addShape(shapeOf(0xD6D0, 48, {{0, 0, 1}, {40, 0, 0}}));
  const std::vector<int32_t> codes = {'a', 0xD6D0, -1, 0xB0A1};
  std::vector<LineGlyph> line = layOutLine(file, codes);
  ASSERT_EQ(line.size(), 4u);
  EXPECT_EQ(line[0].advance, 24);
  EXPECT_NE(line[1].shape, nullptr);
  EXPECT_EQ(line[1].penX, 24);
  EXPECT_EQ(line[2].shape, nullptr);
  EXPECT_EQ(line[3].penX, 24 + 48 + 48);
  file.setDirection(1);  // a rotated font keeps the full width for single bytes too
  EXPECT_EQ(layOutLine(file, codes)[0].advance, 48);
}

}  // namespace

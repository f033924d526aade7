#include "shapefile/font_rules.h"

#include <gtest/gtest.h>

#include "shapefile/shpfile.h"

namespace {

TEST(FontRules, GridSidesAndTheirIndices) {
  EXPECT_EQ(gridSideOf(0), 12);
  EXPECT_EQ(gridSideOf(3), 48);
  EXPECT_EQ(gridIndexOf(120), 9);
  for (const int side : {0, 11, 50, 132, -12}) EXPECT_EQ(gridIndexOf(side), -1) << side;
}

TEST(FontRules, HeightSplitsByKindAndDirection) {
  EXPECT_TRUE(hasDescent(GShpFile::kindAscii, 0));
  EXPECT_FALSE(hasDescent(GShpFile::kindAscii, 1));
  EXPECT_FALSE(hasDescent(GShpFile::kindBigfont, 0));
  const HeightSplit ascii = splitHeight(48, true);
  EXPECT_EQ(ascii.above, 32);
  EXPECT_EQ(ascii.below, 16);
  const HeightSplit upright = splitHeight(48, false);
  EXPECT_EQ(upright.above, 48);
  EXPECT_EQ(upright.below, 0);
}

TEST(FontRules, FontNameInGbkWithUnderscoresForWhatItCannotHold) {
  EXPECT_EQ(fontNameOf("/fonts/kst.shp"), "kst");
  EXPECT_EQ(fontNameOf("/fonts/\xE4\xB8\xAD\xE6\x96\x87.shp"), "\xD6\xD0\xCE\xC4");  // 中文
  EXPECT_EQ(fontNameOf("a/\xF0\x9F\x98\x80x\ty.shp"), "_x\ty");  // an emoji; a tab stays
  EXPECT_EQ(fontNameOf("a/b\xFF" "c.shp"), "b_c");                // not UTF-8
  EXPECT_TRUE(isDoubleByte(0xD6D0));
  EXPECT_FALSE(isDoubleByte(0xC1));
}

}  // namespace

#include "editing/character_sets.h"

#include <gtest/gtest.h>

#include "shapefile/shpfile.h"

namespace {

std::string hanziSet() { return std::string(1, '\x80'); }

}  // namespace

TEST(CharacterSets, WidthsInNormalAndRotatedFiles) {
  GShpFile file;
  const AddedCharacters added = addCharacters(file, "A\xD6\xD0", 48);  // A, 中
  EXPECT_TRUE(added.added);
  EXPECT_EQ(added.firstText, "A");
  EXPECT_EQ(file.findShape('A')->width(), 24);
  EXPECT_EQ(file.findShape(0xD6D0)->width(), 48);

  GShpFile rotated;
  rotated.setDirection(1);
  addCharacters(rotated, "A", 48);
  EXPECT_EQ(rotated.findShape('A')->width(), 48);
  EXPECT_EQ(newShapeWidth(false, 0, 47), 23);
}

TEST(CharacterSets, TheHanziSetInItsOrderAndOnlyWhatIsMissing) {
  GShpFile file;
  addCharacters(file, "\xB0\xA2", 48);
  const AddedCharacters all = addCharacters(file, hanziSet() + "\xB0\xA1", 48);
  EXPECT_EQ(all.firstText, "\xB0\xA1");
  ASSERT_EQ(file.shapeCount(), 6768);
  EXPECT_EQ(file.shapeAtIndex(1)->code(), 0xB0A1);
  EXPECT_EQ(file.shapeAtIndex(2)->code(), 0xB0A3);
  EXPECT_EQ(file.shapeAtIndex(6767)->code(), 0xF7FE);
  EXPECT_TRUE(file.hasShape(0xD7FA));  // left empty by GB2312, yet part of the set
  EXPECT_EQ(file.shapeAtIndex(100)->width(), 48);

  // Digits and hanzi on a file holding every hanzi: the digits only, the first selected.
  const AddedCharacters digits = addCharacters(file, "0123456789" + hanziSet(), 48);
  EXPECT_EQ(digits.firstText, "0");
  EXPECT_EQ(file.shapeCount(), 6778);
  EXPECT_FALSE(addCharacters(file, "09" + hanziSet(), 48).added);
}

TEST(CharacterSets, TheHanziSetByteStandsAloneOnly) {
  EXPECT_TRUE(holdsHanziSetByte("A\x80"));
  EXPECT_FALSE(holdsHanziSetByte("\x81\x80"));  // a trail byte of 0x80 is part of a character
  GShpFile file;
  EXPECT_FALSE(addCharacters(file, "\xD6", 48).added);  // a lead byte without its trail
}

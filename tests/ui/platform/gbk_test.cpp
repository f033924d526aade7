#include "ui/platform/gbk.h"

#include <gtest/gtest.h>

TEST(Gbk, DecodesSingleAndDoubleByteCharacters) {
  EXPECT_EQ(fromGbk("A\xB0\xA1\xD6\xD0"), QStringLiteral("A啊中"));
  EXPECT_EQ(fromGbk(""), QString());
}

TEST(Gbk, EncodesToTheBytesFilesHold) {
  EXPECT_EQ(toGbk(QStringLiteral("中")), "\xD6\xD0");
  EXPECT_EQ(toGbk(QStringLiteral("A啊")), "A\xB0\xA1");
}

TEST(Gbk, RefusesCharactersGbkCannotHoldAndNamesThem) {
  try {
    toGbk(QStringLiteral("A한"));
    FAIL() << "no error";
  } catch (const GbkError& error) {
    const QString message = QString::fromUtf8(error.what());
    EXPECT_TRUE(message.contains(QStringLiteral("한"))) << error.what();
    EXPECT_TRUE(message.contains(QStringLiteral("U+D55C"))) << error.what();
    EXPECT_TRUE(message.contains(QStringLiteral("GBK"))) << error.what();
  }
}

TEST(Gbk, SubstitutesWhenTheCallerAsks) {
  EXPECT_EQ(toGbk(QStringLiteral("A한B"), '?'), "A?B");
  // A character outside the basic plane is one character, replaced once.
  EXPECT_EQ(toGbk(QString::fromUcs4(U"x\U0001F600y"), '?'), "x?y");
}

TEST(Gbk, DisplayableCharacterIsExactlyOnePrintableCharacter) {
  EXPECT_TRUE(displayableGbkCharacter("A").has_value());
  EXPECT_TRUE(displayableGbkCharacter(" ").has_value());
  EXPECT_TRUE(displayableGbkCharacter("\xB0\xA1").has_value());
  EXPECT_FALSE(displayableGbkCharacter("").has_value());
  EXPECT_FALSE(displayableGbkCharacter(std::string("\x00\xC8", 2)).has_value());  // code 200
  EXPECT_FALSE(displayableGbkCharacter("\x01").has_value());
  EXPECT_FALSE(displayableGbkCharacter("N-").has_value());    // Unicode shape number 0x4E2D
  EXPECT_FALSE(displayableGbkCharacter("\xC8").has_value());  // a lone lead byte
}

#include "ui/platform/gbk.h"

#include <gtest/gtest.h>

#include "platform/gbk_unicode.h"

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

// The window converts exactly as the program's one mapping does. Qt's own GBK converter gives
// the euro sign to byte 0x80 and private-use characters to the unassigned and user-defined
// codes; the C library's mapping holds none of them, so neither does the window.
TEST(Gbk, AgreesWithTheMappingOnEveryCode) {
  for (unsigned code = 0x8140; code <= 0xFEFE; ++code) {
    const char32_t unicode = unicodeOfGbk(static_cast<uint16_t>(code));
    if (unicode == 0) continue;
    const std::string bytes{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    ASSERT_EQ(fromGbk(bytes), QString::fromUcs4(&unicode, 1)) << std::hex << code;
    ASSERT_EQ(toGbk(fromGbk(bytes)), bytes) << std::hex << code;
  }
  EXPECT_EQ(fromGbk("\x80|\xAA\xA1|\xFF"), QStringLiteral("\uFFFD|\uFFFD|\uFFFD"));
  EXPECT_THROW(toGbk(QStringLiteral("€")), GbkError);
  EXPECT_THROW(toGbk(QStringLiteral("\uE000")), GbkError);
  // A lead byte without a trail byte does not swallow the character after it.
  EXPECT_EQ(fromGbk("\x81"
                    "0\xD6"),
            QStringLiteral("\uFFFD"
                           "0\uFFFD"));
}

#include "platform/gbk_unicode.h"

#include <gtest/gtest.h>

// Every code that holds a character comes back from its Unicode value, so no two codes share
// one. GBK holds every ideograph of Unicode's first CJK block and the 6763 hanzi of GB2312, so
// a table read wrongly or not at all cannot pass for a round trip.
TEST(GbkUnicode, EveryCodeComesBackFromItsCharacter) {
  for (unsigned code = 0; code <= 0xFFFF; ++code) {
    const char32_t unicode = unicodeOfGbk(static_cast<uint16_t>(code));
    if (unicode != 0) {
      ASSERT_EQ(gbkOfUnicode(unicode), code) << std::hex << code;
    }
  }
  for (char32_t unicode = 0x4E00; unicode <= 0x9FA5; ++unicode) {
    ASSERT_NE(gbkOfUnicode(unicode), 0) << std::hex << static_cast<uint32_t>(unicode);
  }
  int gb2312 = 0;
  for (unsigned lead = 0xB0; lead <= 0xF7; ++lead) {
    for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
      gb2312 += unicodeOfGbk(static_cast<uint16_t>(lead << 8 | trail)) != 0;
    }
  }
  EXPECT_EQ(gb2312, 6763);
}

TEST(GbkUnicode, CodesAndCharactersWithoutACounterpart) {
  EXPECT_EQ(gbkOfUnicode(U'·'), 0xA1A4);  // below U+0100, yet two bytes in GBK
  // Single bytes above 0x7F (the euro sign is no GBK character here), a lone lead byte, two
  // ASCII bytes, a user-defined code.
  for (uint16_t code : {0x80, 0xD6, 0xFF, 0x4E2D, 0xAAA1}) EXPECT_EQ(unicodeOfGbk(code), 0) << code;
  for (char32_t unicode : {U'€', U'가', U'\U0001F600', char32_t{0x110000}})
    EXPECT_EQ(gbkOfUnicode(unicode), 0) << static_cast<uint32_t>(unicode);
}

#include "ui/characters/list_caption.h"

#include <gtest/gtest.h>

TEST(ListCaption, DisplayableCharactersShowThemselves) {
  EXPECT_EQ(listCaption("A", 65), QStringLiteral("A"));
  EXPECT_EQ(listCaption("\xB0\xA1", 0xB0A1), QStringLiteral("啊"));
}

TEST(ListCaption, OtherCodesShowInHexadecimal) {
  EXPECT_EQ(listCaption(std::string("\x00\xC8", 2), 200), QStringLiteral("0x00C8"));
  EXPECT_EQ(listCaption("N-", 0x4E2D), QStringLiteral("0x4E2D"));
  EXPECT_EQ(listCaption("\x01", 1), QStringLiteral("0x0001"));
  EXPECT_EQ(listCaption("\xFF\xFF", 0xFFFF), QStringLiteral("0xFFFF"));
}

#include "formats/lff_format.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "stroke_font_support.h"

namespace {

const char* const sample =
    "# Format:            LibreCAD Font 1\r\n"
    "# Name:              Probe\r\n"
    "# LetterSpacing:     2.5\r\n"
    "# WordSpacing:       5\r\n"
    "# LineSpacingFactor: 1.25\r\n"
    "\r\n"
    "[0020]  \r\n"
    "\r\n"
    "[00c4] \xC3\x84\r\n"
    "C0041\r\n"
    "1,10;1,10.5\r\n"
    "[0041] A\r\n"
    " 0,0 ; 3,9;6,0; \r\n"
    "1.5,3;4.5,3,A-0.5\r\n"
    "[#0042]\r\n"
    "0,-2;2,0,A1;0,2A.5\r\n";

TEST(LffRead, HeaderGlyphsBulgesAndForwardReferences) {
  const StrokeFont font = readLff(sample, "/fonts/probe.lff");
  EXPECT_TRUE(font.problems.empty()) << font.problems.front();
  EXPECT_EQ(font.name, "Probe");
  EXPECT_EQ(font.capitalHeight, 9);
  EXPECT_EQ(font.letterSpacing, 2.5);
  EXPECT_EQ(font.wordSpacing, 5);
  EXPECT_EQ(font.lineSpacingFactor, 1.25);
  EXPECT_EQ(font.descent, 2);
  ASSERT_EQ(font.glyphs.size(), 4u);
  EXPECT_EQ(font.glyphs[0].unicode, U' ');
  EXPECT_TRUE(font.glyphs[0].strokes.empty());
  EXPECT_EQ(font.glyphs[0].advance, 5);

  const StrokeGlyph& a = font.glyphs[1];
  EXPECT_EQ(a.unicode, U'A');
  EXPECT_EQ(a.advance, 6 + 2.5);
  EXPECT_EQ(a.strokes, (std::vector<Stroke>{{{0, 0, 0}, {3, 9, 0}, {6, 0, 0}},
                                            {{1.5, 3, 0}, {4.5, 3, -0.5}}}));
  // The bulge of a stroke's first point has no segment and is dropped; "2A.5" is y 2, bulge .5.
  EXPECT_EQ(font.glyphs[2].strokes, (std::vector<Stroke>{{{0, -2, 0}, {2, 0, 1}, {0, 2, 0.5}}}));
  EXPECT_EQ(font.glyphs[2].advance, 2 + 2.5);
  // The reference, written before its target, takes A's strokes in its place.
  const StrokeGlyph& aUmlaut = font.glyphs[3];
  EXPECT_EQ(aUmlaut.unicode, U'\u00C4');
  ASSERT_EQ(aUmlaut.strokes.size(), 3u);
  EXPECT_EQ(aUmlaut.strokes[0], a.strokes[0]);
  EXPECT_EQ(aUmlaut.strokes[2], (Stroke{{1, 10, 0}, {1, 10.5, 0}}));
}

TEST(LffRead, NameFromTheFileAndDefaultSpacing) {
  const StrokeFont font = readLff("[0031] 1\n0,0;0,9\n", "dir/My Font.lff");
  EXPECT_EQ(font.name, "My Font");
  EXPECT_EQ(font.letterSpacing, 3);
  EXPECT_EQ(font.wordSpacing, 6.75);
  EXPECT_EQ(font.glyphs.at(0).advance, 3);
}

TEST(LffRead, BadLinesAndReferencesAreSkippedAndNamed) {
  const StrokeFont font = readLff(
      "# LetterSpacing: wide\n"
      "[0041] A\n"
      "0,0;1,x\n"      // line 3: a bad vertex drops the line
      "0,0;nan,1\n"    // 4
      "0,0;1e308,1\n"  // 5
      "0,0;2,2,B1\n"   // 6
      "C0041\n"        // 7: a glyph that includes itself
      "C0042\n"        // 8: a loop through B
      "C2FFFF\n"       // 9: no such glyph
      "Cxyz\n"         // 10
      "0,0;1,1\n"
      "[0042] B\n"
      "C0041\n"  // 13: the other end of the loop: A is read first
      "2,2;3,3\n"
      "[0041] A again\n"  // 15
      "[00zz] ?\n"        // 16
      "5,5;6,6\n"
      "[110000]\n",  // 18
      "bad.lff");
  const std::vector<std::string> expected = {
      "第 1 行：LetterSpacing“wide”不是数字",
      "第 3 行：“1,x”不是点 x,y",
      "第 4 行：“nan,1”不是点 x,y",
      "第 5 行：“1e308,1”不是点 x,y",
      "第 6 行：“2,2,B1”不是点 x,y",
      "第 10 行：“Cxyz”不是引用 C<十六进制数>",
      "第 15 行：U+0041 重复定义，略去此块",
      "第 16 行：“[00zz] ?”不是字形块头 [XXXX]",
      "第 18 行：“[110000]”不是字形块头 [XXXX]",
      "第 7 行：U+0041：对 U+0041 的引用又引回自身，已略去",
      "第 13 行：U+0042：对 U+0041 的引用又引回自身，已略去",
      "第 9 行：U+0041：对 U+2FFFF 的引用找不到字形，已略去",
  };
  EXPECT_EQ(font.problems, expected);
  ASSERT_EQ(font.glyphs.size(), 2u);
  EXPECT_EQ(font.glyphs[0].strokes,
            (std::vector<Stroke>{{{2, 2, 0}, {3, 3, 0}}, {{0, 0, 0}, {1, 1, 0}}}));
  EXPECT_EQ(font.glyphs[1].strokes, (std::vector<Stroke>{{{2, 2, 0}, {3, 3, 0}}}));
}

TEST(LffRead, TextWithoutGlyphBlocksIsNoFont) {
  for (const char* text : {"", "# Name: x\n", "0,0;1,1\n", "\x89PNG\r\n", "[zz] A\n0,0;1,1\n"}) {
    try {
      readLff(text, "x.lff");
      ADD_FAILURE() << "read: " << text;
    } catch (const FormatError& e) {
      EXPECT_STREQ(e.what(), "x.lff：没有字形块“[XXXX]”，不是LibreCAD字体");
    }
  }
}

// Each glyph includes the one before twice: 2^40 strokes if nothing stopped it.
TEST(LffRead, MultiplyingReferencesStopAtTheFontsPointLimit) {
  std::string text = "[1000]\n0,0;1,1\n";
  for (int i = 1; i <= 40; ++i) {
    char block[48];
    std::snprintf(block, sizeof block, "[%04X]\nC%04X\nC%04X\n", 0x1000 + i, 0x1000 + i - 1,
                  0x1000 + i - 1);
    text += block;
  }
  const StrokeFont font = readLff(text, "grow.lff");
  size_t points = 0;
  for (const StrokeGlyph& glyph : font.glyphs) points += pointCount(glyph);
  EXPECT_LE(points, 4'000'000u);
  EXPECT_GT(points, 2'000'000u);
  ASSERT_FALSE(font.problems.empty());
  EXPECT_NE(font.problems[0].find("已略去，字体将超过 4000000 个点"), std::string::npos);
}

// Lengths are scaled so that the capitals are 9 units high, as LibreCAD sets them, and kept
// to 4 decimals; blocks are followed by a blank line as in LibreCAD's own fonts.
TEST(LffWrite, LibreCadUnitsShortestNumbersBulgesAndCharacters) {
  StrokeFont font;
  font.name = "Two\nLines";
  font.capitalHeight = 18;
  font.letterSpacing = 3;
  font.wordSpacing = 6.75;
  font.glyphs = {{U'\u4E2D', 0, {{{0.1, -2, 0}, {10.0 / 3, 2.06364e-06, -0.25}}}},
                 {U' ', 6.75, {}},
                 {U'\n', 0, {{{0, 0, 0}, {-0.0, 1, 0}}}}};
  EXPECT_EQ(writeLff(font),
            "# Format:            LibreCAD Font 1\n"
            "# Creator:           Kelvane\n"
            "# Name:              Two Lines\n"
            "# Encoding:          UTF-8\n"
            "# LetterSpacing:     1.5\n"
            "# WordSpacing:       3.375\n"
            "# LineSpacingFactor: 1\n"
            "\n[000A]\n0,0;0,0.5\n"
            "\n[0020]  \n"
            "\n[4E2D] \xE4\xB8\xAD\n0.05,-1;1.6667,0,A-0.25\n\n");
}

}  // namespace

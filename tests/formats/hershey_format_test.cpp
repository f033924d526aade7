#include "formats/hershey_format.h"

#include <gtest/gtest.h>

#include "stroke_font_support.h"

namespace {

// Space, '!' (pen-up, a record wrapped over three lines) and '"'.
const char* const sample =
    "12345  1JZ\r\n"
    "   12  6MWRFRT\n"
    " RRY\n"
    "QZ\n"
    "\n"
    "  718  3JZNFNM\n";

TEST(JhfRead, BearingsPenUpAndWrappedRecords) {
  const StrokeFont font = readJhf(sample, "/x/tiny.jhf");
  EXPECT_TRUE(font.problems.empty()) << font.problems.front();
  EXPECT_EQ(font.name, "tiny");
  EXPECT_EQ(font.capitalHeight, 21);  // no 'A'
  EXPECT_EQ(font.descent, 0);
  ASSERT_EQ(font.glyphs.size(), 3u);
  EXPECT_EQ(font.glyphs[0].unicode, U' ');
  EXPECT_EQ(font.glyphs[0].advance, 16);
  EXPECT_TRUE(font.glyphs[0].strokes.empty());
  // Left bearing M (-5) moves to x 0; file row 9 is y 0.
  EXPECT_EQ(font.glyphs[1].unicode, U'!');
  EXPECT_EQ(font.glyphs[1].advance, 10);
  EXPECT_EQ(font.glyphs[1].strokes,
            (std::vector<Stroke>{{{5, 21, 0}, {5, 7, 0}}, {{5, 2, 0}, {4, 1, 0}}}));
  EXPECT_EQ(font.glyphs[2].strokes, (std::vector<Stroke>{{{4, 21, 0}, {4, 14, 0}}}));
}

TEST(JhfRead, BrokenRecordsStopReadingAndAreNamed) {
  const StrokeFont cut = readJhf("12345  1JZ\n12345  4JZRFR\n", "cut.jhf");
  EXPECT_EQ(cut.glyphs.size(), 1u);
  EXPECT_EQ(cut.problems,
            std::vector<std::string>{"第 2 行：记录的 4 个顶点只有 2 个，读入到此为止"});

  const StrokeFont junk = readJhf("12345  2JZRFxx\n12345\n", "junk.jhf");
  EXPECT_EQ(junk.glyphs.size(), 1u);
  EXPECT_EQ(junk.problems, (std::vector<std::string>{
                               "第 1 行：记录的顶点之后的字符已忽略",
                               "第 2 行：“12345”不是记录的开头（编号和顶点数），读入到此为止"}));

  std::string many;
  for (int i = 0; i < 97; ++i) many += "12345  1JZ\n";
  const StrokeFont extra = readJhf(many, "many.jhf");
  EXPECT_EQ(extra.glyphs.back().unicode, U'~');
  EXPECT_EQ(extra.problems, std::vector<std::string>{"可打印ASCII字符之后的 2 个记录已略去"});

  for (const char* text : {"", "\n\n", "12345  0\n", "hello world\n"}) {
    try {
      readJhf(text, "no.jhf");
      ADD_FAILURE() << "read: " << text;
    } catch (const FormatError& e) {
      EXPECT_STREQ(e.what(), "no.jhf：没有Hershey字形记录");
    }
  }
}

}  // namespace

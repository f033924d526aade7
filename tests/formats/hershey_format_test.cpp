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
            std::vector<std::string>{"line 2: the record ends after 2 of its 4 vertices; "
                                     "reading stops"});

  const StrokeFont junk = readJhf("12345  2JZRFxx\n12345\n", "junk.jhf");
  EXPECT_EQ(junk.glyphs.size(), 1u);
  EXPECT_EQ(junk.problems, (std::vector<std::string>{
                               "line 1: characters after the record's vertices are ignored",
                               "line 2: \"12345\" does not start a record (number and vertex "
                               "count); reading stops"}));

  std::string many;
  for (int i = 0; i < 97; ++i) many += "12345  1JZ\n";
  const StrokeFont extra = readJhf(many, "many.jhf");
  EXPECT_EQ(extra.glyphs.back().unicode, U'~');
  EXPECT_EQ(extra.problems, std::vector<std::string>{
                                "2 records after the printable ASCII characters are left out"});

  for (const char* text : {"", "\n\n", "12345  0\n", "hello world\n"}) {
    try {
      readJhf(text, "no.jhf");
      ADD_FAILURE() << "read: " << text;
    } catch (const FormatError& e) {
      EXPECT_STREQ(e.what(), "no.jhf: no Hershey glyph record found");
    }
  }
}

}  // namespace

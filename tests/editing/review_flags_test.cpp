#include "editing/review_flags.h"

#include <gtest/gtest.h>

#include <sstream>

#include "editing/review_marks.h"
#include "model/shape.h"
#include "shapefile/shpfile.h"

namespace {

void addShape(GShpFile& file, uint16_t code, uint16_t width, const std::string& definition) {
  auto s = std::make_unique<GShape>();
  s->setCode(code);
  s->reset(width);
  for (size_t i = 0; i + 3 <= definition.size(); i += 3)
    s->addPoint(definition[i] - 'a', definition[i + 1] - 'a', definition[i + 2] == 'u');
  file.addShape(std::move(s));
}

}  // namespace

TEST(ReviewFlags, TheFourFlagsWorstFirstWithTheirReasons) {
  std::istringstream unihan(
      "# comment\nU+4E2D\tkIRG_GSource\tG0-5650\nU+4E2D\tkTotalStrokes\t4\n"
      "U+4E00\tkTotalStrokes\t1\n");
  const StrokeCounts counts = readTotalStrokes(unihan);
  ASSERT_EQ(counts.size(), 2u);
  EXPECT_EQ(counts.at(U'中'), 4);

  GShpFile file(32, 16);
  file.setKind(GShpFile::kindBigfont);
  // Points as letters: 'a' is 0; "u" a pen-up point, "d" pen down.
  addShape(file, 0xB0A1, 48, "aau");     // 啊: nothing drawn
  addShape(file, 0xB0A2, 48, "kkukkd");  // 阿: a stroke of length 0
  addShape(file, 0xB0A3, 20, "kkuzkd");  // 埃: x 25 past the advance 20
  addShape(file, 0xD6D0, 48, "bbuhbd");  // 中: 1 stroke of 4
  addShape(file, 0xD2BB, 48, "bbuhbd");  // 一: fine
  addShape(file, 'A', 24, "aauabdbcd");  // A: a stroke from 0,1 on: fine
  const ReviewRules rules = ReviewRules::of(file, &counts);

  const std::vector<CharacterReview> flagged = flaggedCharacters(file, rules);
  ASSERT_EQ(flagged.size(), 4u);
  EXPECT_EQ(flagged[0].code, 0xB0A1);
  EXPECT_EQ(flagged[0].flags, kNoStroke);
  EXPECT_EQ(flagged[1].code, 0xD6D0);
  EXPECT_EQ(flagged[1].flags, kStrokeCountOff);
  EXPECT_EQ(flagged[2].code, 0xB0A3);
  EXPECT_EQ(flagged[2].flags, kInkOutside);
  EXPECT_EQ(flagged[3].code, 0xB0A2);
  EXPECT_EQ(flagged[3].flags, kShortStroke);
  EXPECT_EQ(reasonsOf(flagged[1], rules), "\xB1\xCA\xBB\xAD\xCA\xFD 1 / Unihan 4");

  // Without the counts the hanzi is not flagged for them, and its tooltip says why.
  const ReviewRules without = ReviewRules::of(file, nullptr);
  EXPECT_EQ(flaggedCharacters(file, without).size(), 3u);
  const CharacterReview zhong = reviewOf(*file.findShape(0xD6D0), without);
  EXPECT_EQ(zhong.flags, 0);
  EXPECT_NE(reasonsOf(zhong, without).find("Unihan"), std::string::npos);
  EXPECT_EQ(reasonsOf(reviewOf(*file.findShape('A'), without), without), "");
}

TEST(ReviewFlags, UnihanCountsFromDebiansFile) {
  EXPECT_TRUE(loadTotalStrokes("/nonexistent/Unihan.bz2").empty());
  const StrokeCounts counts = loadTotalStrokes();
  if (counts.empty()) GTEST_SKIP() << "unicode-data is not installed";
  EXPECT_EQ(counts.at(U'中'), 4);
  EXPECT_GT(counts.size(), 80000u);
}

TEST(ReviewMarks, SeenUntilTheOutlineChangesAndReadBackOnlyWhole) {
  GShpFile file(32, 16);
  addShape(file, 'A', 24, "aaubbd");
  addShape(file, 'B', 24, "aaubbd");
  GShape& a = *file.findShape('A');
  ReviewMarks marks;
  marks.mark(a);
  EXPECT_TRUE(marks.isSeen(a));
  EXPECT_FALSE(marks.isSeen(*file.findShape('B')));  // same outline, another character

  ReviewMarks read;
  const std::string text = marks.encode();
  EXPECT_TRUE(read.decode(text));
  EXPECT_TRUE(read.isSeen(a));
  // Saved again by an editor that writes CR LF, blanks and an empty line, it still reads.
  std::string byHand;
  for (char c : text) byHand += c == '\n' ? std::string(" \r\n") : std::string(1, c);
  EXPECT_TRUE(read.decode(byHand + "\r\n"));
  EXPECT_TRUE(read.isSeen(a));
  a.addPoint(5, 5, 0);
  EXPECT_FALSE(read.isSeen(a));

  // Cut short, foreign, edited into nonsense or repeating a code: no marks at all.
  for (const std::string& bad :
       {text.substr(0, text.size() - 3), std::string("A 1\n"), std::string(), text + "zz 12\n",
        text + text.substr(text.find('\n') + 1), std::string("KELVANE REVIEW 1\n41 12 7\n")}) {
    EXPECT_FALSE(read.decode(bad)) << bad;
    EXPECT_EQ(read.size(), 0u);
  }
  EXPECT_EQ(ReviewMarks::pathBeside("/f/FONT.shp"), "/f/FONT.shp.review");
}

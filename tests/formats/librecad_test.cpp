#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "formats/font_formats.h"
#include "platform/temp_dir.h"
#include "platform/text_lines.h"
#include "shapefile/printed_segments.h"
#include "stroke_font_support.h"

namespace {

// What LibreCAD drew of one text: its ink box on the page, its segments and how many of them
// run straight across or up.
struct Drawn {
  double left, bottom, right, top;
  int segments, straight;
  double height() const { return top - bottom; }
};

std::vector<Drawn> drawnByLibreCad(const std::string& home, const std::string& texts) {
  std::istringstream lines(outputOf("/usr/bin/python3 " KELVANE_LIBRECAD_DRAWING " '" + home +
                                    "' '" + home + "' " + texts));
  std::vector<Drawn> drawn;
  for (Drawn d; lines >> d.left >> d.bottom >> d.right >> d.top >> d.segments >> d.straight;)
    drawn.push_back(d);
  return drawn;
}

// LibreCAD sets a text of height 10 in our export of its kst32b (a BIGFONT on a grid of 48) as
// it sets the same text in kst32b: the capitals as high on the same baseline, and the hanzi
// drawn, not the rhombus it draws for a character the font lacks (가 here).
TEST_F(TempDirTest, LibreCadDrawsOurFontAsHighAsItsOwn) {
  const std::string kst = librecadFonts + "/kst32b.lff";
  const StrokeFont strokes = formatOfPath(kst)->readStrokes(readFileBytes(kst), kst);
  const ImportedFont imported = importStrokes(strokes, {GShpFile::kindBigfont, 48, 0});
  std::filesystem::create_directories(path(".librecad/fonts"));
  writeBytes(path(".librecad/fonts/kelvane.lff"),
             formatOfPath(kst)->write(*imported.file, LocalDate{9, 12, 2026}).bytes);

  const std::vector<Drawn> drawn =
      drawnByLibreCad(path(""), "kelvane:H kst32b:H kelvane:中 kst32b:中 kst32b:가");
  ASSERT_EQ(drawn.size(), 5u);
  const Drawn &ourH = drawn[0], &theirH = drawn[1], &ourZhong = drawn[2], &theirZhong = drawn[3],
              &rhombus = drawn[4];
  EXPECT_NEAR(ourH.height() / theirH.height(), 1, 0.05);
  EXPECT_NEAR(ourH.bottom, theirH.bottom, 0.05 * theirH.height());
  EXPECT_EQ(ourH.segments, 3);

  EXPECT_NEAR(ourZhong.height() / theirZhong.height(), 1, 0.05);
  EXPECT_NEAR(ourZhong.bottom, theirZhong.bottom, 0.05 * theirZhong.height());
  EXPECT_EQ(ourZhong.segments, theirZhong.segments);
  EXPECT_EQ(ourZhong.straight, ourZhong.segments);
  EXPECT_EQ(rhombus.segments, 4);
  EXPECT_EQ(rhombus.straight, 0);
}

}  // namespace

#include <gtest/gtest.h>

#include "sample_fonts.h"
#include "test_support.h"

namespace {

void expectSameShapes(const GShpFile& written, const GShpFile& read) {
  ASSERT_EQ(read.shapeCount(), written.shapeCount());
  for (int i = 0; i < written.shapeCount(); ++i) {
    const GShape& w = *written.shapeAtIndex(i);
    const GShape& r = *read.shapeAtIndex(i);
    SCOPED_TRACE("shape " + std::to_string(w.code()));
    EXPECT_EQ(r.code(), w.code());
    EXPECT_EQ(r.width(), w.width());
    EXPECT_EQ(pathOf(r), pathOf(w));
  }
}

class ShpRoundTrip : public TempDirTest, public ::testing::WithParamInterface<uint8_t> {};

}  // namespace

TEST_P(ShpRoundTrip, KindMetricsAndPathsComeBack) {
  const uint8_t kind = GetParam();
  for (uint32_t seed = 1; seed <= 5; ++seed) {
    auto font = sampleFont(kind, seed);
    const std::string first = path("sample.shp");
    font->save(first, LocalDate{28, 2, 2024});

    GShpFile back;
    back.load(first);
    EXPECT_EQ(back.kind(), kind);
    EXPECT_EQ(back.height(), font->height());
    if (kind == GShpFile::kindBigfont) {
      EXPECT_EQ(back.fontName(), "Sample");
      EXPECT_EQ(back.above(), font->height());
      EXPECT_EQ(back.below(), 0);
      EXPECT_EQ(back.width(), font->width());
      EXPECT_EQ(back.characterCount(), font->characterCount());
    } else {
      EXPECT_EQ(back.fontName(), kind == GShpFile::kindUnifont ? "Sample" : "ASCII");
      EXPECT_EQ(back.above(), font->above());
      EXPECT_EQ(back.below(), font->below());
      EXPECT_EQ(back.width(), font->above() + font->below());
    }
    expectSameShapes(*font, back);

    // What comes back is written again the same, line for line.
    const std::string again = path("again.shp");
    back.setFontName(font->fontName());
    back.save(again, LocalDate{28, 2, 2024});
    EXPECT_EQ(readFileBytes(again), readFileBytes(first));
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ShpRoundTrip,
                         ::testing::Values(GShpFile::kindAscii, GShpFile::kindUnifont,
                                           GShpFile::kindBigfont));

TEST(ShpRoundTripText, LongDefinitionsRunOverSeveralLines) {
  auto font = sampleFont(GShpFile::kindUnifont, 7);
  std::vector<std::string> lines;
  font->shapeAtIndex(3)->writeTo(lines);
  EXPECT_GT(lines.size(), 20u);
  size_t length = 0;
  for (const std::string& line : lines) length += line.size();
  EXPECT_GT(length, 2000u);
}

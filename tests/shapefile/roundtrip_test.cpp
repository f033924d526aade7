#include <gtest/gtest.h>

#include <algorithm>

#include "sample_fonts.h"
#include "shapefile/read_error.h"
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

// Large fonts are written and read in two halves at once; the halves must meet exactly.
TEST(ShpLargeFont, WritesAndReadsBackInFileOrder) {
  GShpFile font(40, 8);
  font.setKind(GShpFile::kindBigfont);
  for (uint16_t i = 0; i < 400; ++i) {
    auto shape = std::make_unique<GShape>();
    shape->setCode(static_cast<uint16_t>(0xB0A1 + i));
    shape->reset(48);
    for (int p = 0; p < 500; ++p) shape->addPoint((p * 7 + i) % 48, (p * 3) % 48, p % 9 == 0);
    font.addShape(std::move(shape));
  }
  const LocalDate date{1, 2, 2026};
  const std::string bytes = font.encode(date);
  ASSERT_GT(bytes.size(), size_t{1} << 20);  // enough for two threads

  std::string expected;
  for (const std::string& line : splitLines(bytes.substr(0, bytes.find("\r\n\r\n") + 4))) {
    expected += line + "\r\n";
  }
  for (int i = 0; i < font.shapeCount(); ++i) {
    std::vector<std::string> lines;
    font.shapeAtIndex(i)->writeTo(lines);
    for (const std::string& line : lines) expected += line + "\r\n";
    expected += "\r\n";
  }
  EXPECT_EQ(bytes, expected);

  GShpFile back;
  back.loadBytes(bytes, "large.shp");
  expectSameShapes(font, back);

  // A definition the reader refuses late in the file: the shapes before it are kept, the
  // error names its record, as when reading stops there.
  std::string tooLong = "*50000,5,0c350\r\n1,9,";
  for (size_t i = 0; i <= GShape::maxDefinitionItems / 2; ++i) tooLong += "(1,0),";
  tooLong += "(0,0),0\r\n";
  const size_t cut = bytes.rfind("*", bytes.size() / 4 * 3);
  const auto lineOfCut =
      std::count(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(cut), '\n');
  GShpFile refused;
  try {
    refused.loadBytes(bytes.substr(0, cut) + tooLong + bytes.substr(cut), "large.shp");
    FAIL() << "a definition of too many items was read";
  } catch (const ShpReadError& e) {
    EXPECT_EQ(e.line(), lineOfCut + 1);
    EXPECT_NE(std::string(e.what()).find("more than"), std::string::npos) << e.what();
  }
  EXPECT_EQ(refused.shapeCount(),
            back.indexOf(back.findShape(static_cast<uint16_t>(std::stoi(bytes.substr(cut + 1))))));
}

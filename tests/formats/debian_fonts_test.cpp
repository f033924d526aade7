// The single-line fonts of Debian's librecad-data and hershey-fonts-data, which
// scripts/install-deps installs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "formats/hershey_format.h"
#include "formats/lff_format.h"
#include "platform/text_lines.h"
#include "stroke_font_support.h"

namespace {

std::vector<std::string> filesIn(const std::string& dir, const std::string& extension) {
  std::vector<std::string> files;
  if (std::filesystem::is_directory(dir)) {
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      if (entry.path().extension() == extension) files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

const StrokeGlyph* glyphOf(const StrokeFont& font, char32_t code) {
  for (const StrokeGlyph& glyph : font.glyphs) {
    if (glyph.unicode == code) return &glyph;
  }
  return nullptr;
}

TEST(DebianFonts, EveryLibreCadFontReadsAndComesBackFromOurText) {
  const std::vector<std::string> files = filesIn(librecadFonts, ".lff");
  ASSERT_GE(files.size(), 40u) << "librecad-data is missing: run scripts/install-deps";
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    const StrokeFont font = readLff(readFileBytes(file), file);
    EXPECT_GT(font.glyphs.size(), 40u);
    const StrokeFont back = readLff(writeLff(font), "back.lff");
    EXPECT_TRUE(back.problems.empty());
    EXPECT_EQ(back.name, font.name);
    ASSERT_EQ(back.glyphs.size(), font.glyphs.size());
    for (size_t i = 0; i < font.glyphs.size(); ++i) {
      ASSERT_EQ(back.glyphs[i].unicode, font.glyphs[i].unicode);
      ASSERT_NEAR(back.glyphs[i].advance, font.glyphs[i].advance, 2e-4);
      ASSERT_EQ(back.glyphs[i].strokes.size(), font.glyphs[i].strokes.size());
      for (size_t k = 0; k < font.glyphs[i].strokes.size(); ++k)
        ASSERT_TRUE(withinLffRounding(back.glyphs[i].strokes[k], font.glyphs[i].strokes[k]));
    }
  }
}

TEST(DebianFonts, LibreCadHanziAndReferences) {
  const StrokeFont kst = readLff(readFileBytes(librecadFonts + "/kst32b.lff"), "kst32b.lff");
  EXPECT_GE(kst.glyphs.size(), 6700u);
  const StrokeGlyph* zhong = glyphOf(kst, U'\u4E2D');
  ASSERT_NE(zhong, nullptr);
  ASSERT_EQ(zhong->strokes.size(), 5u);
  EXPECT_EQ(zhong->strokes[4], (Stroke{{4.38, 9.38, 0}, {4.38, 0.62, 0}}));

  // standard.lff draws Q as O with a tail, by reference.
  const StrokeFont standard =
      readLff(readFileBytes(librecadFonts + "/standard.lff"), "standard.lff");
  EXPECT_TRUE(standard.problems.empty());
  const StrokeGlyph* o = glyphOf(standard, U'O');
  const StrokeGlyph* q = glyphOf(standard, U'Q');
  ASSERT_TRUE(o && q);
  EXPECT_EQ(q->strokes.size(), o->strokes.size() + 1);
  EXPECT_TRUE(std::equal(o->strokes.begin(), o->strokes.end(), q->strokes.begin()));
}

TEST(DebianFonts, EveryHersheyFontReads) {
  const std::vector<std::string> files = filesIn(hersheyFonts, ".jhf");
  ASSERT_GE(files.size(), 30u) << "hershey-fonts-data is missing: run scripts/install-deps";
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    const StrokeFont font = readJhf(readFileBytes(file), file);
    EXPECT_EQ(font.glyphs.size(), 95u);
    EXPECT_GT(font.capitalHeight, 0);
  }

  const StrokeFont futural = readJhf(readFileBytes(hersheyFonts + "/futural.jhf"), "futural");
  const StrokeGlyph* a = glyphOf(futural, U'A');
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(futural.capitalHeight, 21);
  EXPECT_EQ(futural.descent, 7);  // the tail of 'p' at row 16
  EXPECT_EQ(a->advance, 18);
  ASSERT_EQ(a->strokes.size(), 3u);
  EXPECT_EQ(a->strokes[0], (Stroke{{9, 21, 0}, {1, 0, 0}}));
  EXPECT_EQ(a->strokes[2], (Stroke{{4, 7, 0}, {14, 7, 0}}));
}

}  // namespace

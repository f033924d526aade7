#include "drafting/glyph_drafter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "draft_measures.h"
#include "drafting/draft_many.h"
#include "editing/character_sets.h"
#include "platform/gbk_unicode.h"

namespace {

// WenQuanYi Micro Hei (fonts-wqy-microhei) on a BIGFONT grid of 48, all above the baseline.
class WenQuanYi : public testing::Test {
 protected:
  void SetUp() override {
    const FaceFile face = faceFileOf("WenQuanYi Micro Hei");
    ASSERT_FALSE(face.path.empty()) << "fonts-wqy-microhei is not installed";
    std::string error;
    drafter = GlyphDrafter::open(face.path, face.index, &error);
    ASSERT_TRUE(drafter) << error;
  }
  DraftedGlyph draft(char32_t c, DraftMode mode = DraftMode::CentreLine) {
    return drafter->draft(c, true, grid, mode);
  }
  const DraftGrid grid{48, 0};
  std::unique_ptr<GlyphDrafter> drafter;
};

}  // namespace

TEST(FaceFiles, UnknownFamiliesAndFilesAreRefused) {
  EXPECT_TRUE(faceFileOf("No Such Family Kelvane").path.empty());
  // Qt's name of a family with its foundry: the foundry must be the face's.
  const FaceFile mono = faceFileOf("WenQuanYi Micro Hei Mono [WQYF]");
  EXPECT_EQ(mono.path, faceFileOf("WenQuanYi Micro Hei").path);
  EXPECT_EQ(mono.index, 1);
  EXPECT_TRUE(faceFileOf("WenQuanYi Micro Hei [urw]").path.empty());
  std::string error;
  EXPECT_FALSE(GlyphDrafter::open("/nonexistent/font.ttf", 0, &error));
  EXPECT_NE(error.find("/nonexistent/font.ttf"), std::string::npos);
}

// The hanzi sit inside the grid and fill most of it; 一 is one level stroke, 十 two.
TEST_F(WenQuanYi, HanziFillTheGridWithTheirStrokes) {
  const DraftedGlyph one = draft(U'一');
  ASSERT_TRUE(one.found);
  EXPECT_EQ(one.advance, 48);
  ASSERT_EQ(one.strokes.size(), 1u);
  const GridStroke& level = one.strokes[0];
  EXPECT_LT(level.front().x, level.back().x);
  EXPECT_LE(std::abs(level.back().y - level.front().y), 2);
  EXPECT_GT(level.back().x - level.front().x, 30);

  const DraftedGlyph ten = draft(U'十');
  ASSERT_EQ(ten.strokes.size(), 2u);
  int low = 48, high = 0;
  for (const GridStroke& s : ten.strokes) {
    for (const GridPoint& p : s) {
      EXPECT_GE(p.x, 0);
      EXPECT_LE(p.x, 48);
      low = std::min(low, p.y);
      high = std::max(high, p.y);
    }
  }
  EXPECT_GE(low, 0);
  EXPECT_LE(high, 48);
  EXPECT_GT(high - low, 28);

  EXPECT_FALSE(draft(U'\uE000').found);  // the face has no private-use glyphs
}

// Below the baseline only where the grid has room there: T stands on the baseline of an ASCII
// grid, hanzi on the bottom of a BIGFONT grid, g hangs below an ASCII baseline.
TEST_F(WenQuanYi, TheBaselineGoesOntoTheGridsAndAdvancesScale) {
  const auto lowest = [](const DraftedGlyph& d) {
    int low = 1000;
    for (const GridStroke& s : d.strokes)
      for (const GridPoint& p : s) low = std::min(low, p.y);
    return low;
  };
  const DraftGrid ascii{32, 16};
  const DraftedGlyph tee = drafter->draft(U'T', false, ascii, DraftMode::Outline);
  EXPECT_EQ(lowest(tee), 0);
  EXPECT_LT(lowest(drafter->draft(U'g', false, ascii, DraftMode::Outline)), -5);
  EXPECT_GE(lowest(draft(U'口', DraftMode::Outline)), 0);
  EXPECT_GT(tee.advance, 10);
  EXPECT_LT(tee.advance, 32);
  EXPECT_LT(drafter->draft(U'i', false, ascii, DraftMode::Outline).advance, tee.advance);
}

// Every 65th GB2312 hanzi: the drafts fill their cell, centred on it, and lie where the
// placement the reference underlay uses puts their glyphs.
TEST_F(WenQuanYi, HanziFillTheirCellCentredWhereThePlacementSays) {
  std::vector<DraftRequest> sample;
  const std::vector<uint16_t> codes = gb2312HanziCodes();
  for (size_t i = 0; i < codes.size(); i += 65) sample.push_back({unicodeOfGbk(codes[i]), true});
  sample.push_back({U'合', true});
  std::string error;
  const std::vector<DraftedGlyph> drafted =
      draftMany(faceFileOf("WenQuanYi Micro Hei"), sample, grid, DraftMode::CentreLine, 2, &error);
  ASSERT_EQ(drafted.size(), sample.size()) << error;
  std::vector<double> widths, heights, middlesX, middlesY;
  for (const DraftedGlyph& d : drafted) {
    const std::optional<InkBox> box = inkBoxOf(d);
    ASSERT_TRUE(box);
    // Tips the face draws past the square (合's roof) are kept on the cell's edge.
    for (const GridStroke& stroke : d.strokes)
      for (const GridPoint& p : stroke) ASSERT_TRUE(p.x >= 0 && p.x <= 47 && p.y >= 0 && p.y <= 47);
    widths.push_back(box->width);
    heights.push_back(box->height);
    middlesX.push_back(box->middleX);
    middlesY.push_back(box->middleY);
  }
  EXPECT_GE(medianOf(widths), 40);
  EXPECT_GE(medianOf(heights), 40);
  EXPECT_NEAR(medianOf(middlesX), 24, 1.5);
  EXPECT_NEAR(medianOf(middlesY), 24, 1.5);

  // 口's outline lies where the placement maps the glyph's points; A is scaled as the hanzi.
  GlyphPlacement mouth, a;
  ASSERT_TRUE(drafter->placement(U'口', true, grid, mouth));
  ASSERT_TRUE(drafter->placement(U'A', false, grid, a));
  EXPECT_EQ(a.scale, mouth.scale);
  // 国's box spans the cell, the 47 units from the grid's first line to its last.
  EXPECT_NEAR(mouth.scale * mouth.unitsPerEm, 47 * 2048 / 1776.0, 0.01);
  const std::optional<GlyphPlacement> again =
      glyphPlacement(faceFileOf("WenQuanYi Micro Hei"), U'口', true, grid, &error);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->originX, mouth.originX);
  const std::optional<InkBox> outline = inkBoxOf(draft(U'口', DraftMode::Outline));
  ASSERT_TRUE(outline);
  EXPECT_NEAR(outline->middleX, 24, 0.5);
  EXPECT_FALSE(glyphPlacement(faceFileOf("WenQuanYi Micro Hei"), U'\uE000', true, grid, &error));
}

// Outlines are closed contours, curves flattened, lying where the rendering the centre lines
// come from has its edges.
TEST_F(WenQuanYi, OutlinesAreClosedContoursOnTheRenderingsEdges) {
  EXPECT_EQ(draft(U'口', DraftMode::Outline).strokes.size(), 2u);  // outside and inside
  for (char32_t c : {U'口', U'O', U'永'}) {
    Bitmap bitmap;
    PixelGrid place;
    ASSERT_TRUE(drafter->render(c, true, grid, 4, bitmap, place));
    for (const GridStroke& contour : draft(c, DraftMode::Outline).strokes) {
      ASSERT_GE(contour.size(), 4u);
      EXPECT_EQ(contour.front().x, contour.back().x);
      EXPECT_EQ(contour.front().y, contour.back().y);
      for (size_t i = 1; i < contour.size(); ++i)
        EXPECT_FALSE(contour[i].x == contour[i - 1].x && contour[i].y == contour[i - 1].y);
      for (const GridPoint& p : contour) {
        // A contour point is on the ink's edge: ink within a unit of it, blank too.
        bool ink = false, blank = false;
        for (int dy = -4; dy <= 4; ++dy) {
          for (int dx = -4; dx <= 4; ++dx) {
            const int col = static_cast<int>((p.x - place.left) * 4) + dx;
            const int row = static_cast<int>((place.top - p.y) * 4) + dy;
            if (col < 0 || row < 0 || col >= bitmap.width || row >= bitmap.height) continue;
            (bitmap.at(col, row) > 128 ? ink : blank) = true;
          }
        }
        EXPECT_TRUE(ink && blank) << p.x << "," << p.y;
      }
    }
  }
}

TEST_F(WenQuanYi, DraftingOnTwoThreadsKeepsTheOrder) {
  const std::vector<DraftRequest> asked = {
      {U'永', true}, {U'\uE000', true}, {U'A', false}, {U'国', true}, {U'一', true}};
  const std::vector<DraftedGlyph> drafted =
      draftMany(faceFileOf("WenQuanYi Micro Hei"), asked, grid, DraftMode::CentreLine, 2, nullptr);
  ASSERT_EQ(drafted.size(), asked.size());
  for (size_t i = 0; i < asked.size(); ++i) {
    const DraftedGlyph alone =
        drafter->draft(asked[i].unicode, asked[i].doubleByte, grid, DraftMode::CentreLine);
    EXPECT_EQ(drafted[i].found, alone.found);
    EXPECT_EQ(drafted[i].advance, alone.advance);
    EXPECT_EQ(drafted[i].strokes.size(), alone.strokes.size());
  }
  // A code of no character (unicode 0, as GB2312's empty places have) is never found.
  EXPECT_FALSE(draftMany(faceFileOf("WenQuanYi Micro Hei"), {{0, true}}, grid,
                         DraftMode::CentreLine, 1, nullptr)[0]
                   .found);
}

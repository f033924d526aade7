#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "formats/font_formats.h"
#include "formats/shape_conversion.h"
#include "platform/temp_dir.h"
#include "shapefile/printed_segments.h"

namespace {

std::string pathOf(const GShape& shape) {
  std::string out;
  for (const GPoint& p : shape.points())
    out += (p.isVirtual ? "v" : "r") + std::to_string(p.x) + "," + std::to_string(p.y) + " ";
  return out;
}

// Capital height 9 on a grid of 48 above the baseline: a unit is 48 / 9 grid units.
StrokeFont sample() {
  StrokeFont font;
  font.capitalHeight = 9;
  font.glyphs.push_back({U'中', 9, {{{0, 0}, {0, 9}, {0.05, 9}, {9, 9}}, {{4.5, 4.5}}}});
  font.glyphs.push_back({U'A', 6.1, {{{0, 0}, {3, 9}, {6, 0}}}});
  // A half circle of radius 3 around (3, 3), counter-clockwise from (6, 3) over the top.
  font.glyphs.push_back({U'O', 6, {{{6, 3}, {0, 3, 1}}}});
  font.glyphs.push_back({U'가', 9, {{{0, 0}, {9, 9}}}});  // no GBK character
  return font;
}

TEST(Conversion, StrokesFillTheGridAboveTheBaselineNumberedByGbk) {
  const ConvertedFont converted = shapeFontOf(sample(), {GShpFile::kindBigfont, 48, 0});
  const GShpFile& file = *converted.file;
  EXPECT_EQ(file.kind(), GShpFile::kindBigfont);
  EXPECT_EQ(file.above(), 48);
  EXPECT_EQ(file.below(), 0);
  ASSERT_EQ(file.shapeCount(), 3);
  const GShape* zhong = file.shapeAtIndex(2);  // in Unicode order: A, O, 中
  EXPECT_EQ(zhong->code(), 0xD6D0);
  EXPECT_EQ(zhong->width(), 48);
  // The repeat after rounding is dropped; a stroke that rounds to one point leaves nothing.
  EXPECT_EQ(pathOf(*zhong), "v0,0 r0,48 r48,48 ");
  EXPECT_EQ(file.shapeAtIndex(0)->code(), 'A');
  EXPECT_EQ(file.shapeAtIndex(0)->width(), 33);
  EXPECT_EQ(pathOf(*file.shapeAtIndex(0)), "v0,0 r16,48 r32,0 ");
  EXPECT_EQ(converted.notInGbk, std::vector<char32_t>{0xAC00});
}

TEST(Conversion, ArcsAreFlattenedWithinAQuarterUnitBeforeRounding) {
  const ConvertedFont converted = shapeFontOf(sample(), {GShpFile::kindAscii, 48, 0});
  const GShape& o = *converted.file->shapeAtIndex(1);
  const double scale = 32.0 / 9, r = 3 * scale;
  ASSERT_GT(o.pointCount(), 8);
  const GPoint* first = o.pointAtIndex(0);
  const GPoint* last = o.pointAtIndex(o.pointCount() - 1);
  EXPECT_EQ(first->x, std::lround(6 * scale));
  EXPECT_EQ(last->x, 0);
  for (const GPoint& p : o.points()) {
    // On the upper half of the circle, within the tolerance and the rounding.
    EXPECT_NEAR(std::hypot(p.x - r, p.y - r), r, 0.25 + std::sqrt(0.5)) << p.x << "," << p.y;
    EXPECT_GE(p.y, std::lround(r) - 1);
  }
}

TEST(Conversion, AShapeFontGoesOutAsTheStrokesItDrawsAndAnSvgFontHoldsThem) {
  GShpFile file(48, 0);
  auto zhong = std::make_unique<GShape>();
  zhong->setCode(0xD6D0);
  zhong->reset(48);
  for (auto [x, y, v] : {std::tuple{4, 40, 1}, {44, 40, 0}, {24, 46, 1}, {24, 2, 0}})
    zhong->addPoint(x, y, static_cast<uint8_t>(v));
  file.addShape(std::move(zhong));
  auto slash = std::make_unique<GShape>();
  slash->setCode('/');
  slash->reset(20);
  slash->addPoint(16, 40, 0);  // drawn from the origin, where the pen stands
  file.addShape(std::move(slash));
  auto odd = std::make_unique<GShape>();
  odd->setCode(0xC8);  // a single byte above ASCII: no Unicode character, and drawn
  odd->reset(10);
  odd->addPoint(2, 2, 0);
  file.addShape(std::move(odd));
  auto empty = std::make_unique<GShape>();
  empty->setCode(0xD7FA);  // an empty place of GB2312, left empty: nothing to lose
  file.addShape(std::move(empty));

  TempDir tmp;
  const ExportedFont svg = formatOfPath("a.svg")->write(file, LocalDate{9, 12, 2026});
  EXPECT_EQ(svg.notUnicode, std::vector<uint16_t>{0xC8});
  writeBytes(tmp.path("a.svg"), svg.bytes);
  const std::map<int, Segments> read =
      segmentsPrintedBy("/usr/bin/python3 " KELVANE_SVG_STROKES " " + tmp.path("a.svg"));
  EXPECT_EQ(read, (std::map<int, Segments>{{0x4E2D, {4, 40, 44, 40, 24, 46, 24, 2}},
                                           {'/', {0, 0, 16, 40}}}));
  EXPECT_NE(svg.bytes.find("horiz-adv-x=\"20\""), std::string::npos);
  // As plotter software reads it: a plain descent, the missing glyph, open paths.
  EXPECT_NE(svg.bytes.find(" descent=\"0\""), std::string::npos);
  EXPECT_NE(svg.bytes.find("<missing-glyph "), std::string::npos);
  for (size_t at = svg.bytes.find(" d=\""); at != std::string::npos;
       at = svg.bytes.find(" d=\"", at + 1)) {
    const std::string d = svg.bytes.substr(at + 4, svg.bytes.find('"', at + 4) - at - 4);
    EXPECT_EQ(d.find_first_of("zZ"), std::string::npos) << d;
  }
  // FontForge opens it with every glyph, its advance and its strokes as open contours; it
  // greets on its error output, which the comparison leaves out.
  EXPECT_EQ(outputOf("(/usr/bin/python3 " KELVANE_FONTFORGE_GLYPHS " " + tmp.path("a.svg") +
                     " 2>/dev/null)"),
            "47 20 1\n20013 48 2\n");
}

// Out in LibreCAD's units and back on the same grid, each kind gets its points and advances
// back (every character here leaves the same gap after its rightmost point, the one letter
// spacing an LFF font has).
TEST(Conversion, AShapeFontComesBackFromLibreCadUnitsOnTheSameGrid) {
  for (uint8_t kind : {GShpFile::kindAscii, GShpFile::kindUnifont, GShpFile::kindBigfont}) {
    SCOPED_TRACE(static_cast<int>(kind));
    const bool ascii = kind == GShpFile::kindAscii;
    GShpFile file(ascii ? 32 : 48, ascii ? 16 : 0);
    file.setKind(kind);
    const auto add = [&](uint16_t code, uint16_t width, std::vector<std::tuple<int, int, int>> at) {
      auto shape = std::make_unique<GShape>();
      shape->setCode(code);
      shape->reset(width);
      for (auto [x, y, v] : at) shape->addPoint(x, y, static_cast<uint8_t>(v));
      file.addShape(std::move(shape));
    };
    add('g', 30, {{3, 20, 1}, {25, 20, 0}, {25, -14, 0}, {5, -16, 0}});
    add('H', 34, {{1, 0, 1}, {1, 31, 0}, {29, 31, 1}, {29, 0, 0}, {1, 15, 1}, {29, 15, 0}});
    if (!ascii) add(0xD6D0, 49, {{4, 40, 1}, {44, 40, 0}, {44, 13, 0}, {24, 47, 1}, {24, 1, 0}});

    const ExportedFont lff = formatOfPath("a.lff")->write(file, LocalDate{9, 12, 2026});
    const ImportedFont back =
        importStrokes(formatOfPath("a.lff")->readStrokes(lff.bytes, "a.lff"), {kind, 48, 0});
    ASSERT_EQ(back.file->shapeCount(), file.shapeCount());
    for (int i = 0; i < file.shapeCount(); ++i) {
      const GShape& shape = *file.shapeAtIndex(i);
      const GShape* again = back.file->findShape(shape.code());
      ASSERT_NE(again, nullptr) << shape.code();
      EXPECT_EQ(pathOf(*again), pathOf(shape));
      EXPECT_EQ(again->width(), shape.width());
    }
  }
}

}  // namespace

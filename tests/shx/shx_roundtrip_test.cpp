#include <gtest/gtest.h>

#include <set>

#include "shapefile/sample_fonts.h"
#include "shapefile/test_support.h"
#include "shx/font_export.h"
#include "shx/font_import.h"
#include "shx/shape_source.h"
#include "shx_test_support.h"

namespace {

std::string signatureOf(uint8_t kind) {
  switch (kind) {
    case GShpFile::kindUnifont:
      return "AutoCAD-86 unifont 1.0\r\n\x1a";
    case GShpFile::kindBigfont:
      return "AutoCAD-86 bigfont 1.0\r\n\x1a";
    default:
      return "AutoCAD-86 shapes 1.0\r\n\x1a";
  }
}

}  // namespace

// The sample's long shape (code 42) is over the format's limit, and a unifont cannot number
// the sample's codes that are no GBK character; every other shape comes back as the shape
// file reads it, a unifont's by way of its Unicode numbers.
TEST(CompiledFontRoundTrip, EveryKindImportsBackToThePointsOfItsShapeFile) {
  for (uint8_t kind : everyKind()) {
    SCOPED_TRACE("kind " + std::to_string(kind));
    const bool unifont = kind == GShpFile::kindUnifont;
    auto font = sampleFont(kind, 5, 0, 120);
    const FontCompilation compiled = compileFont(*font, exportDate);
    std::set<std::pair<uint16_t, LeftOutShape::Reason>> expectedLeftOut{
        {42, LeftOutShape::tooLong}};
    if (unifont) {
      for (uint16_t code : {128, 200, 255, 300, 0xFEFE})
        expectedLeftOut.insert({code, LeftOutShape::noUnicode});
    }
    std::set<std::pair<uint16_t, LeftOutShape::Reason>> leftOut;
    for (const LeftOutShape& shape : compiled.leftOut) leftOut.insert({shape.code, shape.reason});
    EXPECT_EQ(leftOut, expectedLeftOut);

    const std::string shx = writeShx(compiled.font);
    EXPECT_EQ(shx.substr(0, 25).find(signatureOf(kind)), 0u);
    // The shape file the editor writes compiles to the very same bytes, but for a unifont,
    // whose shape file keeps the editor's GBK codes.
    EXPECT_EQ(writeShx(compileShapeSource(font->encode(exportDate)).font) == shx, !unifont);

    GShpFile asRead;
    asRead.loadBytes(font->encode(exportDate), "font.shp");
    const ImportedFont imported = importFont(shx, "font.shx", {});
    EXPECT_TRUE(imported.approximated.empty());
    EXPECT_TRUE(imported.notInGbk.empty());
    EXPECT_EQ(imported.file->kind(), asRead.kind());
    EXPECT_EQ(imported.file->above(), asRead.above());
    EXPECT_EQ(imported.file->below(), asRead.below());
    std::set<uint16_t> expectedCodes, codes;
    for (int i = 0; i < asRead.shapeCount(); ++i)
      expectedCodes.insert(asRead.shapeAtIndex(i)->code());
    for (const auto& [code, _] : expectedLeftOut) expectedCodes.erase(code);
    for (int i = 0; i < imported.file->shapeCount(); ++i) {
      const GShape& shape = *imported.file->shapeAtIndex(i);
      SCOPED_TRACE("shape " + std::to_string(shape.code()));
      codes.insert(shape.code());
      ASSERT_NE(asRead.findShape(shape.code()), nullptr);
      EXPECT_EQ(pathOf(shape), pathOf(*asRead.findShape(shape.code())));
      EXPECT_EQ(shape.width(), font->findShape(shape.code())->width());
    }
    EXPECT_EQ(codes, expectedCodes);
  }
}

TEST(CompiledFontExport, LeavesOutWhatTheFormatCannotHold) {
  GShpFile font(32, 16);
  font.setKind(GShpFile::kindAscii);
  auto add = [&](uint16_t code, int zigzags, int32_t farX) {
    auto shape = std::make_unique<GShape>();
    shape->setCode(code);
    shape->reset(24);
    for (int i = 0; i < zigzags; ++i) shape->addPoint(i % 2, 1 + i % 3, 0);
    if (farX) shape->addPoint(farX, 0, 0);
    font.addShape(std::move(shape));
  };
  // "1,9," + a pair per point + "(0,0),2,8,(x,y),0": 2n + 9 bytes.
  add(65, 995, 0);  // 1999 bytes
  add(66, 996, 0);  // 2001 bytes
  add(67, 2, 200);  // a segment of 200 units
  add(67, 2, 0);    // 67 again, as the first cannot be written
  add(68, 2, 0);
  add(68, 3, 0);  // a second 68
  const FontCompilation compiled = compileFont(font, exportDate);
  std::vector<std::pair<uint16_t, LeftOutShape::Reason>> leftOut;
  for (const LeftOutShape& s : compiled.leftOut) leftOut.emplace_back(s.code, s.reason);
  EXPECT_EQ(leftOut, (std::vector<std::pair<uint16_t, LeftOutShape::Reason>>{
                         {67, LeftOutShape::byteOverflow},
                         {66, LeftOutShape::tooLong},
                         {68, LeftOutShape::duplicateCode}}));

  const ImportedFont imported = importFont(writeShx(compiled.font), "font.shx", {});
  ASSERT_EQ(imported.file->shapeCount(), 3);
  EXPECT_EQ(imported.file->shapeAtIndex(0)->pointCount(), 995);
  EXPECT_EQ(imported.file->shapeAtIndex(1)->code(), 67);
  EXPECT_EQ(imported.file->shapeAtIndex(2)->pointCount(), 2);
}

// A name holding a 0, a name longer than an index entry can tell, and a font using every
// number: what is written reads back as it was meant.
TEST(CompiledFontExport, WritesNamesAndIndexesAReaderTakesBack) {
  CompiledFont font;
  font.hasHeader = true;
  font.headerName = "h";
  font.headerBytes = bytesOf({8, 2, 0, 0});
  for (uint32_t code = 1; code <= 0xFFFF; ++code) {
    font.shapes.push_back({static_cast<uint16_t>(code), "", bytesOf({0x14, 0})});
  }
  font.shapes[0].name = std::string("A\0B", 3);
  font.shapes[1].name = std::string(70000, 'n');
  font.shapes[1].bytes = bytesOf({1, 0x24, 0});
  for (CompiledKind kind : {CompiledKind::shapes, CompiledKind::unifont, CompiledKind::bigfont}) {
    font.kind = kind;
    const bool indexFull = kind != CompiledKind::unifont;
    const std::vector<LeftOutShape> leftOut = shapesLeftOut(font);
    if (indexFull) {
      ASSERT_EQ(leftOut.size(), 1u);
      EXPECT_EQ(leftOut[0].code, 0xFFFF);
      EXPECT_EQ(leftOut[0].reason, LeftOutShape::tooMany);
    } else {
      EXPECT_TRUE(leftOut.empty());
    }

    const CompiledFont back = readShx(writeShx(font), "font.shx").font;
    ASSERT_EQ(back.shapes.size(), indexFull ? 0xFFFEu : 0xFFFFu);
    EXPECT_EQ(back.shapes.back().code, indexFull ? 0xFFFE : 0xFFFF);
    EXPECT_EQ(back.shapes[0].bytes, font.shapes[0].bytes);
    EXPECT_EQ(back.shapes[1].bytes, font.shapes[1].bytes);
    if (kind != CompiledKind::bigfont) {
      EXPECT_EQ(back.shapes[0].name, "A");
      EXPECT_EQ(back.shapes[1].name.size(), 0xFFFFu - 1 - 3);
    }
  }
}

// Other tools number a unifont's shapes by Unicode, in its source and compiled alike. The
// editor takes each at its GBK code, one from 0x80 to 0xFF too; a character GBK cannot hold is
// left out and named, and a subshape is still found by the number the font gives it.
TEST(CompiledFontImport, TakesUnifontNumbersAsUnicode) {
  const std::string source =
      "*UNIFONT,6,uni\r\n10,4,0,0,0,0\r\n"
      "*04E2D,6,zhong\r\n1,8,(2,3),8,(0,-3),0\r\n"
      "*000B7,4,middle dot\r\n7,04E2D,0\r\n"
      "*0AC00,4,ga\r\n1,8,(1,0),0\r\n"
      "*65,4,A\r\n1,8,(3,0),0\r\n";
  const std::string shx = writeShx(compileShapeSource(source).font);
  for (const std::string& bytes : {source, shx}) {
    const ImportedFont imported = importFont(bytes, "uni", {});
    EXPECT_TRUE(imported.leftOut.empty());
    EXPECT_EQ(imported.notInGbk, std::vector<char32_t>{0xAC00});
    ASSERT_EQ(imported.file->shapeCount(), 3);
    const std::vector<PathPoint> zhong{{2, 3, false}, {2, 0, false}};
    ASSERT_NE(imported.file->findShape(0xD6D0), nullptr);
    EXPECT_EQ(pathOf(*imported.file->findShape(0xD6D0)), zhong);
    ASSERT_NE(imported.file->findShape(0xA1A4), nullptr);  // ·
    EXPECT_EQ(pathOf(*imported.file->findShape(0xA1A4)), zhong);
    EXPECT_NE(imported.file->findShape(65), nullptr);
  }
  // The editor's own unifont source keeps the GBK numbers it was saved with.
  GShpFile own(10, 0);
  own.setKind(GShpFile::kindUnifont);
  own.setFontName("own");
  auto zhong = std::make_unique<GShape>();
  zhong->setCode(0xD6D0);
  zhong->reset(4);
  zhong->addPoint(2, 3, 0);
  own.addShape(std::move(zhong));
  const ImportedFont imported = importFont(own.encode(exportDate), "own.shp", {});
  EXPECT_TRUE(imported.notInGbk.empty());
  EXPECT_NE(imported.file->findShape(0xD6D0), nullptr);
}

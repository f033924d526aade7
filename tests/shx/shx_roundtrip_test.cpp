#include <gtest/gtest.h>

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

// The sample's long shape (code 42) is over the format's limit; every other shape comes back
// as the shape file reads it.
TEST(CompiledFontRoundTrip, EveryKindImportsBackToThePointsOfItsShapeFile) {
  for (uint8_t kind : everyKind()) {
    SCOPED_TRACE("kind " + std::to_string(kind));
    auto font = sampleFont(kind, 5, 0, 120);
    const FontCompilation compiled = compileFont(*font, exportDate);
    ASSERT_EQ(compiled.leftOut.size(), 1u);
    EXPECT_EQ(compiled.leftOut[0].code, 42);
    EXPECT_EQ(compiled.leftOut[0].reason, LeftOutShape::tooLong);

    const std::string shx = writeShx(compiled.font);
    EXPECT_EQ(shx.substr(0, 25).find(signatureOf(kind)), 0u);
    // The shape file the editor writes compiles to the very same bytes.
    EXPECT_EQ(writeShx(compileShapeSource(font->encode(exportDate)).font), shx);

    GShpFile asRead;
    asRead.loadBytes(font->encode(exportDate), "font.shp");
    const ImportedFont imported = importFont(shx, "font.shx", {});
    EXPECT_TRUE(imported.approximated.empty());
    EXPECT_EQ(imported.file->kind(), asRead.kind());
    EXPECT_EQ(imported.file->above(), asRead.above());
    EXPECT_EQ(imported.file->below(), asRead.below());
    ASSERT_EQ(imported.file->shapeCount(), asRead.shapeCount() - 1);
    for (int i = 0, j = 0; i < asRead.shapeCount(); ++i) {
      const GShape& expected = *asRead.shapeAtIndex(i);
      if (expected.code() == 42) continue;
      const GShape& shape = *imported.file->shapeAtIndex(j++);
      SCOPED_TRACE("shape " + std::to_string(expected.code()));
      EXPECT_EQ(shape.code(), expected.code());
      EXPECT_EQ(pathOf(shape), pathOf(expected));
      EXPECT_EQ(shape.width(), font->findShape(shape.code())->width());
    }
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

    const CompiledFont back = readShx(writeShx(font), "font.shx");
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

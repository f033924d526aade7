#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>

#include "formats/font_formats.h"
#include "platform/gbk_unicode.h"
#include "platform/temp_dir.h"
#include "shapefile/printed_segments.h"
#include "shapefile/sample_fonts.h"
#include "shx/font_export.h"
#include "shx_test_support.h"

// Compiled fonts this program writes, read by independent readers: ezdxf (shapes and unifont
// files) and @mlightcad/shx-parser (every kind).
namespace {

bool succeeds(const std::string& command) {
  return std::system((command + " > /dev/null 2>&1").c_str()) == 0;
}

// The segments the pen draws along a shape's path from the origin; a segment that goes
// nowhere draws nothing.
Segments ourSegments(const GShape& shape) {
  Segments out;
  int64_t x = 0, y = 0;
  for (int i = 0; i < shape.pointCount(); ++i) {
    const GPoint* p = shape.pointAtIndex(i);
    if (!p->isVirtual && (p->x != x || p->y != y)) out.insert(out.end(), {x, y, p->x, p->y});
    x = p->x;
    y = p->y;
  }
  return out;
}

Segments withoutEmptySegments(const Segments& in) {
  Segments out;
  for (size_t i = 0; i + 3 < in.size(); i += 4) {
    if (in[i] != in[i + 2] || in[i + 1] != in[i + 3]) out.insert(out.end(), &in[i], &in[i + 4]);
  }
  return out;
}

struct Reader {
  std::string name;
  std::string missing;  // why it cannot run here; empty when it can
  std::string command;  // followed by the file
  bool readsBigfonts;
};

Reader ezdxf() {
  const std::string python = "/usr/bin/python3";
  return {"ezdxf",
          succeeds(python + " -c 'import ezdxf.shapefile'")
              ? ""
              : python + " cannot import ezdxf.shapefile (install python3-ezdxf)",
          python + " '" KELVANE_EZDXF_STROKES "'", false};
}

Reader shxParser() {
  const std::string package = KELVANE_SHX_PARSER;
  std::string missing;
  if (!succeeds("node --version")) {
    missing = "node is missing (install nodejs)";
  } else if (!succeeds("test -f '" + package + "/dist/index.es.js'")) {
    missing = package + " is missing (scripts/test installs it with npm)";
  }
  return {"shx-parser", missing, "node '" KELVANE_SHX_PARSER_STROKES "' '" + package + "'", true};
}

class IndependentReaders : public TempDirTest, public ::testing::WithParamInterface<uint8_t> {};

}  // namespace

TEST_P(IndependentReaders, DrawEveryShapeAsWeDo) {
  const uint8_t kind = GetParam();
  auto font = sampleFont(kind, 21, 0, 120);
  auto hanzi = std::make_unique<GShape>();
  hanzi->setCode(0xD6D0);  // 中
  hanzi->reset(40);
  for (auto [x, y, isVirtual] : {std::tuple{4, 30, 1}, {36, 30, 0}, {20, 40, 1}, {20, 0, 0}})
    hanzi->addPoint(x, y, static_cast<uint8_t>(isVirtual));
  font->addShape(std::move(hanzi));
  font->removeAllRepeats();
  const FontCompilation compiled = compileFont(*font, exportDate);
  const std::string file = path("font.shx");
  writeBytes(file, writeShx(compiled.font));
  // A unifont's shapes are numbered by Unicode, as these readers take them.
  const bool unifont = kind == GShpFile::kindUnifont;
  std::map<int, uint16_t> written;  // our code by the number in the file
  for (const CompiledShape& shape : compiled.font.shapes) {
    written[shape.code] = unifont && shape.code >= 0x80 ? gbkOfUnicode(shape.code) : shape.code;
  }
  for (const LeftOutShape& shape : shapesLeftOut(compiled.font)) written.erase(shape.code);

  std::string skipped;
  for (const Reader& reader : {ezdxf(), shxParser()}) {
    SCOPED_TRACE(reader.name);
    if (kind == GShpFile::kindBigfont && !reader.readsBigfonts) continue;
    if (!reader.missing.empty()) {
      skipped += reader.name + " cannot run: " + reader.missing + "; ";
      continue;
    }
    const std::map<int, Segments> theirs = segmentsPrintedBy(reader.command + " '" + file + "'");
    ASSERT_EQ(theirs.size(), written.size());
    EXPECT_EQ(theirs.count(unifont ? 0x4E2D : 0xD6D0), 1u);
    for (const auto& [number, code] : written) {
      SCOPED_TRACE("shape " + std::to_string(number));
      auto found = theirs.find(number);
      ASSERT_NE(found, theirs.end());
      const GShape* shape = font->findShape(code);
      ASSERT_NE(shape, nullptr);
      EXPECT_EQ(withoutEmptySegments(found->second), ourSegments(*shape));
    }
  }
  if (!skipped.empty()) GTEST_SKIP() << skipped;
}

INSTANTIATE_TEST_SUITE_P(EveryKind, IndependentReaders,
                         ::testing::Values(GShpFile::kindAscii, GShpFile::kindUnifont,
                                           GShpFile::kindBigfont));

// A real single-line font by others: LibreCAD's kst32b made a BIGFONT on a grid of 48 and
// compiled, drawn by shx-parser.
TEST_F(TempDirTest, LibreCadHanziReachTheCompiledFontAtTheirGbkCodes) {
  const std::string lff = "/usr/share/librecad/fonts/kst32b.lff";
  const StrokeFont strokes = formatOfPath(lff)->readStrokes(readBytes(lff), lff);
  const ImportedFont imported = importStrokes(strokes, {GShpFile::kindBigfont, 48, 0});
  const GShape* zhong = imported.file->findShape(0xD6D0);
  ASSERT_NE(zhong, nullptr);
  // LibreCAD's 中, a capital height of 9 to 48 grid units, rounded.
  Segments expected;
  const auto grid = [](double v) { return static_cast<int64_t>(std::lround(v * 48 / 9)); };
  for (const StrokeGlyph& glyph : strokes.glyphs) {
    if (glyph.unicode != U'中') continue;
    for (const Stroke& stroke : glyph.strokes) {
      for (size_t i = 1; i < stroke.size(); ++i) {
        expected.insert(expected.end(), {grid(stroke[i - 1].x), grid(stroke[i - 1].y),
                                         grid(stroke[i].x), grid(stroke[i].y)});
      }
    }
  }
  EXPECT_EQ(ourSegments(*zhong), withoutEmptySegments(expected));

  // CAD splits text into characters by the declared ranges of lead bytes: 1183 of these GBK
  // characters lead with 0x81 to 0xA0, and each must lie in a range to be reachable.
  const std::string file = path("kst32b.shx");
  writeBytes(file, formatOfPath(file)->write(*imported.file, exportDate).bytes);
  const CompiledFont compiled = readShx(readBytes(file), file).font;
  size_t lowLeads = 0;
  for (const CompiledShape& shape : compiled.shapes) {
    if (shape.code <= 0xFF) continue;
    const int lead = shape.code >> 8;
    lowLeads += lead < 0xA1;
    EXPECT_TRUE(
        std::any_of(compiled.escapeRanges.begin(), compiled.escapeRanges.end(),
                    [&](auto range) { return lead >= range.first && lead <= range.second; }))
        << shape.code;
  }
  EXPECT_EQ(lowLeads, 1183u);
  for (auto [first, last] : compiled.escapeRanges) EXPECT_LE(last, 0xFE);
  EXPECT_EQ(imported.file->encodeHeader(exportDate).substr(0, 25), "*BIGFONT 6463,1,129,254\r\n");

  const Reader reader = shxParser();
  if (!reader.missing.empty()) GTEST_SKIP() << reader.missing;
  const std::map<int, Segments> theirs = segmentsPrintedBy(reader.command + " '" + file + "'");
  ASSERT_TRUE(theirs.contains(0xD6D0));
  EXPECT_EQ(withoutEmptySegments(theirs.at(0xD6D0)), ourSegments(*zhong));
}

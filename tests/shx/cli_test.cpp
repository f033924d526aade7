#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/path_names.h"
#include "platform/temp_dir.h"
#include "shapefile/sample_fonts.h"
#include "shx/font_export.h"
#include "shx_test_support.h"

namespace {

class CompilerTool : public TempDirTest {
 protected:
  // The exit status; what the tool printed is in output.txt and errors.txt.
  int run(const char* tool, const std::string& arguments) {
    const std::string command = std::string("'") + tool + "' " + arguments + " > '" +
                                path("output.txt") + "' 2> '" + path("errors.txt") + "'";
    return WEXITSTATUS(std::system(command.c_str()));
  }
  int compile(const std::string& input, const std::string& output) {
    return run(KELVANE_SHX_TOOL, "'" + input + "' '" + output + "'");
  }
  int convert(const std::string& arguments) { return run(KELVANE_CONVERT_TOOL, arguments); }
};

}  // namespace

TEST_F(CompilerTool, WritesWhatExportWritesAndNothingForAFaultySource) {
  auto font = sampleFont(GShpFile::kindBigfont, 3, 0, 120);
  font->save(path("font.shp"), exportDate);
  EXPECT_EQ(compile(path("font.shp"), path("font.shx")), 1);  // shape 42 is too long
  EXPECT_EQ(readBytes(path("errors.txt")),
            path("font.shp") + ": shape 42: its program is longer than 2000 bytes\n" +
                "nothing written to " + path("font.shx") + " (1 problem)\n");
  EXPECT_FALSE(fileExists(path("font.shx")));

  font->removeShape(font->findShape(42));
  font->save(path("font.shp"), exportDate);
  ASSERT_EQ(compile(path("font.shp"), path("font.shx")), 0);
  EXPECT_EQ(readBytes(path("output.txt")),
            std::to_string(font->shapeCount()) + " shapes written to " + path("font.shx") + "\n");
  EXPECT_EQ(readBytes(path("font.shx")), writeShx(compileFont(*font, exportDate).font));

  writeBytes(path("bad.shp"), "*65,3,A\r\n8,(1,\r\n");
  EXPECT_EQ(compile(path("bad.shp"), path("bad.shx")), 1);
  EXPECT_EQ(readBytes(path("errors.txt")),
            path("bad.shp") + ":1: the definition ends before its end code 0\n" +
                "nothing written to " + path("bad.shx") + " (1 problem)\n");
  EXPECT_EQ(compile(path("missing.shp"), path("x.shx")), 1);
  EXPECT_EQ(compile("", ""), 1);
}

// The converter picks both formats by extension, as the window's import and export do, and
// writes nothing when a character cannot go into the output or a file has no known format.
TEST_F(CompilerTool, TheConverterGoesBetweenFormatsByExtension) {
  writeBytes(path("a.lff"), "[0041] A\n0,0;3,9;6,0\n[4e2d] 中\n0,0;9,9\n[ac00] 가\n0,0;9,0\n");
  ASSERT_EQ(convert("'" + path("a.lff") + "' '" + path("a.shx") + "' --grid 24"), 0);
  EXPECT_EQ(readBytes(path("errors.txt")),
            path("a.lff") + ": left out U+AC00: GBK cannot hold it\n");
  const CompiledFont shx = readShx(readBytes(path("a.shx")), "a.shx").font;
  EXPECT_EQ(shx.kind, CompiledKind::bigfont);  // two of three characters are double-byte
  ASSERT_EQ(shx.shapes.size(), 2u);
  EXPECT_EQ(shx.shapes[1].code, 0xD6D0);

  // Code 0xC8 of an ASCII font is no Unicode character: an SVG font cannot hold it.
  writeBytes(path("b.shp"), "*65,4,A\r\n1,8,(2,2),0\r\n*200,4,x\r\n1,8,(1,1),0\r\n");
  EXPECT_EQ(convert("'" + path("b.shp") + "' '" + path("b.svg") + "'"), 1);
  EXPECT_EQ(readBytes(path("errors.txt")),
            path("b.svg") + ": shape 200: no Unicode character has its code\n" +
                "nothing written to " + path("b.svg") + ": 1 character cannot go into it\n");
  EXPECT_FALSE(fileExists(path("b.svg")));

  EXPECT_EQ(convert("'" + path("b.shp") + "' '" + path("b.doc") + "'"), 1);
  EXPECT_FALSE(fileExists(path("b.doc")));
  EXPECT_EQ(convert("'" + path("b.shp") + "' '" + path("c.shx") + "' --grid 50"), 2);
  EXPECT_EQ(convert("'" + path("b.shp") + "'"), 2);
}

// A file that is no compiled font is refused and nothing written; the shapes a cut one no
// longer holds are named and counted in the summary, and the rest written.
TEST_F(CompilerTool, TheConverterRefusesWhatIsNoCompiledFontAndNamesWhatACutOneLacks) {
  writeBytes(path("junk.shx"), "hello world, not a font");
  EXPECT_EQ(convert("'" + path("junk.shx") + "' '" + path("junk.shp") + "'"), 1);
  EXPECT_EQ(
      readBytes(path("errors.txt")),
      "\"" + path("junk.shx") + "\": not a compiled shape file of a kind this program reads\n");
  EXPECT_FALSE(fileExists(path("junk.shp")));

  CompiledFont font =
      plainFont({{0xB0A1, "", bytesOf({1, 8, 3, 4, 0})}, {0xB0A2, "", bytesOf({1, 8, 4, 3, 0})}});
  font.kind = CompiledKind::bigfont;
  const std::string whole = writeShx(font);
  writeBytes(path("cut.shx"), whole.substr(0, whole.size() - 1));
  ASSERT_EQ(convert("'" + path("cut.shx") + "' '" + path("cut.shp") + "'"), 0);
  EXPECT_EQ(readBytes(path("errors.txt")),
            path("cut.shx") +
                ": left out shape 45218: its record (8 bytes at byte 55) runs past "
                "the end of the file (62 bytes)\n");
  EXPECT_EQ(readBytes(path("output.txt")),
            "1 character written to " + path("cut.shp") + "; 1 left out\n");
}

// A new font drafted from a face, named by family or by file; the character set and kind
// decide the grid's split and which codes the font holds.
TEST_F(CompilerTool, TheConverterDraftsANewFontFromAFace) {
  ASSERT_EQ(convert("--draft 'WenQuanYi Micro Hei' --set ascii '" + path("a.shp") + "' --grid 24"),
            0);
  GShpFile ascii;
  ascii.load(path("a.shp"));
  EXPECT_EQ(ascii.kind(), GShpFile::kindAscii);
  EXPECT_EQ(ascii.above(), 16);
  EXPECT_EQ(ascii.below(), 8);
  EXPECT_EQ(ascii.shapeCount(), 95);  // the space to the tilde
  ASSERT_TRUE(ascii.findShape('T'));
  EXPECT_GE(ascii.findShape('T')->pointCount(), 4);  // two strokes, each from a pen-up move
  EXPECT_GT(ascii.findShape(' ')->width(), 0);

  ASSERT_EQ(
      convert("--draft /usr/share/fonts/truetype/wqy/wqy-microhei.ttc:outline --set gb2312 '" +
              path("h.shp") + "'"),
      0);
  GShpFile hanzi;
  hanzi.load(path("h.shp"));
  EXPECT_EQ(hanzi.kind(), GShpFile::kindBigfont);
  EXPECT_EQ(hanzi.shapeCount(), 6763);
  EXPECT_EQ(hanzi.findShape(0xD6D0)->width(), 48);  // 中 advances by the grid's side

  EXPECT_EQ(convert("--draft 'No Such Family Kelvane' --set ascii '" + path("x.shp") + "'"), 1);
  EXPECT_FALSE(fileExists(path("x.shp")));
  EXPECT_EQ(convert("--draft 'WenQuanYi Micro Hei' '" + path("x.shp") + "'"), 2);
  EXPECT_EQ(convert("--draft 'WenQuanYi Micro Hei' --set big5 '" + path("x.shp") + "'"), 2);
}

// Both tools explain themselves and say what they wrote; --quiet leaves the list of what was
// left out and keeps the summary. Reading problems come in the tools' own language, English.
TEST_F(CompilerTool, HelpVersionSummaryAndQuiet) {
  for (const char* tool : {KELVANE_CONVERT_TOOL, KELVANE_SHX_TOOL}) {
    SCOPED_TRACE(tool);
    for (const char* help : {"--help", "-h"}) {
      ASSERT_EQ(run(tool, help), 0);
      const std::string usage = readBytes(path("output.txt"));
      EXPECT_NE(usage.find("usage: "), std::string::npos);
      EXPECT_NE(usage.find("--quiet"), std::string::npos);
      EXPECT_NE(usage.find("--version"), std::string::npos);
    }
    ASSERT_EQ(run(tool, "--version"), 0);
    EXPECT_EQ(readBytes(path("output.txt")), baseNameOf(tool) + " " + KELVANE_VERSION + "\n");
    EXPECT_EQ(run(tool, "--bogus a.shp b.shx"), 2);
    EXPECT_NE(readBytes(path("errors.txt")).find("unexpected argument --bogus"), std::string::npos);
  }
  ASSERT_EQ(convert("--help"), 0);
  for (const char* option : {"--kind", "--grid", "--draft", "--set"})
    EXPECT_NE(readBytes(path("output.txt")).find(option), std::string::npos) << option;

  // kst32b holds 264 characters GBK lacks.
  const std::string kst = "/usr/share/librecad/fonts/kst32b.lff", shx = path("k.shx");
  ASSERT_EQ(convert("'" + kst + "' '" + shx + "'"), 0);
  const std::string summary = "6463 characters written to " + shx + "; 264 left out\n";
  EXPECT_EQ(readBytes(path("output.txt")), summary);
  const std::string errors = readBytes(path("errors.txt"));
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 264);
  ASSERT_EQ(convert("'" + kst + "' '" + shx + "' --quiet"), 0);
  EXPECT_EQ(readBytes(path("output.txt")), summary);
  EXPECT_EQ(readBytes(path("errors.txt")), "");

  writeBytes(path("bad.lff"), "[0041] A\n0,0;3,9\n1,x\n");
  ASSERT_EQ(convert("'" + path("bad.lff") + "' '" + path("bad.shp") + "'"), 0);
  EXPECT_EQ(readBytes(path("errors.txt")),
            path("bad.lff") + ": left out: line 3: \"1,x\" is not a point x,y\n");
  EXPECT_EQ(readBytes(path("output.txt")),
            "1 character written to " + path("bad.shp") + "; 1 left out\n");
}

// From the stroke-order data: without it, exit 1 saying how to install it; with it (here a
// folder of two characters' files), the characters it has, under the data's licence.
TEST_F(CompilerTool, TheConverterDraftsFromStrokeOrderData) {
  const auto convert = [&](const std::string& data, const std::string& arguments) {
    const std::string command = "KELVANE_STROKE_DATA='" + data + "' '" +
                                std::string(KELVANE_CONVERT_TOOL) + "' " + arguments + " > '" +
                                path("out.txt") + "' 2> '" + path("errors.txt") + "'";
    return WEXITSTATUS(std::system(command.c_str()));
  };
  std::filesystem::create_directory(path("data"));
  EXPECT_EQ(convert(path("data"), "--draft-strokes --set gb2312 '" + path("s.shp") + "'"), 1);
  EXPECT_NE(readBytes(path("errors.txt")).find("scripts/install-stroke-data"), std::string::npos);
  EXPECT_FALSE(fileExists(path("s.shp")));

  writeBytes(path("data/一.json"), "{\"medians\":[[[100,388],[924,388]]]}");
  writeBytes(path("data/二.json"), "{\"medians\":[[[200,600],[800,600]],[[100,200],[900,200]]]}");
  ASSERT_EQ(convert(path("data"), "--draft-strokes --set gb2312 '" + path("s.shp") + "' --grid 24"),
            0);
  EXPECT_NE(readBytes(path("out.txt")).find("Arphic Public License"), std::string::npos);
  EXPECT_NE(readBytes(path("errors.txt")).find("left out 6761 characters"), std::string::npos);
  GShpFile font;
  font.load(path("s.shp"));
  EXPECT_EQ(font.kind(), GShpFile::kindBigfont);
  ASSERT_EQ(font.shapeCount(), 2);
  EXPECT_EQ(font.findShape(0xD2BB)->width(), 24);      // 一
  EXPECT_EQ(font.findShape(0xB6FE)->pointCount(), 4);  // 二: two strokes of two points

  EXPECT_EQ(convert(path("data"), "--draft-strokes --set ascii '" + path("x.shp") + "'"), 2);
  EXPECT_EQ(convert(path("data"), "--draft-strokes --draft x --set gb2312 '" + path("x.shp") + "'"),
            2);
}

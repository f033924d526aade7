#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/path_names.h"
#include "platform/temp_dir.h"
#include "shapefile/sample_fonts.h"
#include "shx/font_export.h"
#include "shx_test_support.h"

namespace {

class CompilerTool : public TempDirTest {
 protected:
  int compile(const std::string& input, const std::string& output) {
    const std::string command = std::string("'") + KELVANE_SHX_TOOL + "' '" + input + "' '" +
                                output + "' 2> '" + path("errors.txt") + "'";
    return WEXITSTATUS(std::system(command.c_str()));
  }
};

}  // namespace

TEST_F(CompilerTool, WritesWhatExportWritesAndNothingForAFaultySource) {
  auto font = sampleFont(GShpFile::kindBigfont, 3, 0, 120);
  font->save(path("font.shp"), exportDate);
  EXPECT_EQ(compile(path("font.shp"), path("font.shx")), 1);  // shape 42 is too long
  EXPECT_EQ(readBytes(path("errors.txt")),
            path("font.shp") + ": shape 42: its program is longer than 2000 bytes\n");
  EXPECT_FALSE(fileExists(path("font.shx")));

  font->removeShape(font->findShape(42));
  font->save(path("font.shp"), exportDate);
  ASSERT_EQ(compile(path("font.shp"), path("font.shx")), 0);
  EXPECT_EQ(readBytes(path("font.shx")), writeShx(compileFont(*font, exportDate).font));

  writeBytes(path("bad.shp"), "*65,3,A\r\n8,(1,\r\n");
  EXPECT_EQ(compile(path("bad.shp"), path("bad.shx")), 1);
  EXPECT_EQ(readBytes(path("errors.txt")),
            path("bad.shp") + ":1: the definition ends before its end code 0\n");
  EXPECT_EQ(compile(path("missing.shp"), path("x.shx")), 1);
  EXPECT_EQ(compile("", ""), 1);
}

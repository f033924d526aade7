#include <gtest/gtest.h>

#include <cstdlib>

#include "editing/batch_transform.h"
#include "platform/path_names.h"
#include "platform/temp_dir.h"
#include "shapefile/shpfile.h"
#include "shx_test_support.h"

namespace {

class ConvertReshape : public TempDirTest {
 protected:
  int convert(const std::string& arguments) {
    const std::string command = std::string("'") + KELVANE_CONVERT_TOOL + "' " + arguments +
                                " 2> '" + path("errors.txt") + "'";
    return WEXITSTATUS(std::system(command.c_str()));
  }
};

}  // namespace

// --fit and --scale act on every character, and nothing is written when one cannot take it.
TEST_F(ConvertReshape, FitAndScaleEveryCharacter) {
  // 中 stands above its cell of 48 (9.4 of a capital height 9), 一 lies low in it.
  writeBytes(path("a.lff"), "[4e2d] 中\n0,0;9,9.4\n[4e00] 一\n0,1;9,1\n");
  const std::string in = "'" + path("a.lff") + "' ";
  ASSERT_EQ(convert(in + "'" + path("fit.shp") + "' --fit 2"), 0);
  GShpFile fitted;
  fitted.load(path("fit.shp"));
  // The fit itself is the batch transform's test: here, that it reached 中.
  EXPECT_EQ(inkBoxOf(*fitted.findShape(0xD6D0)).top, 45);  // the grid's top row is 47

  // Halved across.
  ASSERT_EQ(convert(in + "'" + path("plain.shp") + "'"), 0);
  ASSERT_EQ(convert(in + "'" + path("half.shp") + "' --scale 50%,100%"), 0);
  GShpFile plain, half;
  plain.load(path("plain.shp"));
  half.load(path("half.shp"));
  const InkBox before = inkBoxOf(*plain.findShape(0xD2BB));
  const InkBox after = inkBoxOf(*half.findShape(0xD2BB));
  EXPECT_EQ(after.right - after.left, (before.right - before.left) / 2);

  EXPECT_EQ(convert(in + "'" + path("big.shp") + "' --scale 300%,300%"), 1);
  EXPECT_FALSE(fileExists(path("big.shp")));
  EXPECT_NE(readBytes(path("errors.txt")).find("shape 54992"), std::string::npos);  // 0xD6D0
  EXPECT_EQ(convert(in + "'" + path("x.shp") + "' --scale 0,50"), 2);
  EXPECT_EQ(convert(in + "'" + path("x.shp") + "' --fit -1"), 2);
  EXPECT_EQ(convert(in + "'" + path("x.shp") + "' --fit 1 --scale 90,90"), 2);
}

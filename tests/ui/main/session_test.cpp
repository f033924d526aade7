#include "ui/main/file_fixture.h"

using SessionTest = FileCommandTest;

// A user's round: a new font, its grid and direction chosen, saved, closed, another font
// looked at, and the first opened again.
TEST_F(SessionTest, NewSaveCloseOpenFollowsTheFile) {
  writeBytes(path("other.shp"), asciiFont());
  const std::string shp = path("s.shp");

  run("NMNew", shp);
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + shp + " *"));
  trigger("N7272");
  trigger("NMFlagLie");
  EXPECT_EQ(TFmMainProbe::gridHeight(*window), 72);
  EXPECT_EQ(TFmMainProbe::gridBelow(*window), 0);
  trigger("NMSave");
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + shp));
  trigger("NMClose");
  EXPECT_EQ(caption(), QStringLiteral("Kelvane  "));

  run("NMOpen", path("other.shp"));
  EXPECT_TRUE(child<QAction>("N4848")->isChecked());
  EXPECT_TRUE(child<QAction>("NMFlagNormal")->isChecked());
  EXPECT_EQ(TFmMainProbe::gridHeight(*window), 48);
  trigger("NMClose");

  run("NMOpen", shp);
  EXPECT_TRUE(prompts->errors.isEmpty()) << prompts->errors.join('\n').toStdString();
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + shp));
  EXPECT_TRUE(child<QAction>("NMASCII")->isChecked());
  EXPECT_TRUE(child<QAction>("N7272")->isChecked());
  EXPECT_TRUE(child<QAction>("NMFlagLie")->isChecked());
  EXPECT_EQ(TFmMainProbe::gridHeight(*window), 72);
  EXPECT_EQ(TFmMainProbe::gridBelow(*window), 0);
  EXPECT_EQ(file()->kind(), GShpFile::kindAscii);
  EXPECT_EQ(file()->shapeCount(), 0);
  EXPECT_TRUE(enabled("NMUNIFONT"));
  EXPECT_TRUE(prompts->questions.isEmpty());
}

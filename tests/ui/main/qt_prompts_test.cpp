#include "ui/main/qt_prompts.h"

#include <gtest/gtest.h>

#include "platform/temp_dir.h"

TEST(QtNameFilters, ShapeFileFilterMatchesBothCases) {
  EXPECT_EQ(qtNameFilters(QStringLiteral("AUTOCAD形定义文件(*.SHP)|*.SHP")),
            QStringList{QStringLiteral("AUTOCAD形定义文件(*.SHP) (*.SHP *.shp)")});
}

TEST(QtNameFilters, PictureFilterKeepsEveryEntryAndPattern) {
  const QStringList filters = qtNameFilters(
      QStringLiteral("All (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|JPEG Image File (*.jpg)|*.jpg|"
                     "JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp"));
  ASSERT_EQ(filters.size(), 4);
  EXPECT_EQ(filters[0],
            QStringLiteral("All (*.jpg;*.jpeg;*.bmp) (*.jpg *.JPG *.jpeg *.JPEG *.bmp *.BMP)"));
  EXPECT_EQ(filters[3], QStringLiteral("Bitmaps (*.bmp) (*.bmp *.BMP)"));
}

TEST(CompleteTypedName, AddsTheDefaultExtensionOrFindsTheLowerCaseFile) {
  TempDir tmp;
  const QString dir = QString::fromStdString(tmp.dir());
  const QString shp = QStringLiteral("*.SHP");
  EXPECT_EQ(completeTypedName(dir + "/hz", shp), dir + "/hz.SHP");
  EXPECT_EQ(completeTypedName(dir + "/hz.shp", shp), dir + "/hz.shp");
  EXPECT_EQ(completeTypedName(dir + "/hz", QString()), dir + "/hz");

  writeBytes(tmp.path("hz.shp"), "x");
  EXPECT_EQ(completeTypedName(dir + "/hz", shp), dir + "/hz.shp");
  writeBytes(tmp.path("hz.SHP"), "x");
  EXPECT_EQ(completeTypedName(dir + "/hz", shp), dir + "/hz.SHP");
}

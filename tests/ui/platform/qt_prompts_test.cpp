#include "ui/platform/qt_prompts.h"

#include <gtest/gtest.h>

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

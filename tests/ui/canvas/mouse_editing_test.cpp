#include <QMenu>

#include "canvas_fixture.h"

namespace {

using MouseEditingTest = CanvasTest;

TEST_F(MouseEditingTest, TheStatusPaneShowsTheGridPositionWithItsSign) {
  moveTo(3, -5);
  EXPECT_EQ(child<QLabel>("RzStatusPane1")->text(), QStringLiteral("当前坐标[ X:003,Y:-05 ]"));
  moveTo(47, 31);
  EXPECT_EQ(child<QLabel>("RzStatusPane1")->text(), QStringLiteral("当前坐标[ X:047,Y:031 ]"));
}

TEST_F(MouseEditingTest, AClickSelectsAndADragMovesRewritingTheSource) {
  const QString before = memo();
  click(6, 2);
  EXPECT_EQ(path(), "v2,2 r6,2* r6,8 ");
  EXPECT_FALSE(marked());
  EXPECT_EQ(memo(), before);

  press(6, 2);
  moveTo(8, 3, Qt::LeftButton);
  moveTo(9, 3, Qt::LeftButton);
  release(9, 3);
  EXPECT_EQ(path(), "v2,2 r9,3* r6,8 ");
  EXPECT_TRUE(marked());
  EXPECT_EQ(memo(), sourceNow());
  EXPECT_NE(memo(), before);
}

TEST_F(MouseEditingTest, TheRubberBandIsPaintedWhileShiftDraggingOnly) {
  const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
  const auto bandPixelIsBlack = [&] {
    const QImage image = panel->grab().toImage();
    // Half-way along the band's top edge, between grid lines, the dotted outline shows black.
    const QPoint from = pixel(1, 5);
    int black = 0;
    for (int dx = 1; dx < 12; ++dx)
      black += image.pixelColor(from.x() + dx + 2, from.y()) == Qt::black ? 1 : 0;
    return black > 0;
  };
  press(1, 5, Qt::LeftButton, shift);
  moveTo(7, 1, Qt::LeftButton, shift);
  EXPECT_TRUE(bandPixelIsBlack());
  release(7, 1, Qt::LeftButton, shift);
  EXPECT_FALSE(bandPixelIsBlack());
  EXPECT_EQ(path(), "v2,2* r6,2* r6,8 ");
  EXPECT_FALSE(marked());
}

TEST_F(MouseEditingTest, TheRightPressPicksWhatDeleteSingleDeletes) {
  const QString before = memo();
  click(6, 8, Qt::RightButton);
  EXPECT_TRUE(child<QAction>("NInsertRealAfter")->isEnabled());
  trigger("NDelPoint");
  EXPECT_EQ(path(), "v2,2 r6,2 ");
  EXPECT_TRUE(marked());
  EXPECT_EQ(memo(), before);  // a light refresh leaves the source view
  EXPECT_EQ(TFmMainProbe::hotPoint(*window), nullptr);
  trigger("NDelPoint");  // the target went with its point
  EXPECT_EQ(path(), "v2,2 r6,2 ");

  click(9, 9, Qt::RightButton);  // an empty spot
  EXPECT_FALSE(child<QAction>("NInsertRealAfter")->isEnabled());
  child<ChoiceGroup>("RzRadioGroup2")->setItemIndex(1);
  click(6, 2, Qt::RightButton);
  EXPECT_FALSE(child<QAction>("NInsertVirtualBefore")->isEnabled());
}

TEST_F(MouseEditingTest, AnInsertItemOfThePopupArmsTheNextClick) {
  auto* menu = child<QMenu>("ShapePopMenu");
  click(6, 2, Qt::RightButton);
  menu->popup(panel->mapToGlobal(pixel(6, 2)));
  EXPECT_TRUE(menu->isVisible());
  trigger("NInsertVirtualAfter");
  menu->hide();
  QCoreApplication::processEvents();  // the menu's closing is settled
  click(4, 5);
  EXPECT_EQ(path(), "v2,2 r6,2 v4,5 r6,8 ");
  EXPECT_TRUE(marked());
}

TEST_F(MouseEditingTest, ContinuousAddAndDeleteRewriteTheSource) {
  auto* mode = child<ChoiceGroup>("RzRadioGroup2");
  mode->setItemIndex(1);
  click(10, 10);
  EXPECT_EQ(path(), "v2,2 r6,2 r6,8 v10,10 ");
  EXPECT_EQ(memo(), sourceNow());
  mode->setItemIndex(2);
  click(6, 2);
  EXPECT_EQ(path(), "v2,2 r6,8 v10,10 ");
  EXPECT_EQ(memo(), sourceNow());
}

TEST_F(MouseEditingTest, AfterTheCurrentCharacterChangesNothingPointsIntoTheOldOne) {
  click(6, 2);
  ASSERT_NE(TFmMainProbe::hotPoint(*window), nullptr);
  child<QListWidget>("RzListBox1")->setCurrentRow(-1);
  EXPECT_EQ(TFmMainProbe::hotPoint(*window), nullptr);
}

}  // namespace

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "platform/temp_dir.h"
#include "ui/canvas/canvas_fixture.h"

namespace {

class ReferenceTest : public CanvasTest {
 protected:
  ChoiceGroup* mode() { return child<ChoiceGroup>("RzRadioGroup3"); }
  void loadPicture(const std::string& path) {
    prompts->files.push_back(QString::fromStdString(path));
    child<QPushButton>("RzBitBtn1")->click();
  }
  QColor canvasAt(int32_t x, int32_t y) {
    return panel->grab().toImage().pixelColor(pixel(x, y) + QPoint(2, 2));
  }
  TempDir tmp;
};

TEST_F(ReferenceTest, TheModeShowsItsControlsAndMarksTheFile) {
  mode()->setItemIndex(1);
  EXPECT_FALSE(child<QGroupBox>("RzGroupBox1")->isHidden());
  EXPECT_TRUE(child<QGroupBox>("RzGroupBox2")->isHidden());
  EXPECT_TRUE(marked());
  TFmMainProbe::setModified(*window, false);
  child<QSpinBox>("RzSpinEdit1")->setValue(241);
  EXPECT_EQ(TFmMainProbe::refFontSize(*window), 241);
  EXPECT_TRUE(marked());
  mode()->setItemIndex(2);
  EXPECT_TRUE(child<QGroupBox>("RzGroupBox1")->isHidden());
  EXPECT_FALSE(child<QGroupBox>("RzGroupBox2")->isHidden());
}

TEST_F(ReferenceTest, APictureIsStretchedOverTheGridAndABrokenOneKeepsTheLast) {
  QImage red(200, 100, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(QString::fromStdString(tmp.path("red.BMP")), "BMP"));
  writeBytes(tmp.path("broken.jpeg"), "not a jpeg");
  mode()->setItemIndex(2);
  TFmMainProbe::setModified(*window, false);
  panel->repaint();
  loadPicture(tmp.path("red.BMP"));
  EXPECT_EQ(canvasAt(40, 25), QColor(Qt::red));  // the whole grid area, aspect not kept
  EXPECT_EQ(canvasAt(1, -15), QColor(Qt::red));
  EXPECT_FALSE(child<QLabel>("RefImage")->pixmap().isNull());

  loadPicture(tmp.path("broken.jpeg"));
  ASSERT_EQ(prompts->errors.size(), 1);
  EXPECT_TRUE(prompts->errors[0].contains(QString::fromStdString(tmp.path("broken.jpeg"))));
  EXPECT_EQ(canvasAt(40, 25), QColor(Qt::red));

  child<QPushButton>("RzBitBtn2")->click();
  EXPECT_NE(canvasAt(40, 25), QColor(Qt::red));
  EXPECT_FALSE(marked());  // pictures are not kept in the settings
  loadPicture(tmp.path("red.BMP"));
  EXPECT_EQ(canvasAt(40, 25), QColor(Qt::red));
}

TEST_F(ReferenceTest, TheGlyphIsDrawnAtItsPlaceUnderTheGrid) {
  // The face the set-up installs: which face the list has first depends on the machine.
  auto* faces = child<QListWidget>("RzFontListBox1");
  const auto wqy = faces->findItems(QStringLiteral("WenQuanYi Micro Hei"), Qt::MatchExactly);
  ASSERT_FALSE(wqy.isEmpty());
  faces->setCurrentItem(wqy.constFirst());
  mode()->setItemIndex(1);
  const QImage image = panel->grab().toImage();
  int dark = 0;
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 200; ++x) dark += image.pixelColor(x, y).lightness() < 60 ? 1 : 0;
  }
  EXPECT_GT(dark, 500);  // the "A" at (refLeft, refTop) = (0, 0), 240 points high
}

}  // namespace

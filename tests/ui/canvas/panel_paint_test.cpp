#include <QAbstractButton>
#include <QImage>
#include <QListWidget>
#include <algorithm>

#include "ui/canvas/panel.h"
#include "ui/shared/choice_group.h"
#include "ui/window_fixture.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);
const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);

class PanelPaintTest : public WindowTest {
 protected:
  // Paints the canvas as the screen would show it and remembers its layout.
  QImage paint() {
    auto* panel = child<CanvasPanel>("Panel");
    QImage image = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
    layout.above = 32;
    layout.below = 16;
    layout.cellSize = TFmMainProbe::cellSize(*window);
    layout.originX = TFmMainProbe::originX(*window);
    layout.originY = TFmMainProbe::originY(*window);
    return image;
  }
  QColor at(const QImage& image, GridLayout::Pixel p, int dx = 0, int dy = 0) {
    return image.pixelColor(p.x + dx, p.y + dy);
  }
  // Colours seen along the straight line between two grid points, ends excluded.
  std::vector<QColor> along(const QImage& image, GridLayout::Pixel a, GridLayout::Pixel b) {
    std::vector<QColor> seen;
    const int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    for (int s = 6; s < steps - 6; ++s)
      seen.push_back(
          image.pixelColor(a.x + (b.x - a.x) * s / steps, a.y + (b.y - a.y) * s / steps));
    return seen;
  }
  void pickFirst() {
    QListWidget* list = child<QListWidget>("RzListBox1");
    list->setCurrentRow(0);
  }

  GridLayout layout;
};

TEST_F(PanelPaintTest, LayoutFollowsThePanelSize) {
  auto* panel = child<CanvasPanel>("Panel");
  paint();
  GridLayout expected;
  expected.fit(panel->width(), panel->height());
  EXPECT_EQ(layout.cellSize, expected.cellSize);
  EXPECT_EQ(layout.originX, expected.originX);
  EXPECT_EQ(layout.originY, expected.originY);
  EXPECT_GE(layout.cellSize, 8u);
}

TEST_F(PanelPaintTest, PixelToGridCarriesThePenState) {
  paint();
  const auto origin = layout.gridToPixel(0, 0);
  GPoint p = TFmMainProbe::pixelToGrid(*window, origin.x + 1, origin.y - 1);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
  EXPECT_EQ(p.isVirtual, 1);
  EXPECT_EQ(p.selected, 0);
  QTest::mouseClick(child<ChoiceGroup>("RzRadioGroup1")->button(1), Qt::LeftButton);
  EXPECT_EQ(TFmMainProbe::pixelToGrid(*window, origin.x, origin.y).isVirtual, 0);
}

TEST_F(PanelPaintTest, GridLinesAreGreyWhenMajorAndSilverOtherwise) {
  const QImage image = paint();
  // Half a cell up from a row crossing, on the lines of columns 0 and 1.
  const int up = -static_cast<int>(layout.cellSize) / 2;
  EXPECT_EQ(at(image, layout.gridToPixel(0, 4), 0, up), kGrey);
  EXPECT_EQ(at(image, layout.gridToPixel(1, 4), 0, up), kSilver);
  EXPECT_EQ(at(image, layout.gridToPixel(3, 0), up, 0), kGrey);  // the baseline
  EXPECT_EQ(at(image, layout.gridToPixel(3, 1), up, 0), kSilver);
}

TEST_F(PanelPaintTest, StrokesMovesAndMarksHaveTheirLook) {
  std::vector<std::unique_ptr<GShape>> shapes;
  shapes.push_back(makeShape('A', 24, {{4, 4, true}, {20, 4, false}, {20, 20, true}}));
  openFont(std::move(shapes));
  pickFirst();
  const QImage image = paint();

  // The solid red stroke from (4,4) to the real point (20,4).
  for (const QColor& c : along(image, layout.gridToPixel(4, 4), layout.gridToPixel(20, 4)))
    EXPECT_EQ(c, kRed);
  // The dotted blue move up to the virtual point (20,20): blue dots with gaps.
  const auto move = along(image, layout.gridToPixel(20, 4), layout.gridToPixel(20, 20));
  EXPECT_GT(std::count(move.begin(), move.end(), kBlue), 8);
  EXPECT_GT(std::count_if(move.begin(), move.end(), [](const QColor& c) { return c != kBlue; }), 8);
  // The closing move to the advance point (24,0) is drawn as well.
  const auto closing = along(image, layout.gridToPixel(20, 20), layout.gridToPixel(24, 0));
  EXPECT_GT(std::count(closing.begin(), closing.end(), kBlue), 4);
  // A green ring on every point, filled with the background.
  const auto mark = layout.gridToPixel(20, 4);
  EXPECT_EQ(at(image, mark, 3, 0), kGreen);
  EXPECT_EQ(at(image, mark, -3, 0), kGreen);
  EXPECT_NE(at(image, mark), kGreen);
}

TEST_F(PanelPaintTest, HiddenTrackLeavesOutMovesButStrokesStartAtTheOrigin) {
  std::vector<std::unique_ptr<GShape>> shapes;
  shapes.push_back(makeShape('A', 24, {{10, 10, false}, {10, 20, true}}));
  openFont(std::move(shapes));
  pickFirst();
  auto* display = child<ChoiceGroup>("RzCheckGroup1");
  display->setChecked(0, false);
  display->setChecked(1, false);
  const QImage image = paint();

  for (const QColor& c : along(image, layout.gridToPixel(0, 0), layout.gridToPixel(10, 10)))
    EXPECT_EQ(c, kRed);
  for (const QColor& c : along(image, layout.gridToPixel(10, 10), layout.gridToPixel(10, 20)))
    EXPECT_NE(c, kBlue);
  EXPECT_NE(at(image, layout.gridToPixel(10, 10), 3, 0), kGreen);
}

TEST_F(PanelPaintTest, ShapeWithoutPointsDrawsOnlyTheMoveToItsAdvance) {
  std::vector<std::unique_ptr<GShape>> shapes;
  shapes.push_back(makeShape('A', 24));
  openFont(std::move(shapes));
  pickFirst();
  const QImage image = paint();
  const auto move = along(image, layout.gridToPixel(0, 0), layout.gridToPixel(24, 0));
  EXPECT_GT(std::count(move.begin(), move.end(), kBlue), 8);
}

TEST_F(PanelPaintTest, TooSmallPanelPaintsNoGrid) {
  auto* panel = child<CanvasPanel>("Panel");
  panel->setMinimumSize(0, 0);
  panel->setFixedSize(60, 60);
  const QImage image = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(TFmMainProbe::cellSize(*window), 0u);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ASSERT_NE(image.pixelColor(x, y), kGrey);
}

}  // namespace

#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>

#include "ui/canvas/canvas_fixture.h"
#include "ui/preview/preview_strip.h"
#include "ui/preview/text_preview.h"

namespace {

// The preview shown with "AB?": A and B are the fixture's characters (A current), "?" is
// missing from the font.
class TextPreviewTest : public CanvasTest {
 protected:
  void SetUp() override {
    CanvasTest::SetUp();
    trigger("NMTextPreview");
    field = child<QLineEdit>("previewSample");
    strip = child<PreviewStrip>("previewStrip");
    field->setText(QStringLiteral("AB?"));
  }
  const LineGlyph& glyph(size_t i) { return strip->line().at(i); }
  // The strip's pixel in the middle of character i, `dy` pixels below the baseline.
  QColor pixelUnder(size_t i, double dy) {
    const QImage image = strip->grab().toImage();
    const double x = strip->lineStartX() + (glyph(i).penX + glyph(i).advance / 2.0) * strip->unit();
    return image.pixelColor(static_cast<int>(x), static_cast<int>(strip->baselineY() + dy));
  }

  QLineEdit* field = nullptr;
  PreviewStrip* strip = nullptr;
};

TEST_F(TextPreviewTest, FollowsDragUndoPasteAndAdd) {
  ASSERT_TRUE(strip->isVisible());
  ASSERT_EQ(strip->line().size(), 3u);
  EXPECT_EQ(glyph(1).penX, 24);
  EXPECT_EQ(glyph(2).shape, nullptr);
  EXPECT_EQ(glyph(2).advance, 24);  // half the font's width, as a single byte
  EXPECT_FALSE(glyph(0).overrun);

  click(6, 8);
  press(6, 8);
  moveTo(30, 8, Qt::LeftButton);  // past A's advance of 24, while the drag goes on
  EXPECT_TRUE(glyph(0).overrun);
  release(30, 8);
  trigger("NMUndo");
  EXPECT_FALSE(glyph(0).overrun);
  trigger("NMRedo");
  EXPECT_TRUE(glyph(0).overrun);

  trigger("NMCopy");
  child<QListWidget>("RzListBox1")->setCurrentRow(1);
  trigger("NMPaste");
  EXPECT_TRUE(glyph(1).overrun);

  prompts->characters.push_back("?");
  trigger("NNewShape");
  EXPECT_NE(glyph(2).shape, nullptr);
}

TEST_F(TextPreviewTest, MissingCharactersAreBoxedAndOverrunsMarked) {
  GShape* a = TFmMainProbe::currentShape(*window);
  a->addPoint(40, 8, 0);
  TFmMainProbe::document(*window).shapeEdited(a, ShapeChange::Points);
  ASSERT_TRUE(glyph(0).overrun);
  const double markDepth = 16 * strip->unit() + 5;  // under the font's below line
  EXPECT_EQ(pixelUnder(0, markDepth), QColor(230, 0, 0));
  EXPECT_EQ(pixelUnder(1, markDepth), QColor(Qt::white));  // B stays in its box

  // The missing "?" has a dotted box from the font's above to its below.
  const QImage image = strip->grab().toImage();
  const int left = static_cast<int>(strip->lineStartX() + glyph(2).penX * strip->unit()) + 1;
  int dotted = 0;
  for (int y = 0; y < image.height(); ++y) {
    bool dark = false;
    for (int x = left - 1; x <= left + 1; ++x) dark = dark || image.pixelColor(x, y).red() < 200;
    dotted += dark;
  }
  EXPECT_GT(dotted, static_cast<int>(48 * strip->unit() / 3));
  EXPECT_LT(dotted, static_cast<int>(48 * strip->unit()) + 4);
}

TEST_F(TextPreviewTest, TypingInTheFieldTypesTextAndClickingPicks) {
  field->setFocus();
  const bool track = TFmMainProbe::showPenUpTrack(*window);
  const bool points = TFmMainProbe::showPoints(*window);
  field->clear();
  QTest::keyClicks(field, QStringLiteral("tx "));
  QTest::keyClick(field, Qt::Key_F, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_F2);
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClick(field, Qt::Key_Home);
  QTest::keyClick(field, Qt::Key_Delete);
  EXPECT_EQ(field->text(), QStringLiteral("x"));
  EXPECT_EQ(TFmMainProbe::showPenUpTrack(*window), track);
  EXPECT_EQ(TFmMainProbe::showPoints(*window), points);
  EXPECT_TRUE(prompts->inputCaptions.isEmpty());  // no find dialog
  EXPECT_EQ(path(), "v2,2 r6,2 r6,8 ");

  field->setText(QStringLiteral("AB"));
  const int x = static_cast<int>(strip->lineStartX() + 30 * strip->unit());
  QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(x, strip->height() / 2));
  EXPECT_EQ(TFmMainProbe::currentChar(*window), "B");
}

// A line longer than the strip scrolls, and a click finds the character under it wherever
// the line is scrolled to; the next window starts with the same views, sample and zoom.
TEST_F(TextPreviewTest, ScrolledClicksAndTheUsersChoicesLastAcrossWindows) {
  field->setText(QString(40, QLatin1Char('A')) + QStringLiteral("B"));
  auto* scroll = child<QScrollBar>("previewScroll");
  ASSERT_GT(scroll->maximum(), 0);
  scroll->setValue(scroll->maximum());
  const double bX = strip->lineStartX() + (40 * 24 + 12) * strip->unit();
  ASSERT_LT(bX, strip->width());
  QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(static_cast<int>(bX), 20));
  EXPECT_EQ(TFmMainProbe::currentChar(*window), "B");
  child<QSlider>("previewZoom")->setValue(10);
  EXPECT_EQ(scroll->maximum(), 0);  // at a tenth of the size it all fits

  trigger("NMOverview");
  TFmMain next(std::make_unique<ScriptedPrompts>());
  EXPECT_TRUE(next.findChild<QAction*>(QStringLiteral("NMTextPreview"))->isChecked());
  EXPECT_TRUE(next.findChild<QAction*>(QStringLiteral("NMOverview"))->isChecked());
  EXPECT_EQ(next.findChild<QLineEdit*>(QStringLiteral("previewSample"))->text(), field->text());
  EXPECT_EQ(next.findChild<QSlider*>(QStringLiteral("previewZoom"))->value(), 10);
}

}  // namespace

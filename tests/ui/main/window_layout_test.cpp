#include <QAction>
#include <QDockWidget>
#include <QScreen>
#include <QSplitter>

#include "ui/window_fixture.h"

namespace {

class WindowLayoutTest : public WindowTest {
 protected:
  void reopen() {
    window->close();
    createWindow();
  }
  void createWindow() {
    window.reset();
    auto scripted = std::make_unique<ScriptedPrompts>();
    prompts = scripted.get();
    window = std::make_unique<TFmMain>(std::move(scripted));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  QList<int> sizesOf(const char* splitter) { return child<QSplitter>(splitter)->sizes(); }
};

// The window tests run on a 1366 × 768 screen (tests/ui/screen_1366x768.json). A configuration
// whose geometry cannot be read counts as none.
TEST_F(WindowLayoutTest, TheFirstSizeHoldsCanvasPreviewAndOverviewSideBySide) {
  window->close();
  QSettings().setValue(QStringLiteral("window/geometry"), QByteArray("not a geometry"));
  createWindow();
  child<QAction>("NMTextPreview")->setChecked(true);
  child<QAction>("NMOverview")->setChecked(true);
  QTest::qWait(20);
  EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
  EXPECT_GE(TFmMainProbe::cellSize(*window), 8u);
  const QWidget* canvas = child<QWidget>("Panel");
  const QWidget* preview = child<QWidget>("textPreview");
  const QWidget* overview = child<QDockWidget>("characterOverview");
  EXPECT_GE(preview->mapTo(window.get(), QPoint()).y(),
            canvas->mapTo(window.get(), QPoint(0, canvas->height())).y());
  EXPECT_GE(overview->x(), canvas->mapTo(window.get(), QPoint(canvas->width(), 0)).x());
}

TEST_F(WindowLayoutTest, ANewWindowComesBackAsTheLastWasClosed) {
  child<QAction>("NMOverview")->setChecked(true);
  window->resize(1100, 730);
  window->move(60, 30);
  window->addDockWidget(Qt::LeftDockWidgetArea, child<QDockWidget>("characterOverview"));
  child<QSplitter>("RzSplitter1")->setSizes({160, 500});
  child<QSplitter>("RzSplitter2")->setSizes({400, 150});
  QTest::qWait(20);
  const QRect geometry = window->geometry();
  const QList<int> outer = sizesOf("RzSplitter1"), inner = sizesOf("RzSplitter2");

  reopen();
  EXPECT_EQ(window->geometry(), geometry);
  auto* overview = child<QDockWidget>("characterOverview");
  EXPECT_TRUE(overview->isVisible());
  EXPECT_EQ(window->dockWidgetArea(overview), Qt::LeftDockWidgetArea);
  EXPECT_EQ(sizesOf("RzSplitter1"), outer);
  EXPECT_EQ(sizesOf("RzSplitter2"), inner);
}

}  // namespace

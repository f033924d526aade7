#include <QCheckBox>
#include <QListView>
#include <QSlider>

#include "ui/canvas/canvas_fixture.h"
#include "ui/overview/character_overview.h"
#include "ui/overview/character_table_model.h"

namespace {

// The fixture's A (current) and B, with C that has only a pen-up move and D with no points.
class CharacterOverviewTest : public CanvasTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    std::vector<std::unique_ptr<GShape>> shapes;
    shapes.push_back(makeShape('D', 24));
    shapes.push_back(makeShape('B', 24, {{1, 1, true}, {1, 9, false}}));
    shapes.push_back(makeShape('C', 24, {{3, 3, true}}));
    shapes.push_back(makeShape('A', 24, {{2, 2, true}, {6, 2, false}, {6, 8, false}}));
    openFont(std::move(shapes));
    panel = child<CanvasPanel>("Panel");
    trigger("NMOverview");
    view = child<QListView>("overviewList");
    model = &child<CharacterOverview>("characterOverview")->model();
  }
  QString rows() {
    QString out;
    for (int row = 0; row < model->rowCount(); ++row)
      out += model->index(row).data().toString();
    return out;
  }

  QListView* view = nullptr;
  CharacterTableModel* model = nullptr;
};

TEST_F(CharacterOverviewTest, FilterAndClickFollowTheFont) {
  ASSERT_TRUE(view->isVisible());
  EXPECT_EQ(rows(), QStringLiteral("ABCD"));  // code order, not file order
  child<QCheckBox>("overviewEmptyOnly")->setChecked(true);
  EXPECT_EQ(rows(), QStringLiteral("CD"));

  view->scrollTo(model->index(1));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                    view->visualRect(model->index(1)).center());
  EXPECT_EQ(TFmMainProbe::currentChar(*window), "D");
  EXPECT_EQ(view->currentIndex().row(), 1);

  // A first stroke drawn in D takes it out of the filtered overview; undo brings it back.
  click(4, 4);
  child<ChoiceGroup>("RzRadioGroup2")->setItemIndex(1);  // continuous add
  click(4, 4);
  QTest::keyClick(window.get(), Qt::Key_Space);
  click(8, 8);
  EXPECT_EQ(rows(), QStringLiteral("C"));
  while (child<QAction>("NMUndo")->isEnabled()) trigger("NMUndo");
  EXPECT_EQ(rows(), QStringLiteral("CD"));
}

// A cell draws its character in black; one that draws nothing shows only a faint outline.
TEST_F(CharacterOverviewTest, CellsDrawTheirCharactersAtTheChosenSize) {
  child<QSlider>("overviewCellSize")->setValue(100);
  EXPECT_EQ(view->gridSize(), QSize(100, 100));
  const QImage image = view->viewport()->grab().toImage();
  const auto inks = [&](int row) {
    const QRect cell = view->visualRect(model->index(row));
    int black = 0, grey = 0;
    for (int y = cell.top(); y <= cell.bottom() - 20; ++y) {
      for (int x = cell.left() + 2; x < cell.right() - 2; ++x) {
        const int lightness = image.pixelColor(x, y).lightness();
        black += lightness < 150;
        grey += lightness >= 190 && lightness <= 210;
      }
    }
    return std::pair{black, grey};
  };
  EXPECT_GT(inks(0).first, 10);    // A's strokes
  EXPECT_EQ(inks(2).first, 0);     // C: a pen-up move only
  EXPECT_GT(inks(2).second, 40);   // its outline
}

}  // namespace

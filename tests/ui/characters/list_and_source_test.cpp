#include <QAbstractButton>
#include <QListWidget>
#include <QPlainTextEdit>

#include "ui/shared/choice_group.h"
#include "ui/platform/gbk.h"
#include "ui/window_fixture.h"

namespace {

class CharacterListTest : public WindowTest {
 protected:
  QListWidget* list() { return child<QListWidget>("RzListBox1"); }
  QPlainTextEdit* memo() { return child<QPlainTextEdit>("RzMemo1"); }

  QStringList captions() {
    QStringList texts;
    for (int row = 0; row < list()->count(); ++row) texts << list()->item(row)->text();
    return texts;
  }
  void clickRow(int row) {
    QListWidgetItem* item = list()->item(row);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      list()->visualItemRect(item).center());
  }
  // Shapes in file order: 中, B, A, 啊, code 200, the Unicode number of 中.
  void openMixedFont() {
    std::vector<std::unique_ptr<GShape>> shapes;
    shapes.push_back(makeShape(0xD6D0, 48, {{4, 4, true}, {40, 4, false}}));
    shapes.push_back(makeShape('B', 24, {{2, 2, true}, {2, 20, false}}));
    shapes.push_back(makeShape('A', 24, {{1, 0, true}, {12, 30, false}, {23, 0, false}}));
    shapes.push_back(makeShape(0xB0A1, 48));
    shapes.push_back(makeShape(200, 24, {{5, 5, true}}));
    shapes.push_back(makeShape(0x4E2D, 48, {{6, 6, true}}));
    openFont(std::move(shapes));
  }
  QStringList sourceOf(const GShape* shape) {
    std::vector<std::string> lines;
    shape->writeTo(lines);
    QStringList texts;
    for (const std::string& line : lines) texts << fromGbk(line);
    return texts;
  }
};

TEST_F(CharacterListTest, ItemsAreInCodeOrderSingleBytesFirst) {
  openMixedFont();
  EXPECT_EQ(captions(), (QStringList{"A", "B", "0x00C8", "0x4E2D", "啊", "中"}));
  EXPECT_EQ(list()->currentRow(), -1);
  EXPECT_EQ(TFmMainProbe::currentShape(*window), nullptr);
}

TEST_F(CharacterListTest, ItemsHaveTheirFixedHeight) {
  openMixedFont();
  EXPECT_EQ(list()->visualItemRect(list()->item(0)).height(), 17);
}

TEST_F(CharacterListTest, PickingShowsTheShapeAndItsSource) {
  openMixedFont();
  clickRow(5);
  GShape* shape = TFmMainProbe::currentShape(*window);
  ASSERT_NE(shape, nullptr);
  EXPECT_EQ(shape->code(), 0xD6D0);
  EXPECT_EQ(TFmMainProbe::currentChar(*window), "\xD6\xD0");
  const QStringList source = memo()->toPlainText().split(QLatin1Char('\n'));
  EXPECT_EQ(source, sourceOf(shape));
  EXPECT_TRUE(source.value(0).startsWith(QLatin1Char('*')));
  EXPECT_TRUE(child<QAction>("NMCut")->isEnabled());

  clickRow(0);
  EXPECT_EQ(TFmMainProbe::currentShape(*window)->code(), 'A');
  EXPECT_EQ(memo()->toPlainText().split(QLatin1Char('\n')),
            sourceOf(TFmMainProbe::currentShape(*window)));
}

TEST_F(CharacterListTest, HexItemsFindTheirOwnShapesAndKeepTheListBytes) {
  openMixedFont();
  clickRow(2);
  ASSERT_NE(TFmMainProbe::currentShape(*window), nullptr);
  EXPECT_EQ(TFmMainProbe::currentShape(*window)->code(), 200);
  EXPECT_EQ(TFmMainProbe::currentChar(*window), std::string("\x00\xC8", 2));
  clickRow(3);
  ASSERT_NE(TFmMainProbe::currentShape(*window), nullptr);
  EXPECT_EQ(TFmMainProbe::currentShape(*window)->code(), 0x4E2D);
  EXPECT_EQ(TFmMainProbe::currentChar(*window), "N-");
}

TEST_F(CharacterListTest, EveryPickPutsThePenUpAgain) {
  openMixedFont();
  clickRow(0);
  auto* pen = child<ChoiceGroup>("RzRadioGroup1");
  QTest::mouseClick(pen->button(1), Qt::LeftButton);
  EXPECT_EQ(pen->itemIndex(), 1);
  EXPECT_FALSE(TFmMainProbe::cursorPoint(*window).isVirtual);
  clickRow(0);  // the same item again
  EXPECT_EQ(pen->itemIndex(), 0);
  EXPECT_TRUE(TFmMainProbe::cursorPoint(*window).isVirtual);
}

TEST_F(CharacterListTest, KeysPickToo) {
  openMixedFont();
  clickRow(0);
  list()->setFocus();
  QTest::keyClick(list(), Qt::Key_Down);
  EXPECT_EQ(TFmMainProbe::currentShape(*window)->code(), 'B');
  EXPECT_EQ(TFmMainProbe::currentChar(*window), "B");
}

TEST_F(CharacterListTest, DuplicateCodesShowTwiceAndBothPickTheFirst) {
  std::vector<std::unique_ptr<GShape>> shapes;
  shapes.push_back(makeShape('A', 24, {{1, 1, true}}));
  shapes.push_back(makeShape('A', 30, {{2, 2, true}}));
  GShape* first = shapes.front().get();
  openFont(std::move(shapes));
  EXPECT_EQ(captions(), (QStringList{"A", "A"}));
  clickRow(1);
  EXPECT_EQ(TFmMainProbe::currentShape(*window), first);
  clickRow(0);
  EXPECT_EQ(TFmMainProbe::currentShape(*window), first);
}

TEST_F(CharacterListTest, SelectingByTextDoesNotPick) {
  openMixedFont();
  EXPECT_TRUE(TFmMainProbe::selectListItemByText(*window, "\xB0\xA1"));
  EXPECT_EQ(list()->currentItem()->text(), QStringLiteral("啊"));
  EXPECT_EQ(TFmMainProbe::currentShape(*window), nullptr);
  EXPECT_TRUE(TFmMainProbe::selectListItemByText(*window, std::string("\x00\xC8", 2)));
  EXPECT_EQ(list()->currentItem()->text(), QStringLiteral("0x00C8"));
  EXPECT_FALSE(TFmMainProbe::selectListItemByText(*window, "Z"));
  EXPECT_EQ(list()->currentItem()->text(), QStringLiteral("0x00C8"));
}

TEST_F(CharacterListTest, PickingWithNoFileOpenChangesNothing) {
  window->RzListBox1Click();
  EXPECT_EQ(TFmMainProbe::currentChar(*window), "");
  EXPECT_EQ(TFmMainProbe::currentShape(*window), nullptr);
  EXPECT_FALSE(child<QAction>("NMCut")->isEnabled());
}

TEST_F(CharacterListTest, SourceViewIsReadOnlyYellowAndDropsSelections) {
  openMixedFont();
  clickRow(0);
  EXPECT_TRUE(memo()->isReadOnly());
  EXPECT_EQ(memo()->palette().color(QPalette::Base), QColor(255, 255, 225));
  EXPECT_EQ(memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QWidget* viewport = memo()->viewport();
  const QRect line = memo()->cursorRect(QTextCursor(memo()->document()));
  const QPoint from(line.left() + 1, line.center().y());
  QTest::mousePress(viewport, Qt::LeftButton, {}, from);
  QTest::mouseMove(viewport, from + QPoint(60, 0));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, from + QPoint(60, 0));
  EXPECT_FALSE(memo()->textCursor().hasSelection());
  memo()->selectAll();
  EXPECT_FALSE(memo()->textCursor().hasSelection());
}

TEST_F(CharacterListTest, ShowingAnotherFontClearsTheCurrentCharacter) {
  openMixedFont();
  clickRow(0);
  openFont({});
  EXPECT_EQ(list()->count(), 0);
  EXPECT_EQ(TFmMainProbe::currentShape(*window), nullptr);
  EXPECT_TRUE(memo()->toPlainText().isEmpty());
}

}  // namespace

#include <QUndoStack>

#include "ui/main/file_fixture.h"

namespace {

const std::string kHanziSet(1, '\x80');
const QString kConfirmDelete = QStringLiteral("删除的字形将不可恢复，请再次确认是否真的要删除！");

class ShapeCommandTest : public FileCommandTest {
 protected:
  void SetUp() override {
    FileCommandTest::SetUp();
    writeBytes(path("a.shp"), asciiFont());
    run("NMOpen", path("a.shp"));
  }
  void add(const std::string& characters) {
    prompts->characters.push_back(characters);
    trigger("NNewShape");
  }
  QStringList items() {
    QStringList texts;
    for (int row = 0; row < list()->count(); ++row) texts << list()->item(row)->text();
    return texts;
  }
  std::string current() {
    GShape* shape = TFmMainProbe::currentShape(*window);
    return shape ? shape->listText() : std::string();
  }
  // Selects the item with the list bytes `text`; an empty text selects nothing.
  void pick(const std::string& text) {
    if (text.empty()) list()->setCurrentRow(-1);
    TFmMainProbe::selectListItemByText(*window, text);
    window->RzListBox1Click();
  }
};

TEST_F(ShapeCommandTest, AddingSelectsTheFirstNewCharacterAndUndoTakesThemAway) {
  pick("A");
  add("CB");
  EXPECT_EQ(items(), (QStringList{"A", "B", "C", "中"}));
  EXPECT_EQ(current(), "C");
  EXPECT_EQ(file()->findShape('C')->width(), 24);
  EXPECT_TRUE(caption().endsWith(" *"));

  trigger("NMUndo");
  EXPECT_EQ(items(), (QStringList{"A", "中"}));
  EXPECT_EQ(current(), "A");  // the selection from before
  EXPECT_FALSE(caption().endsWith(" *"));
  trigger("NMRedo");
  EXPECT_EQ(items(), (QStringList{"A", "B", "C", "中"}));
  EXPECT_EQ(current(), "C");

  add("AB");  // only characters the file holds: nothing is added
  EXPECT_EQ(file()->shapeCount(), 4);
  EXPECT_EQ(child<QAction>("NMUndo")->text(), QStringLiteral("撤销 添加字符"));
}

TEST_F(ShapeCommandTest, TheHanziSetSurvivesSaveAndOpenInFileOrder) {
  add("0" + kHanziSet);
  EXPECT_EQ(file()->shapeCount(), 6768 + 2);  // 中 was there already
  EXPECT_EQ(current(), "\xB0\xA1");
  trigger("NMSave");
  trigger("NMClose");
  run("NMOpen", path("a.shp"));
  ASSERT_EQ(file()->shapeCount(), 6770);
  EXPECT_EQ(file()->shapeAtIndex(0)->code(), 'A');
  EXPECT_EQ(file()->shapeAtIndex(1)->code(), 0xD6D0);
  EXPECT_EQ(file()->shapeAtIndex(2)->code(), '0');
  EXPECT_EQ(file()->shapeAtIndex(3)->code(), 0xB0A1);
  EXPECT_EQ(list()->count(), 6770);
}

TEST_F(ShapeCommandTest, DeletingSelectsTheFollowingItemAndUndoPutsItBack) {
  add("B");
  pick("B");
  trigger("NDeleteShape");  // the confirmation is cancelled
  EXPECT_EQ(prompts->questions.last(), kConfirmDelete);
  EXPECT_EQ(prompts->questionKinds.back(), Prompts::Question::OkCancelWarningCancel);
  EXPECT_EQ(file()->shapeCount(), 3);

  const int zhongPoints = file()->findShape(0xD6D0)->pointCount();
  prompts->answers.push_back(Prompts::Answer::Ok);
  trigger("NDeleteShape");
  EXPECT_EQ(items(), (QStringList{"A", "中"}));
  EXPECT_EQ(current(), kZhong);
  prompts->answers.push_back(Prompts::Answer::Ok);
  trigger("NDeleteShape");  // the last item: nothing is selected after it
  EXPECT_EQ(list()->currentRow(), -1);
  EXPECT_EQ(TFmMainProbe::currentShape(*window), nullptr);

  trigger("NMUndo");
  EXPECT_EQ(current(), kZhong);
  EXPECT_EQ(file()->shapeAtIndex(1)->code(), 0xD6D0);  // at its place, with its points
  EXPECT_EQ(file()->shapeAtIndex(1)->pointCount(), zhongPoints);
  trigger("NMUndo");
  EXPECT_EQ(current(), "B");
  EXPECT_EQ(file()->shapeAtIndex(2)->code(), 'B');
}

TEST_F(ShapeCommandTest, FindingSelectsTheTypedCharacterOnly) {
  pick("A");
  prompts->inputs.push_back(QString::fromUtf8("中"));
  trigger("NFindShape");
  EXPECT_EQ(prompts->inputCaptions.last(), QStringLiteral("查找字符"));
  EXPECT_EQ(prompts->inputPrompts.last(), QStringLiteral("请输入您要查找的字符：     "));
  EXPECT_EQ(current(), kZhong);
  prompts->inputs.push_back(QStringLiteral("Z"));
  trigger("NFindShape");  // not in the file
  EXPECT_EQ(current(), kZhong);
  prompts->inputs.push_back(QStringLiteral("😀"));
  trigger("NFindShape");
  EXPECT_EQ(prompts->questionKinds.back(), Prompts::Question::OkError);
  EXPECT_EQ(current(), kZhong);
}

TEST_F(ShapeCommandTest, CtrlFFindsOnceWithOrWithoutACurrentCharacter) {
  int asked = 0;
  for (const std::string& shown : {std::string("A"), std::string()}) {
    pick(shown);
    ASSERT_EQ(current(), shown);
    list()->setFocus();
    prompts->inputs.push_back(QStringLiteral("A"));
    QTest::keyClick(list(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(prompts->inputCaptions.size(), ++asked) << shown;
    EXPECT_EQ(current(), "A");
  }
}

TEST_F(ShapeCommandTest, PasteTakesTheOutlineAndWidthAndKeepsTheCode) {
  add("B");
  pick(kZhong);
  const GShape* zhong = file()->findShape(0xD6D0);
  const int zhongPoints = zhong->pointCount();
  const int zhongWidth = zhong->width();
  const int aPoints = file()->findShape('A')->pointCount();
  ASSERT_NE(zhongWidth, file()->findShape('A')->width());
  EXPECT_FALSE(child<QAction>("NMPaste")->isEnabled());
  trigger("NMCopy");
  EXPECT_TRUE(child<QAction>("NMPaste")->isEnabled());
  prompts->answers.push_back(Prompts::Answer::No);
  trigger("NMClose");
  EXPECT_TRUE(child<QAction>("NMPaste")->isEnabled());  // the clipboard outlives the file
  EXPECT_FALSE(child<QAction>("BtnPasteAction")->isEnabled());
  run("NMOpen", path("a.shp"));
  pick("A");
  trigger("BtnPasteAction");
  GShape* a = file()->findShape('A');
  EXPECT_EQ(a->code(), 'A');
  EXPECT_EQ(a->pointCount(), zhongPoints);
  EXPECT_EQ(a->width(), zhongWidth);
  EXPECT_EQ(items(), (QStringList{"A", "中"}));
  EXPECT_TRUE(caption().endsWith(" *"));
  trigger("NMUndo");
  EXPECT_EQ(file()->findShape('A')->width(), 24);
  EXPECT_EQ(file()->findShape('A')->pointCount(), aPoints);
}

TEST_F(ShapeCommandTest, CutEmptiesTheCharacterAndPasteBringsItBack) {
  pick("A");
  const int aPoints = file()->findShape('A')->pointCount();
  ASSERT_GT(aPoints, 0);
  trigger("NMCut");
  EXPECT_EQ(file()->findShape('A')->pointCount(), 0);
  EXPECT_EQ(file()->findShape('A')->width(), 24);
  EXPECT_EQ(items(), (QStringList{"A", "中"}));
  trigger("NPaste");
  EXPECT_EQ(file()->findShape('A')->pointCount(), aPoints);
  pick("");
  ASSERT_EQ(current(), "");
  trigger("NMPaste");  // no current character: nothing happens
  EXPECT_EQ(child<QAction>("NMUndo")->text(), QStringLiteral("撤销 粘贴"));
}

}  // namespace

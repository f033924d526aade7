#include "ui/characters/newshape.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/shared/choice_group.h"
#include "ui/scripted_prompts.h"

namespace {

class NewShapeTest : public testing::Test {
 protected:
  QLineEdit* edit() { return dialog.findChild<QLineEdit*>(QStringLiteral("Edit1")); }
  ChoiceGroup* boxes() { return dialog.findChild<ChoiceGroup*>(QStringLiteral("RzCheckGroup1")); }
  bool okEnabled() { return dialog.findChild<QPushButton*>(QStringLiteral("BtnOk"))->isEnabled(); }

  ScriptedPrompts prompts;
  TFmNewShape dialog{prompts};
};

TEST_F(NewShapeTest, OkNeedsATypedCharacterOrATickedSet) {
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("添加字符"));
  EXPECT_EQ(dialog.size(), QSize(423, 202));
  EXPECT_FALSE(okEnabled());
  QTest::keyClicks(edit(), QStringLiteral("A"));
  EXPECT_TRUE(okEnabled());
  edit()->clear();
  EXPECT_FALSE(okEnabled());
  boxes()->setChecked(4, true);
  EXPECT_TRUE(okEnabled());
}

TEST_F(NewShapeTest, TickedSetsInTheirOrderAndTypedTextWinning) {
  boxes()->setChecked(0, true);
  boxes()->setChecked(3, true);
  boxes()->setChecked(4, true);
  const std::string text = dialog.chosenCharacters().value();
  EXPECT_EQ(text.substr(0, 10), "0123456789");
  EXPECT_EQ(text.substr(10), " !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~\x80");  // 33 marks, the set

  QTest::keyClicks(edit(), QStringLiteral("AB"));
  EXPECT_EQ(dialog.chosenCharacters().value(), "AB");
}

TEST_F(NewShapeTest, TheEditHoldsTwoGbkBytes) {
  for (const QString& typed : {QStringLiteral("中"), QStringLiteral("文")}) edit()->insert(typed);
  EXPECT_EQ(edit()->text(), QStringLiteral("中"));
  edit()->clear();
  QTest::keyClicks(edit(), QStringLiteral("ABC"));
  EXPECT_EQ(edit()->text(), QStringLiteral("AB"));
}

TEST_F(NewShapeTest, CharactersOutsideGbkAndTheEuroSignAreRefused) {
  edit()->setText(QStringLiteral("😀"));
  EXPECT_FALSE(dialog.chosenCharacters());
  edit()->setText(QStringLiteral("€"));
  EXPECT_FALSE(dialog.chosenCharacters());
  ASSERT_EQ(prompts.questions.size(), 2);
  EXPECT_TRUE(prompts.questions[0].contains(QStringLiteral("😀")));
  EXPECT_EQ(prompts.questionKinds[1], Prompts::Question::OkError);

  dialog.show();
  dialog.accept();  // refused: the dialog stays open
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QVBoxLayout>

#include "canvas_fixture.h"

namespace {

class EditorKeysTest : public CanvasTest {
 protected:
  ChoiceGroup* group(const char* name) { return child<ChoiceGroup>(name); }
};

TEST_F(EditorKeysTest, KeysActOnceWhicheverControlHasTheFocus) {
  QAbstractButton* continuousAdd = group("RzRadioGroup2")->button(1);
  continuousAdd->setFocus();
  QTest::keyClick(continuousAdd, Qt::Key_Space);
  EXPECT_EQ(group("RzRadioGroup1")->itemIndex(), 1);  // the pen is down ...
  EXPECT_FALSE(TFmMainProbe::cursorPoint(*window).isVirtual);
  EXPECT_EQ(group("RzRadioGroup2")->itemIndex(), 0);  // ... and the focused button did nothing
  QTest::keyClick(continuousAdd, Qt::Key_Space);
  EXPECT_EQ(group("RzRadioGroup1")->itemIndex(), 0);  // wraps

  QWidget* list = child<QListWidget>("RzListBox1");
  list->setFocus();
  QTest::keyClick(list, Qt::Key_X);
  EXPECT_FALSE(TFmMainProbe::showPoints(*window));
  QTest::keyClick(list, Qt::Key_X, Qt::ControlModifier);  // Ctrl+X cuts and is not 显示点
  EXPECT_FALSE(TFmMainProbe::showPoints(*window));
  EXPECT_EQ(path(), "");
  const bool track = TFmMainProbe::showPenUpTrack(*window);
  QTest::keyClick(list, Qt::Key_T);
  EXPECT_NE(TFmMainProbe::showPenUpTrack(*window), track);

  group("RzRadioGroup2")->setItemIndex(3);
  QTest::keyClick(list, Qt::Key_F2);
  EXPECT_EQ(TFmMainProbe::editMode(*window), EditMode::Normal);
  group("RzRadioGroup3")->setItemIndex(2);
  QTest::keyClick(list, Qt::Key_F4);
  EXPECT_EQ(group("RzRadioGroup3")->itemIndex(), 0);
}

TEST_F(EditorKeysTest, EscDeleteAndInsertEditThePoints) {
  trigger("NMSeleceAll");
  EXPECT_FALSE(marked());
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_EQ(path(), "v2,2 r6,2 r6,8 ");
  EXPECT_FALSE(marked());

  const QString before = memo();
  QTest::keyClick(window.get(), Qt::Key_Delete);  // nothing selected: nothing changes
  EXPECT_FALSE(marked());
  EXPECT_EQ(memo(), before);

  click(6, 8);
  QTest::keyClick(window.get(), Qt::Key_Delete);
  EXPECT_EQ(path(), "v2,2 r6,2 ");
  EXPECT_TRUE(marked());
  EXPECT_EQ(memo(), sourceNow());

  moveTo(9, 9);  // Insert adds the last grid position shown, with the pen state
  QTest::keyClick(window.get(), Qt::Key_Space);
  QTest::keyClick(window.get(), Qt::Key_Insert);
  EXPECT_EQ(path(), "v2,2 r6,2 r9,9 ");
  EXPECT_EQ(memo(), sourceNow());
}

TEST_F(EditorKeysTest, WithoutACharacterAndInOtherWindowsTheKeysAreNotTaken) {
  QDialog dialog(window.get());
  auto* field = new QLineEdit(&dialog);
  (new QVBoxLayout(&dialog))->addWidget(field);
  dialog.show();
  field->setFocus();
  QTest::keyClicks(field, QStringLiteral("TX F"));
  QTest::keyClick(field, Qt::Key_Escape);
  EXPECT_EQ(field->text(), QStringLiteral("TX F"));
  EXPECT_TRUE(TFmMainProbe::showPoints(*window));
  EXPECT_EQ(group("RzRadioGroup1")->itemIndex(), 0);
  dialog.hide();

  child<QListWidget>("RzListBox1")->setCurrentRow(-1);
  QTest::keyClick(window.get(), Qt::Key_Space);
  QTest::keyClick(window.get(), Qt::Key_X);
  EXPECT_EQ(group("RzRadioGroup1")->itemIndex(), 0);
  EXPECT_TRUE(TFmMainProbe::showPoints(*window));
}

TEST_F(EditorKeysTest, DeleteCommandsMarkTheFileEvenWithNothingToDelete) {
  trigger("NMDeleteSel");
  EXPECT_EQ(path(), "v2,2 r6,2 r6,8 ");
  EXPECT_TRUE(marked());
  trigger("NMDeleteAll");
  EXPECT_EQ(path(), "");
  TFmMainProbe::setModified(*window, false);
  trigger("NDelAll");  // on an empty character
  EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(" *")));
}

TEST_F(EditorKeysTest, SelectionCommandsFollowTheHotPoint) {
  click(6, 8);
  trigger("NMDeselectAll");
  trigger("NSelecteLine");
  EXPECT_EQ(path(), "v2,2* r6,2* r6,8* ");
  trigger("NSelecteInvert");
  EXPECT_EQ(path(), "v2,2 r6,2 r6,8 ");
  EXPECT_FALSE(marked());
}

}  // namespace

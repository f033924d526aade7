#include <QToolButton>
#include <functional>

#include "platform/temp_dir.h"
#include "ui/canvas/canvas_fixture.h"

namespace {

class UndoTest : public CanvasTest {
 protected:
  // What a step must give back: the path (its selection aside), the list and the caption;
  // the source view shows the restored character.
  struct Seen {
    std::string path;
    int row;
    QString caption;
    bool operator==(const Seen&) const = default;
    friend void PrintTo(const Seen& s, std::ostream* out) {
      *out << s.path << "| row " << s.row << " | " << s.caption.toStdString();
    }
  };
  Seen seen() {
    std::string points = path();
    std::erase(points, '*');
    return {points, child<QListWidget>("RzListBox1")->currentRow(), window->windowTitle()};
  }
  QAction* undo() { return child<QAction>("NMUndo"); }
  QAction* redo() { return child<QAction>("NMRedo"); }
  void dragFrom(int32_t x, int32_t y, int32_t dx, int32_t dy,
                Qt::KeyboardModifiers keys = Qt::NoModifier) {
    press(x, y, Qt::LeftButton, keys);
    moveTo(x + dx / 2, y + dy / 2, Qt::LeftButton, keys);
    moveTo(x + dx, y + dy, Qt::LeftButton, keys);
    release(x + dx, y + dy, Qt::LeftButton, keys);
  }
  void mode(int index) { child<ChoiceGroup>("RzRadioGroup2")->setItemIndex(index); }
};

TEST_F(UndoTest, EveryKindOfStepUndoesAndRedoes) {
  const struct {
    const char* name;
    std::function<void()> edit;
  } steps[] = {
      {"添加点",
       [&] {
         mode(1);
         click(9, 9);
       }},
      {"添加点",
       [&] {
         moveTo(9, 4);
         QTest::keyClick(window.get(), Qt::Key_Insert);
       }},
      {"插入点",
       [&] {
         click(6, 2, Qt::RightButton);
         trigger("NInsertRealBefore");
         click(4, 6);
       }},
      {"删除点",
       [&] {
         mode(2);
         click(6, 2);
       }},
      {"移动点",
       [&] {
         click(6, 8);
         dragFrom(6, 8, 4, 2);
       }},
      {"移动字形", [&] { dragFrom(20, 20, -2, 3, Qt::ControlModifier); }},
      {"删除单个点",
       [&] {
         click(2, 2, Qt::RightButton);
         trigger("NDelPoint");
       }},
      {"删除已选择的点",
       [&] {
         click(6, 2);
         trigger("NMDeleteSel");
       }},
      {"删除已选择的点",
       [&] {
         click(6, 2);
         QTest::keyClick(window.get(), Qt::Key_Delete);
       }},
      {"删除所有点", [&] { trigger("NDelAll"); }},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    mode(0);
    trigger("NMDeselectAll");
    const Seen before = seen();
    step.edit();
    const Seen after = seen();
    ASSERT_NE(after.path, before.path);
    EXPECT_TRUE(after.caption.endsWith(QStringLiteral(" *")));
    EXPECT_EQ(undo()->text(), QStringLiteral("撤销 ") + QString::fromUtf8(step.name));
    EXPECT_EQ(child<QToolButton>("BtnUndo")->toolTip(), undo()->text());

    undo()->trigger();
    EXPECT_EQ(seen(), before);
    EXPECT_EQ(memo(), sourceNow());
    EXPECT_FALSE(undo()->isEnabled());
    EXPECT_EQ(redo()->statusTip(), QStringLiteral("重做 ") + QString::fromUtf8(step.name));
    redo()->trigger();
    EXPECT_EQ(seen(), after);
    EXPECT_EQ(memo(), sourceNow());
    EXPECT_FALSE(redo()->isEnabled());
    undo()->trigger();
    EXPECT_EQ(seen(), before);
    EXPECT_EQ(TFmMainProbe::hotPoint(*window), nullptr);
    EXPECT_EQ(TFmMainProbe::pendingInsert(*window), PendingInsert::None);
    trigger("NMSave");  // starts the next step from a saved, empty history
  }
}

TEST_F(UndoTest, ADragIsOneStepAndSelectionIsNone) {
  click(6, 2);
  trigger("NMSeleceAll");
  const Seen before = seen();
  EXPECT_FALSE(undo()->isEnabled());  // selecting is not a step
  dragFrom(6, 2, 6, 4);
  dragFrom(12, 6, 1, 0);
  undo()->trigger();
  EXPECT_EQ(path(), "v8,6* r12,6* r12,12* ");
  undo()->trigger();
  EXPECT_EQ(seen(), before);
  EXPECT_FALSE(undo()->isEnabled());
}

TEST_F(UndoTest, UndoShowsTheCharacterItChanged) {
  mode(1);
  click(10, 10);
  child<QListWidget>("RzListBox1")->setCurrentRow(1);  // B
  undo()->trigger();
  EXPECT_EQ(TFmMainProbe::currentShape(*window)->code(), 'A');
  EXPECT_EQ(child<QListWidget>("RzListBox1")->currentRow(), 0);
  EXPECT_EQ(TFmMainProbe::currentChar(*window), "A");
  EXPECT_EQ(memo(), sourceNow());
}

TEST_F(UndoTest, TheMarkFollowsTheSavedStateUnlessAChangeWasNoStep) {
  TempDir tmp;
  const std::string file = tmp.path("u.shp");
  prompts->files.push_back(QString::fromStdString(file));
  trigger("NMSaveAs");
  const std::string saved = readBytes(file);
  const auto withoutDate = [](std::string text) { return text.substr(text.find("\r\n")); };

  mode(1);
  click(10, 10);
  mode(0);
  dragFrom(20, 20, 1, 1, Qt::ControlModifier);
  trigger("NMSeleceAll");
  QTest::keyClick(window.get(), Qt::Key_Delete);
  EXPECT_TRUE(marked());
  while (undo()->isEnabled()) undo()->trigger();
  EXPECT_FALSE(marked());
  trigger("NMSave");
  EXPECT_EQ(withoutDate(readBytes(file)), withoutDate(saved));

  redo()->trigger();
  EXPECT_TRUE(marked());
  undo()->trigger();
  trigger("NMDeleteSel");  // nothing selected: the file is marked, without a step
  EXPECT_TRUE(marked());
  EXPECT_FALSE(undo()->isEnabled());
  redo()->trigger();
  undo()->trigger();
  EXPECT_TRUE(marked());  // the mark stays until the next save
  trigger("NMSave");
  EXPECT_FALSE(marked());
}

TEST_F(UndoTest, CloseEndsTheHistory) {
  trigger("NDelAll");
  EXPECT_TRUE(undo()->isEnabled());
  prompts->answers.push_back(Prompts::Answer::No);
  trigger("NMClose");
  EXPECT_FALSE(undo()->isEnabled());
  EXPECT_FALSE(redo()->isEnabled());
}

}  // namespace

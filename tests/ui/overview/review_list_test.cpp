#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListView>

#include "editing/unihan_strokes.h"
#include "platform/temp_dir.h"
#include "ui/canvas/canvas_fixture.h"
#include "ui/overview/character_overview.h"
#include "ui/overview/character_table_model.h"

namespace {

// A BIGFONT with an empty character, a stroke of length 0 and a stroke past the advance (the
// full-width Ａ, Ｂ and Ｃ, not hanzi), 中 with 2 of its 4 strokes, and 一 as it should be.
class ReviewListTest : public CanvasTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    auto file = std::make_unique<GShpFile>(48, 0);
    file->setKind(GShpFile::kindBigfont);
    file->addShape(makeShape(0xA3C1, 48));
    file->addShape(makeShape(0xA3C2, 48, {{10, 10, true}, {10, 10, false}}));
    file->addShape(makeShape(0xA3C3, 48, {{10, 10, true}, {52, 10, false}}));
    file->addShape(
        makeShape(0xD6D0, 48, {{4, 20, true}, {44, 20, false}, {24, 2, true}, {24, 44, false}}));
    file->addShape(makeShape(0xD2BB, 48, {{4, 20, true}, {44, 20, false}}));
    window->showShapeFile(std::move(file), path);
    trigger("NMOverview");
    model = &child<CharacterOverview>("characterOverview")->model();
    child<QCheckBox>("overviewToReview")->setChecked(true);
  }
  std::vector<uint16_t> rows() {
    std::vector<uint16_t> codes;
    for (int row = 0; row < model->rowCount(); ++row) codes.push_back(model->shapeAt(row)->code());
    return codes;
  }
  QString tip(int row) { return model->index(row).data(Qt::ToolTipRole).toString(); }

  TempDir tmp;
  std::string path = tmp.path("FONT.shp");
  CharacterTableModel* model = nullptr;
};

TEST_F(ReviewListTest, FlaggedWorstFirstSeenUntilChangedAndKeptBesideTheFont) {
  if (!std::filesystem::exists(kUnihanIrgSources)) GTEST_SKIP() << "no unicode-data";
  EXPECT_EQ(rows(), (std::vector<uint16_t>{0xA3C1, 0xD6D0, 0xA3C3, 0xA3C2}));
  EXPECT_EQ(tip(1), QStringLiteral("笔画数 2 / Unihan 4"));  // the reasons are the flags' own test

  // 已检查 hides the one selected; an edit of it brings it back, its undo hides it again.
  TFmMainProbe::document(*window).pick(0xA3C3);
  trigger("NMReviewed");
  EXPECT_EQ(rows(), (std::vector<uint16_t>{0xA3C1, 0xD6D0, 0xA3C2}));
  prompts->inputs.push_back(QStringLiteral("35"));
  trigger("NMSetWidth");
  EXPECT_EQ(rows(), (std::vector<uint16_t>{0xA3C1, 0xD6D0, 0xA3C3, 0xA3C2}));
  trigger("NMUndo");
  EXPECT_EQ(rows(), (std::vector<uint16_t>{0xA3C1, 0xD6D0, 0xA3C2}));

  // Saved, closed and opened again, the mark stays; the font's own bytes hold none of it.
  // Saving drops the repeated point of Ｂ: read back, it draws nothing.
  trigger("NMSave");
  EXPECT_EQ(rows(), (std::vector<uint16_t>{0xA3C1, 0xA3C2, 0xD6D0}));
  ASSERT_TRUE(std::filesystem::exists(path + ".review"));
  EXPECT_EQ(readBytes(path).find("REVIEW"), std::string::npos);
  trigger("NMClose");
  prompts->files.push_back(QString::fromStdString(path));
  trigger("NMOpen");
  ASSERT_TRUE(child<QCheckBox>("overviewToReview")->isChecked());
  EXPECT_EQ(rows(), (std::vector<uint16_t>{0xA3C1, 0xA3C2, 0xD6D0}));

  // A mark made and the font closed without a change: the mark is kept all the same.
  TFmMainProbe::document(*window).pick(0xD6D0);
  trigger("NMReviewed");
  trigger("NMClose");
  prompts->files.push_back(QString::fromStdString(path));
  trigger("NMOpen");
  EXPECT_EQ(rows(), (std::vector<uint16_t>{0xA3C1, 0xA3C2}));

  // A review file spoiled by hand is ignored with a note: every mark off, the font as it was,
  // and the file left for its owner to mend until a mark is made.
  const std::string font = readBytes(path);
  writeBytes(path + ".review", "KELVANE REVIEW 1\nnonsense\n");
  trigger("NMClose");
  prompts->files.push_back(QString::fromStdString(path));
  trigger("NMOpen");
  EXPECT_TRUE(child<QLabel>("RzStatusPane2")->text().contains(QStringLiteral("已忽略")));
  EXPECT_EQ(rows(), (std::vector<uint16_t>{0xA3C1, 0xA3C2, 0xD6D0, 0xA3C3}))
      << prompts->questions.join("|").toStdString();
  EXPECT_EQ(readBytes(path), font);
  trigger("NMSave");
  EXPECT_EQ(readBytes(path + ".review"), "KELVANE REVIEW 1\nnonsense\n");
}

}  // namespace

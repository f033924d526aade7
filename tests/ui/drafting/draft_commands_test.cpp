#include "ui/drafting/draft_commands.h"

#include <QAction>
#include <QListWidget>
#include <QSignalSpy>
#include <QTimer>

#include "drafting/stroke_data.h"
#include "platform/temp_dir.h"
#include "ui/shared/settings_record.h"
#include "ui/window_fixture.h"

namespace {

constexpr uint16_t kOne = 0xD2BB;    // 一
constexpr uint16_t kTen = 0xCAAE;    // 十
constexpr uint16_t kMouth = 0xBFDA;  // 口
constexpr uint16_t kSun = 0xA891;    // ☉, which WenQuanYi Micro Hei lacks

// Counts the paints of a widget that happen while a batch runs.
class PaintCounter : public QObject {
 public:
  PaintCounter(QWidget& widget, const DraftCommands& drafts) : drafts_(drafts) {
    widget.installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && drafts_.drafting()) ++count;
    return false;
  }
  int count = 0;

 private:
  const DraftCommands& drafts_;
};

// A BIGFONT on a grid of 48 with four empty hanzi and an "A" that has points, the reference
// face WenQuanYi Micro Hei.
class DraftCommandsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    auto file = std::make_unique<GShpFile>(48, 0);
    file->setKind(GShpFile::kindBigfont);
    for (const uint16_t code : {kOne, kTen, kMouth, kSun}) file->addShape(makeShape(code, 48));
    file->addShape(makeShape('A', 24, {{2, 2, true}, {6, 2, false}}));
    window->showShapeFile(std::move(file), "/tmp/draft.shp");
    auto* faces = child<QListWidget>("RzFontListBox1");
    const auto wqy = faces->findItems(QStringLiteral("WenQuanYi Micro Hei"), Qt::MatchExactly);
    ASSERT_FALSE(wqy.isEmpty());
    faces->setCurrentItem(wqy.constFirst());
  }
  GShape& shape(uint16_t code) { return *TFmMainProbe::shapeFile(*window)->findShape(code); }
  int strokes(uint16_t code) {
    int count = 0;
    for (const GPoint& p : shape(code).points()) count += p.isVirtual;
    return count;
  }
  void pick(uint16_t code) { TFmMainProbe::document(*window).pick(code); }
  // Runs the batch to its end.
  void draftBatch(const char* command = "NMDraftBatch") {
    DraftCommands& drafts = TFmMainProbe::draftCommands(*window);
    QSignalSpy finished(&drafts, &DraftCommands::batchFinished);
    trigger(command);
    if (drafts.drafting()) {
      EXPECT_TRUE(finished.wait(60000));
    }
  }
  void trigger(const char* name) { child<QAction>(name)->trigger(); }
  std::string fontBytes() {
    return TFmMainProbe::shapeFile(*window)->encode(LocalDate{1, 1, 2026});
  }
};

TEST_F(DraftCommandsTest, DraftsTheCurrentCharacterAsOneStep) {
  pick(kTen);
  trigger("NMDraft");
  EXPECT_EQ(strokes(kTen), 2);  // the two strokes cross, they are not cut into four
  EXPECT_EQ(shape(kTen).width(), 48);
  EXPECT_EQ(child<QAction>("NMUndo")->text(), QStringLiteral("撤销 生成笔画"));
  trigger("NMUndo");
  EXPECT_EQ(shape(kTen).pointCount(), 0);

  pick(kSun);
  const std::string before = fontBytes();
  trigger("NMDraft");
  ASSERT_EQ(prompts->errors.size(), 1);
  EXPECT_TRUE(prompts->errors[0].contains(QStringLiteral("☉")));
  EXPECT_EQ(fontBytes(), before);
}

TEST_F(DraftCommandsTest, BatchIsOneStepThatCancelLeavesUndone) {
  const std::string before = fontBytes();
  QUndoStack& history = *TFmMainProbe::document(*window).undoStack();
  prompts->cancelAt = 1;
  draftBatch();
  EXPECT_EQ(fontBytes(), before);
  EXPECT_EQ(history.count(), 0);

  // The command returns while the job runs, and the window's timers and paints go on.
  DraftCommands& drafts = TFmMainProbe::draftCommands(*window);
  QSignalSpy finished(&drafts, &DraftCommands::batchFinished);
  prompts->cancelAt = -1;
  trigger("NMDraftBatch");
  ASSERT_TRUE(drafts.drafting());
  bool firedWhileDrafting = false;
  QTimer::singleShot(0, [&] { firedWhileDrafting = drafts.drafting(); });
  PaintCounter paints(TFmMainProbe::canvas(*window), drafts);
  TFmMainProbe::canvas(*window).update();
  ASSERT_TRUE(finished.wait(60000));
  EXPECT_TRUE(firedWhileDrafting);
  EXPECT_GE(paints.count, 1);
  EXPECT_EQ(history.count(), 1);
  EXPECT_EQ(strokes(kOne), 1);
  EXPECT_EQ(strokes(kTen), 2);
  EXPECT_GE(strokes(kMouth), 1);
  EXPECT_EQ(shape(kSun).pointCount(), 0);
  EXPECT_EQ(shape('A').pointCount(), 2);  // it has points: the batch leaves it by default
  ASSERT_EQ(prompts->reports.size(), 2);
  // The face lacking a character is named.
  EXPECT_TRUE(prompts->reports[0].contains(QStringLiteral("已生成 3 个字符")));
  EXPECT_TRUE(
      prompts->reports[0].contains(QStringLiteral("参考字体“WenQuanYi Micro Hei”中没有 1 个")))
      << prompts->reports[0].toStdString();
  EXPECT_EQ(prompts->reports[1], QStringLiteral("☉"));

  trigger("NMUndo");
  EXPECT_EQ(fontBytes(), before);
  trigger("NMRedo");
  EXPECT_EQ(strokes(kTen), 2);
  EXPECT_GE(strokes(kMouth), 1);
}

// The dialog proposes what was chosen last; outline mode and every character replace "A"
// by closed contours.
TEST_F(DraftCommandsTest, TheLastChoiceIsProposedAndEveryCharacterCanBeRedrafted) {
  using Choice = Prompts::DraftChoice;
  prompts->drafts.push_back(Choice{Choice::outline, Choice::everyCharacter});
  draftBatch();
  const GShape& a = shape('A');
  ASSERT_GT(a.pointCount(), 2);
  const GPoint* first = a.pointAtIndex(0);
  const GPoint* last = a.pointAtIndex(a.pointCount() - 1);
  EXPECT_EQ(first->isVirtual, 1);
  EXPECT_TRUE(GPoint::samePlace(*first, *last) || strokes('A') > 1);
  pick(kOne);
  trigger("NMDraft");
  ASSERT_EQ(prompts->draftProposals.size(), 2u);
  EXPECT_EQ(prompts->draftProposals[1].mode, Choice::outline);
  EXPECT_EQ(strokes(kOne), 1);  // 一's one contour
  EXPECT_GT(shape(kOne).pointCount(), 4);
}

TEST_F(DraftCommandsTest, AFaceWithoutAFileIsReportedAndNothingChanges) {
  TFmMainProbe::setRefFontName(*window, "No Such Face");
  pick(kTen);
  trigger("NMDraft");
  draftBatch();
  ASSERT_EQ(prompts->errors.size(), 2);
  EXPECT_TRUE(prompts->errors[0].contains(QStringLiteral("No Such Face")));
  EXPECT_EQ(shape(kTen).pointCount(), 0);
  EXPECT_EQ(TFmMainProbe::document(*window).undoStack()->count(), 0);
}

// After a draft from the face, the face's glyph lies under the strokes: the middle of its
// stroke, read from the canvas's pixels, within ¾ unit of each drafted line of 十 (the line
// stands on whole units, and the thinning takes one of the two middle pixels of a stroke of
// even width).
TEST_F(DraftCommandsTest, TheReferenceGlyphIsPlacedUnderTheDraft) {
  pick(kTen);
  trigger("NMDraft");
  ASSERT_EQ(strokes(kTen), 2);
  EXPECT_EQ(TFmMainProbe::refMode(*window), 1);
  int vertical = -1, horizontal = -1;  // the x of the upright stroke, the y of the level one
  const GShape& ten = shape(kTen);
  for (int i = 1; i < ten.pointCount(); ++i) {
    const GPoint& from = *ten.pointAtIndex(i - 1);
    const GPoint& to = *ten.pointAtIndex(i);
    if (to.isVirtual) continue;
    if (from.x == to.x) vertical = to.x;
    if (from.y == to.y) horizontal = to.y;
  }
  ASSERT_GE(vertical, 0);
  ASSERT_GE(horizontal, 0);
  trigger("NMUndo");  // the strokes go, the glyph stays where it was put
  // The middle of the dark pixels along a line across one stroke, in grid units; the line runs
  // between two grid lines, which are drawn over the glyph.
  const auto middle = [&](bool across, int at) {
    const QImage canvas = TFmMainProbe::canvas(*window).grab().toImage();
    const GridLayout grid = TFmMainProbe::canvas(*window).layout();
    const double cell = grid.cellSize;
    double sum = 0;
    int count = 0;
    const int between = static_cast<int>(cell) / 2;
    for (int i = 0; i < grid.columns; ++i) {
      for (int p = 0; p < static_cast<int>(cell); ++p) {
        const GridLayout::Pixel base = across ? grid.gridToPixel(i, at) : grid.gridToPixel(at, i);
        const QPoint pixel =
            across ? QPoint(base.x + p, base.y + between) : QPoint(base.x + between, base.y - p);
        if (!canvas.rect().contains(pixel) || qGray(canvas.pixel(pixel)) > 64) continue;
        sum += across ? (pixel.x() - grid.originX) / cell
                      : grid.rows - 1 - grid.below - (pixel.y() - grid.originY) / cell;
        ++count;
      }
    }
    return count > 0 ? sum / count : -1.0;
  };
  EXPECT_NEAR(middle(true, horizontal - 8), vertical, 0.75);
  EXPECT_NEAR(middle(false, vertical + 8), horizontal, 0.75);

  // The canvas takes another size: the glyph goes with the grid. The font is not changed by it.
  const bool modified = TFmMainProbe::modified(*window);
  window->resize(window->width() - 200, window->height() - 100);
  QApplication::processEvents();
  EXPECT_NEAR(middle(true, horizontal - 8), vertical, 0.75);
  EXPECT_NEAR(middle(false, vertical + 8), horizontal, 0.75);
  EXPECT_EQ(TFmMainProbe::modified(*window), modified);

  // Another character becomes current: its glyph goes where drafting maps it (A's pen origin
  // on the grid's), again without a change to the font.
  pick('A');
  SettingsRecord stored;
  TFmMainProbe::reference(*window).storeInto(stored);
  EXPECT_EQ(stored.refLeft, TFmMainProbe::canvas(*window).layout().originX);
  EXPECT_EQ(TFmMainProbe::modified(*window), modified);
}

// Without the stroke-order data the dialog says how to install it, and choosing it anyway
// changes nothing.
TEST_F(DraftCommandsTest, StrokeDataThatIsMissingIsNamedAndChangesNothing) {
  TempDir empty;
  qputenv("KELVANE_STROKE_DATA", QByteArray::fromStdString(empty.dir()));
  using Choice = Prompts::DraftChoice;
  prompts->drafts.push_back(Choice{Choice::strokeData, Choice::withoutPoints});
  pick(kTen);
  trigger("NMDraft");
  qunsetenv("KELVANE_STROKE_DATA");
  ASSERT_EQ(prompts->strokeDataNotes.size(), 1);
  EXPECT_TRUE(prompts->strokeDataNotes[0].contains(QStringLiteral("install")));
  ASSERT_EQ(prompts->errors.size(), 1);
  EXPECT_EQ(shape(kTen).pointCount(), 0);
}

// With the data, 国 is drafted in its eight strokes (their order is the drafting's own test).
TEST_F(DraftCommandsTest, StrokeDataDraftsTheCurrentCharacter) {
  ASSERT_TRUE(strokeDataStatus().installed) << strokeDataStatus().message;
  using Choice = Prompts::DraftChoice;
  prompts->drafts.push_back(Choice{Choice::strokeData, Choice::withoutPoints});
  constexpr uint16_t kCountry = 0xB9FA;  // 国
  TFmMainProbe::shapeFile(*window)->addShape(makeShape(kCountry, 48));
  pick(kCountry);
  trigger("NMDraft");
  EXPECT_EQ(prompts->errors, QStringList());
  EXPECT_EQ(strokes(kCountry), 8);
}

// 重新生成笔画 drafts the selected characters, whatever scope the batch dialog last had.
TEST_F(DraftCommandsTest, TheSelectionIsRedraftedAsOneStep) {
  using Choice = Prompts::DraftChoice;
  prompts->drafts.push_back(Choice{Choice::centreLine, Choice::everyCharacter});
  TFmMainProbe::document(*window).setSelection({kOne, kMouth});
  draftBatch("NMRedraft");
  EXPECT_EQ(strokes(kOne), 1);
  EXPECT_GE(strokes(kMouth), 1);
  EXPECT_EQ(shape(kTen).pointCount(), 0);
  EXPECT_EQ(shape('A').pointCount(), 2);
  EXPECT_EQ(TFmMainProbe::document(*window).undoStack()->count(), 1);
}

}  // namespace

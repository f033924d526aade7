#include <QAction>
#include <QLabel>
#include <QListView>

#include "editing/batch_transform.h"
#include "formats/font_formats.h"
#include "platform/local_date.h"
#include "platform/temp_dir.h"
#include "ui/canvas/canvas_fixture.h"
#include "ui/overview/character_overview.h"
#include "ui/overview/character_table_model.h"

namespace {

const LocalDate kDate{1, 2, 2026};

// Characters A to F, each a short stroke; F stands near the right edge of its advance.
class BatchCommandsTest : public CanvasTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    std::vector<std::unique_ptr<GShape>> shapes;
    for (char c = 'A'; c <= 'E'; ++c)
      shapes.push_back(makeShape(c, 24, {{4, 0, true}, {8, 10, false}}));
    shapes.push_back(makeShape('F', 24, {{20, 20, true}, {22, 28, false}}));
    openFont(std::move(shapes));
    trigger("NMOverview");
    view = child<QListView>("overviewList");
    model = &child<CharacterOverview>("characterOverview")->model();
  }
  void clickCell(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    view->scrollTo(model->index(row));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                      view->visualRect(model->index(row)).center());
  }
  std::vector<uint16_t> selection() { return TFmMainProbe::document(*window).selection(); }
  std::string bytes() { return TFmMainProbe::shapeFile(*window)->encode(kDate); }
  std::string linesOf(uint16_t code) {
    std::string text;
    TFmMainProbe::shapeFile(*window)->findShape(code)->appendText(text);
    return text;
  }

  QListView* view = nullptr;
  CharacterTableModel* model = nullptr;
};

TEST_F(BatchCommandsTest, TheOverviewSelectsManyAsTheDocumentsSelection) {
  clickCell(1);
  EXPECT_EQ(selection(), std::vector<uint16_t>{'B'});
  clickCell(3, Qt::ControlModifier);
  EXPECT_EQ(selection(), (std::vector<uint16_t>{'B', 'D'}));
  EXPECT_EQ(TFmMainProbe::currentChar(*window), "D");
  // Shift+click selects the run from the cell clicked last.
  clickCell(5, Qt::ShiftModifier);
  EXPECT_EQ(selection(), (std::vector<uint16_t>{'B', 'D', 'E', 'F'}));
  EXPECT_EQ(child<QLabel>("selectionPane")->text(), QStringLiteral("已选 4 个字符"));
  // A rubber band dragged from B's cell to D's selects the cells it touches, and nothing else.
  const QPoint from = view->visualRect(model->index(1)).center();
  const QPoint to = view->visualRect(model->index(3)).center();
  ASSERT_EQ(from.y(), to.y());
  QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(view->viewport(), (from + to) / 2);
  QTest::mouseMove(view->viewport(), to);
  QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, to);
  EXPECT_EQ(selection(), (std::vector<uint16_t>{'B', 'C', 'D'}));
  // Ctrl+A over the overview selects every cell, where elsewhere it is Save As.
  view->setFocus();
  QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(selection().size(), 6u);
  EXPECT_TRUE(prompts->dialogTitles.isEmpty());
  EXPECT_TRUE(child<QAction>("NMTransform")->isEnabled());

  // A selection made elsewhere shows on the cells.
  TFmMainProbe::document(*window).setSelection({'A', 'F'});
  EXPECT_EQ(view->selectionModel()->selectedIndexes().size(), 2);
}

TEST_F(BatchCommandsTest, SlantChangesTheSelectedOnlyAndOverflowCancelsCleanly) {
  const std::string before = bytes();
  const std::string untouched = linesOf('A') + linesOf('E') + linesOf('F');
  clickCell(1);
  clickCell(3, Qt::ShiftModifier);  // B, C, D
  Transform slant;
  slant.slantDegrees = 12;
  slant.origin = Transform::Origin::BaselineLeft;
  prompts->transforms.push_back(slant);
  trigger("NMTransform");
  EXPECT_EQ(linesOf('A') + linesOf('E') + linesOf('F'), untouched);
  EXPECT_NE(bytes(), before);
  EXPECT_EQ(child<QAction>("NMUndo")->text(), QStringLiteral("撤销 变换"));
  trigger("NMUndo");
  EXPECT_EQ(bytes(), before);

  // 300 % about the middle takes F past the grid: reported by name, and cancelled.
  TFmMainProbe::document(*window).setSelection({'F'});
  Transform big;
  big.scaleXPercent = big.scaleYPercent = 300;
  prompts->transforms.push_back(big);
  prompts->answers.push_back(Prompts::Answer::Cancel);
  const int steps = TFmMainProbe::document(*window).undoStack()->count();
  trigger("NMTransform");
  ASSERT_EQ(prompts->questions.size(), 1);
  EXPECT_TRUE(prompts->questions[0].contains(QStringLiteral("F")));
  EXPECT_EQ(TFmMainProbe::document(*window).undoStack()->count(), steps);
  EXPECT_EQ(bytes(), before);
}

// Whether the canvas shows `colour` within a pixel of grid position (x, y).
bool canvasShows(CanvasPanel& canvas, double x, double y, const QColor& colour) {
  const QImage image = canvas.grab().toImage();
  const GridLayout grid = canvas.layout();
  const GridLayout::Pixel origin = grid.gridToPixel(0, 0);
  const QPoint at(static_cast<int>(origin.x + x * grid.cellSize),
                  static_cast<int>(origin.y - y * grid.cellSize));
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (image.pixelColor(at + QPoint(dx, dy)) == colour) return true;
  return false;
}

// While the dialog is open the canvas shows the current character as the transform would
// leave it, red over the character itself in grey, and the font is not touched; the preview
// goes when the dialog closes, whether it was taken or cancelled.
TEST_F(BatchCommandsTest, TheTransformIsPreviewedOnTheCanvasWhileChosen) {
  CanvasPanel& canvas = TFmMainProbe::canvas(*window);
  const QColor red(255, 0, 0), grey(176, 176, 176);
  clickCell(1);
  clickCell(2, Qt::ControlModifier);  // B and C selected, C current
  const std::string before = bytes();
  Transform move;
  move.dx = 10;
  prompts->transforms.push_back(move);
  prompts->transforms.push_back(std::nullopt);
  prompts->whileTransformShown = [&] {
    ASSERT_NE(canvas.preview(), nullptr);
    EXPECT_EQ(inkBoxOf(*canvas.preview()).left, 14);
    // The middle of the stroke (4,0)-(8,10), and of the same moved.
    EXPECT_TRUE(canvasShows(canvas, 16, 5, red));
    EXPECT_TRUE(canvasShows(canvas, 6, 5, grey));
    EXPECT_EQ(bytes(), before);
  };
  trigger("NMTransform");
  EXPECT_EQ(canvas.preview(), nullptr);
  EXPECT_TRUE(canvasShows(canvas, 16, 5, red));
  EXPECT_FALSE(canvasShows(canvas, 6, 5, grey));
  EXPECT_EQ(inkBoxOf(*TFmMainProbe::shapeFile(*window)->findShape('B')).left, 14);

  // Asked again, the dialog proposes the last transform, and a cancel leaves all as it was.
  const std::string moved = bytes();
  prompts->whileTransformShown = [&] {
    ASSERT_NE(canvas.preview(), nullptr);
    EXPECT_EQ(inkBoxOf(*canvas.preview()).left, 24);
  };
  trigger("NMTransform");
  EXPECT_EQ(canvas.preview(), nullptr);
  EXPECT_EQ(bytes(), moved);
}

TEST_F(BatchCommandsTest, CentreWidthAndDeleteAreOneStepEach) {
  const std::string before = bytes();
  TFmMainProbe::document(*window).setSelection({'A', 'B'});
  trigger("NMCentre");
  EXPECT_EQ(inkBoxOf(*TFmMainProbe::shapeFile(*window)->findShape('A')).left, 10);
  prompts->inputs.push_back(QStringLiteral("300"));
  trigger("NMSetWidth");
  EXPECT_EQ(prompts->questions.size(), 1);  // refused, nothing changed
  prompts->inputs.push_back(QStringLiteral("30"));
  trigger("NMSetWidth");
  EXPECT_EQ(TFmMainProbe::shapeFile(*window)->findShape('B')->width(), 30);
  EXPECT_EQ(TFmMainProbe::shapeFile(*window)->findShape('C')->width(), 24);

  prompts->answers.push_back(Prompts::Answer::Ok);
  trigger("NMDeleteCharacters");
  EXPECT_EQ(TFmMainProbe::shapeFile(*window)->shapeCount(), 4);
  EXPECT_EQ(TFmMainProbe::currentChar(*window), "C");
  for (int i = 0; i < 3; ++i) trigger("NMUndo");
  EXPECT_EQ(bytes(), before);
  EXPECT_EQ(selection(), (std::vector<uint16_t>{'A', 'B'}));
}

// LibreCAD's kst32b on a grid of 48 stands above its cell and advances past it; fitted with a
// margin of 1 every hanzi lies within 1 to 46 (a unit inside the grid's lines 0 and 47), and undo
// and redo give back every byte.
TEST_F(BatchCommandsTest, KstHanziFitTheirCellsAsOneStep) {
  const std::string lff = "/usr/share/librecad/fonts/kst32b.lff";
  const StrokeFont strokes = formatOfPath(lff)->readStrokes(readBytes(lff), lff);
  ImportedFont imported = importStrokes(strokes, {GShpFile::kindBigfont, 48, 0});
  window->showShapeFile(std::move(imported.file), "/tmp/kst32b.shp");
  view->setFocus();
  QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
  const std::string before = bytes();
  prompts->inputs.push_back(QStringLiteral("1"));
  trigger("NMFitCell");
  const std::string fitted = bytes();
  int hanzi = 0;
  for (const GShape* shape : TFmMainProbe::shapeFile(*window)->shapesInCodeOrder()) {
    if (shape->code() < 0xB0A1) continue;
    const InkBox ink = inkBoxOf(*shape);
    if (ink.empty) continue;
    ++hanzi;
    ASSERT_TRUE(ink.left >= 1 && ink.right <= 46 && ink.bottom >= 1 && ink.top <= 46)
        << std::hex << shape->code();
  }
  EXPECT_GT(hanzi, 4000);
  trigger("NMUndo");
  EXPECT_EQ(bytes(), before);
  trigger("NMRedo");
  EXPECT_EQ(bytes(), fitted);
}

}  // namespace

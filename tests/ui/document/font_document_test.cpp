#include "ui/document/font_document.h"

#include <QUndoStack>

#include "ui/canvas/canvas_fixture.h"

namespace {

// Every signal the document emits, in order, as "name" or "name:detail".
class SignalLog {
 public:
  explicit SignalLog(FontDocument& document) {
    const auto log = [this](const char* name) { return [this, name] { names_ << name; }; };
    QObject::connect(&document, &FontDocument::fileChanged, log("file"));
    QObject::connect(&document, &FontDocument::pathChanged, log("path"));
    QObject::connect(&document, &FontDocument::currentChanged, log("current"));
    QObject::connect(&document, &FontDocument::selectionChanged, log("selection"));
    QObject::connect(&document, &FontDocument::shapeRestored, log("restored"));
    QObject::connect(&document, &FontDocument::metricsChanged, log("metrics"));
    QObject::connect(&document, &FontDocument::shapesChanged,
                     [this](const std::string& pick, int row) {
                       names_ << QStringLiteral("shapes:%1/%2").arg(fromGbk(pick)).arg(row);
                     });
    QObject::connect(&document, &FontDocument::shapeChanged,
                     [this](GShape* shape, ShapeChange change) {
                       const char* kinds[] = {"points", "shown", "outline"};
                       names_ << QStringLiteral("shape:%1:%2")
                                     .arg(QChar(shape->code()))
                                     .arg(QLatin1String(kinds[static_cast<int>(change)]));
                     });
    QObject::connect(&document, &FontDocument::modifiedChanged, [this](bool modified) {
      names_ << (modified ? QStringLiteral("modified") : QStringLiteral("unmodified"));
    });
  }
  std::string take() {
    const QString all = names_.join(QLatin1Char(' '));
    names_.clear();
    return all.toStdString();
  }

 private:
  QStringList names_;
};

using FontDocumentTest = CanvasTest;

// What each way of changing the font tells the views, undo and redo included.
TEST_F(FontDocumentTest, EveryChangeIsSignalledWithWhatItChanged) {
  FontDocument& document = TFmMainProbe::document(*window);
  SignalLog log(document);
  QAction* undo = child<QAction>("NMUndo");
  QAction* redo = child<QAction>("NMRedo");

  click(6, 2);  // selects the point, which only the canvas shows
  press(6, 2);
  moveTo(7, 3, Qt::LeftButton);
  EXPECT_EQ(log.take(), "modified shape:A:shown");
  moveTo(8, 3, Qt::LeftButton);  // the drag goes on within the same step
  release(8, 3);
  EXPECT_EQ(log.take(), "shape:A:shown");
  undo->trigger();
  EXPECT_EQ(log.take(), "restored shape:A:outline current unmodified");
  redo->trigger();
  EXPECT_EQ(log.take(), "restored shape:A:outline current modified");
  trigger("NMDeleteAll");
  EXPECT_EQ(log.take(), "shape:A:points");

  trigger("NMCopy");
  child<QListWidget>("RzListBox1")->setCurrentRow(1);
  EXPECT_EQ(log.take(), "current");
  trigger("NMPaste");
  EXPECT_EQ(log.take(), "shape:B:outline");
  undo->trigger();
  EXPECT_EQ(log.take(), "restored shape:B:outline current");

  prompts->characters.push_back(std::string("C"));
  window->NNewShapeClick();
  // The list, listening before this log, picks the character while "shapes" is delivered.
  EXPECT_EQ(log.take(), "current shapes:C/-1");
  undo->trigger();
  EXPECT_EQ(log.take(), "current shapes:B/-1");
  prompts->answers.push_back(Prompts::Answer::Ok);
  window->NDeleteShapeClick();
  EXPECT_EQ(log.take(), "current shapes:/1");
  undo->trigger();
  EXPECT_EQ(log.take(), "current shapes:B/-1");

  // A font with characters keeps its metrics; only the size index changes.
  window->N2424Click(child<QAction>("N2424"));
  EXPECT_EQ(log.take(), "metrics");
  prompts->answers.push_back(Prompts::Answer::No);
  trigger("NMClose");
  EXPECT_EQ(log.take(), "unmodified file path current");
  EXPECT_EQ(prompts->errors, QStringList());
  EXPECT_EQ(document.undoStack()->count(), 0);
}

}  // namespace

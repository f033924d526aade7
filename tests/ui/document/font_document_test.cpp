#include "ui/document/font_document.h"

#include <QUndoStack>

#include "ui/canvas/canvas_fixture.h"
#include "ui/edits/add_shapes_command.h"
#include "ui/edits/delete_shape_command.h"

namespace {

// Every signal the document emits, in order, as "name" or "name:detail".
class SignalLog {
 public:
  explicit SignalLog(FontDocument& document) {
    const auto log = [this](const char* name) { return [this, name] { names_ << name; }; };
    QObject::connect(&document, &FontDocument::fileChanged, log("file"));
    QObject::connect(&document, &FontDocument::pathChanged, log("path"));
    QObject::connect(&document, &FontDocument::currentChanged, [this, &document] {
      const GShape* shape = document.currentShape();
      names_ << QStringLiteral("current:%1").arg(shape ? QChar(shape->code()) : QChar('-'));
    });
    QObject::connect(&document, &FontDocument::picked, log("picked"));
    QObject::connect(&document, &FontDocument::selectionChanged, [this, &document] {
      QString codes;
      for (const uint16_t code : document.selection()) codes += QChar(code);
      names_ << QStringLiteral("selection:%1").arg(codes);
    });
    QObject::connect(&document, &FontDocument::pointSelectionChanged, log("points-selected"));
    QObject::connect(&document, &FontDocument::metricsChanged, log("metrics"));
    QObject::connect(&document, &FontDocument::shapesChanged, log("shapes"));
    QObject::connect(&document, &FontDocument::shapeChanged,
                     [this](GShape* shape, ShapeChange change) {
                       const char* kinds[] = {"points", "shown", "outline", "restored"};
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

// What each way of changing the font tells the views, undo and redo included: one signal
// for each change, each after the change is complete.
TEST_F(FontDocumentTest, EveryChangeIsSignalledWithWhatItChanged) {
  FontDocument& document = TFmMainProbe::document(*window);
  SignalLog log(document);
  QAction* undo = child<QAction>("NMUndo");
  QAction* redo = child<QAction>("NMRedo");

  click(6, 2);  // selects the point, which only the canvas shows
  press(6, 2);
  moveTo(7, 3, Qt::LeftButton);
  EXPECT_EQ(log.take(), "shape:A:shown modified");
  moveTo(8, 3, Qt::LeftButton);  // the drag goes on within the same step
  release(8, 3);
  EXPECT_EQ(log.take(), "shape:A:shown");
  undo->trigger();
  EXPECT_EQ(log.take(), "shape:A:restored current:A unmodified");
  redo->trigger();
  EXPECT_EQ(log.take(), "shape:A:restored current:A modified");
  trigger("NMDeleteAll");
  EXPECT_EQ(log.take(), "shape:A:points");

  trigger("NMCopy");
  child<QListWidget>("RzListBox1")->setCurrentRow(1);
  EXPECT_EQ(log.take(), "current:B selection:B picked");
  trigger("NMPaste");
  EXPECT_EQ(log.take(), "shape:B:outline");
  undo->trigger();
  EXPECT_EQ(log.take(), "shape:B:restored current:B");

  prompts->characters.push_back(std::string("C"));
  window->NNewShapeClick();
  EXPECT_EQ(log.take(), "shapes current:C selection:C picked");
  undo->trigger();
  EXPECT_EQ(log.take(), "shapes selection: current:B selection:B picked");
  prompts->answers.push_back(Prompts::Answer::Ok);
  window->NDeleteShapeClick();  // the character after B in code order takes its place
  EXPECT_EQ(log.take(), "shapes selection: current:- picked");
  undo->trigger();
  EXPECT_EQ(log.take(), "shapes current:B selection:B picked");

  // A font with characters keeps its metrics; only the size index changes.
  window->N2424Click(child<QAction>("N2424"));
  EXPECT_EQ(log.take(), "metrics");
  prompts->answers.push_back(Prompts::Answer::No);
  trigger("NMClose");
  EXPECT_EQ(log.take(), "unmodified file path current:- selection:");
  EXPECT_EQ(prompts->errors, QStringList());
  EXPECT_EQ(document.undoStack()->count(), 0);
}

// The document alone, without a window or a list, works out what becomes current.
TEST(FontDocumentAlone, PicksAddsDeletesAndUndoesByCode) {
  FontDocument document;
  auto file = std::make_unique<GShpFile>();
  file->setKind(GShpFile::kindAscii);
  for (const char c : {'D', 'A', 'B'}) file->addShape(makeShape(c, 24));
  document.setFile(std::move(file), "/tmp/alone.shp");
  const auto current = [&] { return document.current().value_or('-'); };
  QUndoStack& history = *document.undoStack();

  EXPECT_FALSE(document.pickText("Z"));  // nothing named: the current one again, none
  EXPECT_EQ(current(), '-');
  document.pick('B');
  document.pushStep(new DeleteShapeCommand(document, document.file()->indexOf(document.currentShape())));
  EXPECT_EQ(current(), 'D');  // the next in code order, though the file holds D first
  history.undo();
  EXPECT_EQ(current(), 'B');
  EXPECT_EQ(document.selection(), std::vector<uint16_t>{'B'});
  history.redo();
  EXPECT_EQ(current(), 'D');
  document.pushStep(new DeleteShapeCommand(document, document.file()->indexOf(document.currentShape())));
  EXPECT_EQ(current(), '-');  // D was the last
  history.undo();
  EXPECT_EQ(current(), 'D');

  std::vector<std::unique_ptr<GShape>> added;
  added.push_back(makeShape('C', 24));
  document.pushStep(new AddShapesCommand(document, std::move(added), 'C', document.current()));
  EXPECT_EQ(current(), 'C');
  document.setSelection({'A', 'C', 'Q'});  // Q is no character of the font
  EXPECT_EQ(document.selection(), (std::vector<uint16_t>{'A', 'C'}));
  history.undo();
  EXPECT_EQ(current(), 'D');
  EXPECT_EQ(document.selection(), std::vector<uint16_t>{'D'});
  EXPECT_EQ(document.file()->shapeCount(), 2);  // D and A: B went with the redo
}

}  // namespace

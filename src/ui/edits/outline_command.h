#pragma once

#include <QUndoCommand>
#include <memory>
#include <vector>

#include "ui/document/font_document.h"

class GShape;

// Whole outlines replaced: by the clipboard commands (the points, and with a paste the advance
// width too) or by drafting strokes, for one character or many at once.
class OutlineCommand : public QUndoCommand {
 public:
  struct Replaced {
    int index;  // of the shape in the file
    std::unique_ptr<GShape> before;
    std::unique_ptr<GShape> after;
  };
  // A copy of the shape's outline (its points, width and byte count) for a step to keep.
  static std::unique_ptr<GShape> outlineOf(const GShape& shape);

  // The shapes take their `after` outline. One character replaced is shown as `firstShown`
  // says when the step is first done; undone and redone, it is restored and made current.
  // Many are shown as a change of the characters, the current one staying current.
  OutlineCommand(FontDocument& document, const QString& name, std::vector<Replaced> outlines);
  OutlineCommand(FontDocument& document, const QString& name, int index,
                 std::unique_ptr<GShape> after, ShapeChange firstShown);
  ~OutlineCommand() override;

  void undo() override;
  void redo() override;

 private:
  void show(bool after);

  FontDocument& document_;
  std::vector<Replaced> outlines_;
  ShapeChange shownAs_ = ShapeChange::Restored;
};

#pragma once

#include <QUndoCommand>
#include <memory>

class FontDocument;
class GShape;

// A character deleted from the file; undoing puts it back at its place with its points.
class DeleteShapeCommand : public QUndoCommand {
 public:
  // The shape has been taken out of the file at `index`; `row` is the list row it had.
  DeleteShapeCommand(FontDocument& document, int index, int row, std::unique_ptr<GShape> removed);
  ~DeleteShapeCommand() override;

  void undo() override;
  void redo() override;

 private:
  FontDocument& document_;
  int index_;
  int row_;
  std::unique_ptr<GShape> removed_;  // held while done
  bool pushed_ = false;
};

#pragma once

#include <QUndoCommand>
#include <cstdint>
#include <memory>
#include <optional>

class FontDocument;
class GShape;

// A character deleted from the file; undoing puts it back at its place with its points.
class DeleteShapeCommand : public QUndoCommand {
 public:
  // Deletes the shape at `index` of the file; the character after it in code order becomes
  // current, as the list's next item takes the deleted one's row.
  DeleteShapeCommand(FontDocument& document, int index);
  ~DeleteShapeCommand() override;

  void undo() override;
  void redo() override;

 private:
  FontDocument& document_;
  int index_;
  std::optional<uint16_t> codeAfter_;
  std::unique_ptr<GShape> removed_;  // held while done
};

#pragma once

#include <QUndoCommand>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class FontDocument;
class GShape;

// Many characters deleted from the file as one step; undoing puts each back at its place with
// its points.
class DeleteShapesCommand : public QUndoCommand {
 public:
  // Deletes the shapes at `indices` of the file; the character after the last of them in code
  // order becomes current.
  DeleteShapesCommand(FontDocument& document, const QString& name, std::vector<int> indices);
  ~DeleteShapesCommand() override;

  void undo() override;
  void redo() override;

 private:
  FontDocument& document_;
  std::vector<int> indices_;  // ascending
  std::optional<uint16_t> codeAfter_;
  std::optional<uint16_t> currentBefore_;
  std::vector<uint16_t> selectionBefore_;
  std::vector<std::unique_ptr<GShape>> removed_;  // held while done, in the order of indices_
};

#pragma once

#include <QUndoCommand>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class FontDocument;
class GShape;

// Characters appended to the file by one add command, the whole hanzi set included.
class AddShapesCommand : public QUndoCommand {
 public:
  // `added` go at the end of the file and the one with `pickCode` becomes current; undoing
  // makes `currentBefore` current again.
  AddShapesCommand(FontDocument& document, std::vector<std::unique_ptr<GShape>> added,
                   uint16_t pickCode, std::optional<uint16_t> currentBefore);
  ~AddShapesCommand() override;

  void undo() override;
  void redo() override;

 private:
  FontDocument& document_;
  int firstIndex_;
  uint16_t characterCountBefore_;
  uint16_t pickCode_;
  std::optional<uint16_t> currentBefore_;
  std::vector<std::unique_ptr<GShape>> added_;  // held while undone
};

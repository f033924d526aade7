#pragma once

#include <QUndoCommand>
#include <memory>
#include <string>
#include <vector>

class FontDocument;
class GShape;

// Characters appended to the file by one add command, the whole hanzi set included.
class AddShapesCommand : public QUndoCommand {
 public:
  // The shapes from `firstIndex` on have been added already; `selectedBefore` is the list
  // item that was selected before, `firstText` the one selected after.
  AddShapesCommand(FontDocument& document, int firstIndex, uint16_t characterCountBefore,
                   std::string selectedBefore, std::string firstText);
  ~AddShapesCommand() override;

  void undo() override;
  void redo() override;

 private:
  FontDocument& document_;
  int firstIndex_;
  uint16_t characterCountBefore_;
  std::string selectedBefore_;
  std::string firstText_;
  std::vector<std::unique_ptr<GShape>> removed_;  // held while undone
  bool pushed_ = false;
};

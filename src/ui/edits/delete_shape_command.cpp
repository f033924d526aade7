#include "ui/edits/delete_shape_command.h"

#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"

DeleteShapeCommand::DeleteShapeCommand(FontDocument& document, int index, int row,
                                       std::unique_ptr<GShape> removed)
    : QUndoCommand(QStringLiteral("删除字符")),
      document_(document),
      index_(index),
      row_(row),
      removed_(std::move(removed)) {}

DeleteShapeCommand::~DeleteShapeCommand() = default;

void DeleteShapeCommand::undo() {
  const std::string text = removed_->listText();
  document_.file()->insertShapeAt(index_, std::move(removed_));
  document_.showChangedShapes(text, -1);
}

// The item that followed the deleted one takes its row, as after the delete itself.
void DeleteShapeCommand::redo() {
  if (pushed_) {
    removed_ = document_.file()->takeShapeAt(index_);
    document_.showChangedShapes(std::string(), row_);
  }
  pushed_ = true;
}

#include "ui/edits/delete_shape_command.h"

#include "shapefile/shpfile.h"
#include "ui/edits/edit_host.h"

DeleteShapeCommand::DeleteShapeCommand(EditHost& host, int index, int row,
                                       std::unique_ptr<GShape> removed)
    : QUndoCommand(QStringLiteral("删除字符")),
      host_(host),
      index_(index),
      row_(row),
      removed_(std::move(removed)) {}

DeleteShapeCommand::~DeleteShapeCommand() = default;

void DeleteShapeCommand::undo() {
  const std::string text = removed_->listText();
  host_.editedFile()->insertShapeAt(index_, std::move(removed_));
  host_.showChangedList(text, -1);
}

// The item that followed the deleted one takes its row, as after the delete itself.
void DeleteShapeCommand::redo() {
  if (pushed_) {
    removed_ = host_.editedFile()->takeShapeAt(index_);
    host_.showChangedList(std::string(), row_);
  }
  pushed_ = true;
}

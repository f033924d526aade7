#include "ui/edits/delete_shape_command.h"

#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"

DeleteShapeCommand::DeleteShapeCommand(FontDocument& document, int index)
    : QUndoCommand(QStringLiteral("删除字符")),
      document_(document),
      index_(index),
      codeAfter_(document.codeAfter(*document.file()->shapeAtIndex(index))) {}

DeleteShapeCommand::~DeleteShapeCommand() = default;

void DeleteShapeCommand::undo() {
  const uint16_t code = removed_->code();
  document_.file()->insertShapeAt(index_, std::move(removed_));
  document_.shapesEdited(code);
}

void DeleteShapeCommand::redo() {
  removed_ = document_.file()->takeShapeAt(index_);
  document_.shapesEdited(codeAfter_);
}

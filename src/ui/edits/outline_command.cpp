#include "ui/edits/outline_command.h"

#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"

OutlineCommand::OutlineCommand(FontDocument& document, const QString& name, int index,
                               std::unique_ptr<GShape> before, std::unique_ptr<GShape> after)
    : QUndoCommand(name),
      document_(document),
      index_(index),
      before_(std::move(before)),
      after_(std::move(after)) {}

OutlineCommand::~OutlineCommand() = default;

void OutlineCommand::undo() { show(*before_); }

void OutlineCommand::redo() {
  if (pushed_) show(*after_);
  pushed_ = true;
}

void OutlineCommand::show(const GShape& outline) {
  GShape* shape = document_.file()->shapeAtIndex(index_);
  if (!shape) return;
  shape->copyFrom(outline);
  document_.showRestoredShape(shape);
}

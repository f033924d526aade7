#include "ui/edits/outline_command.h"

#include "shapefile/shpfile.h"
#include "ui/edits/edit_host.h"

OutlineCommand::OutlineCommand(EditHost& host, const QString& name, int index,
                               std::unique_ptr<GShape> before, std::unique_ptr<GShape> after)
    : QUndoCommand(name),
      host_(host),
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
  GShape* shape = host_.editedFile()->shapeAtIndex(index_);
  if (!shape) return;
  shape->copyFrom(outline);
  host_.showRestoredShape(shape);
}

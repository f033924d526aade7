#include "ui/edits/outline_command.h"

#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"

OutlineCommand::OutlineCommand(FontDocument& document, const QString& name,
                               std::vector<Replaced> outlines)
    : QUndoCommand(name), document_(document), outlines_(std::move(outlines)) {}

OutlineCommand::OutlineCommand(FontDocument& document, const QString& name, int index,
                               std::unique_ptr<GShape> before, std::unique_ptr<GShape> after)
    : QUndoCommand(name), document_(document) {
  outlines_.push_back({index, std::move(before), std::move(after)});
}

OutlineCommand::~OutlineCommand() = default;

std::unique_ptr<GShape> OutlineCommand::outlineOf(const GShape& shape) {
  auto copy = std::make_unique<GShape>();
  copy->copyFrom(shape);
  return copy;
}

void OutlineCommand::undo() { show(false); }

void OutlineCommand::redo() {
  if (pushed_) show(true);
  pushed_ = true;
}

// One outline put back makes its character current; many are shown as a change of the
// characters, with the current one staying current.
void OutlineCommand::show(bool after) {
  GShape* last = nullptr;
  for (const Replaced& outline : outlines_) {
    last = document_.file()->shapeAtIndex(outline.index);
    if (last) last->copyFrom(after ? *outline.after : *outline.before);
  }
  if (outlines_.size() == 1) {
    if (last) document_.showRestoredShape(last);
  } else {
    const std::string current = document_.currentChar();
    document_.showChangedShapes(current, -1);
  }
}

#include "ui/edits/outline_command.h"

#include "shapefile/shpfile.h"

OutlineCommand::OutlineCommand(FontDocument& document, const QString& name,
                               std::vector<Replaced> outlines)
    : QUndoCommand(name), document_(document), outlines_(std::move(outlines)) {}

OutlineCommand::OutlineCommand(FontDocument& document, const QString& name, int index,
                               std::unique_ptr<GShape> after, ShapeChange firstShown)
    : QUndoCommand(name), document_(document), shownAs_(firstShown) {
  outlines_.push_back({index, outlineOf(*document.file()->shapeAtIndex(index)), std::move(after)});
}

OutlineCommand::~OutlineCommand() = default;

std::unique_ptr<GShape> OutlineCommand::outlineOf(const GShape& shape) {
  auto copy = std::make_unique<GShape>();
  copy->copyFrom(shape);
  return copy;
}

void OutlineCommand::undo() { show(false); }

void OutlineCommand::redo() {
  show(true);
  shownAs_ = ShapeChange::Restored;
}

void OutlineCommand::show(bool after) {
  GShape* last = nullptr;
  for (const Replaced& outline : outlines_) {
    last = document_.file()->shapeAtIndex(outline.index);
    if (last) last->copyFrom(after ? *outline.after : *outline.before);
  }
  if (outlines_.size() != 1) {
    document_.shapesEdited(document_.current());
  } else if (last) {
    document_.shapeEdited(last, after ? shownAs_ : ShapeChange::Restored);
  }
}

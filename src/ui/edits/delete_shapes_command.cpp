#include "ui/edits/delete_shapes_command.h"

#include <algorithm>
#include <unordered_set>

#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"

DeleteShapesCommand::DeleteShapesCommand(FontDocument& document, const QString& name,
                                         std::vector<int> indices)
    : QUndoCommand(name),
      document_(document),
      indices_(std::move(indices)),
      currentBefore_(document.current()),
      selectionBefore_(document.selection()) {
  std::sort(indices_.begin(), indices_.end());
  indices_.erase(std::unique(indices_.begin(), indices_.end()), indices_.end());
  // The first character after the deleted ones in code order that stays.
  std::unordered_set<const GShape*> deleted;
  for (int index : indices_) deleted.insert(document.file()->shapeAtIndex(index));
  bool pastOne = false;
  for (const GShape* shape : document.file()->shapesInCodeOrder()) {
    if (deleted.contains(shape)) {
      pastOne = true;
      codeAfter_.reset();
    } else if (pastOne && !codeAfter_) {
      codeAfter_ = shape->code();
    }
  }
}

DeleteShapesCommand::~DeleteShapesCommand() = default;

void DeleteShapesCommand::undo() {
  GShpFile& file = *document_.file();
  for (size_t i = 0; i < indices_.size(); ++i)
    file.insertShapeAt(indices_[i], std::move(removed_[i]));
  removed_.clear();
  document_.shapesEdited(currentBefore_);
  document_.setSelection(selectionBefore_);
}

void DeleteShapesCommand::redo() {
  GShpFile& file = *document_.file();
  removed_.resize(indices_.size());
  // From the back, so the indices before stay where they are.
  for (size_t i = indices_.size(); i-- > 0;) removed_[i] = file.takeShapeAt(indices_[i]);
  document_.shapesEdited(codeAfter_);
}

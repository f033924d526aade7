#include "ui/edits/point_edit_command.h"

#include <utility>

#include "shapefile/shpfile.h"

namespace {

constexpr int kDragId = 1;

bool isDrag(PointEdit edit) {
  return edit == PointEdit::MoveSelection || edit == PointEdit::MoveCharacter;
}

}  // namespace

PointEditCommand::PointEditCommand(FontDocument& document, int shapeIndex, PointEdit edit,
                                   uint32_t gesture, PointSnapshot before, PointSnapshot after,
                                   ShapeChange firstShown)
    : QUndoCommand(nameOf(edit)),
      document_(document),
      shapeIndex_(shapeIndex),
      edit_(edit),
      gesture_(gesture),
      before_(std::move(before)),
      after_(std::move(after)),
      shownAs_(firstShown) {}

QString PointEditCommand::nameOf(PointEdit edit) {
  switch (edit) {
    case PointEdit::AddPoint:
      return QStringLiteral("添加点");
    case PointEdit::InsertPoint:
      return QStringLiteral("插入点");
    case PointEdit::DeleteAtCursor:
      return QStringLiteral("删除点");
    case PointEdit::MoveSelection:
      return QStringLiteral("移动点");
    case PointEdit::MoveCharacter:
      return QStringLiteral("移动字形");
    case PointEdit::DeletePoint:
      return QStringLiteral("删除单个点");
    case PointEdit::DeleteSelected:
      return QStringLiteral("删除已选择的点");
    case PointEdit::DeleteAll:
      return QStringLiteral("删除所有点");
    case PointEdit::None:
      break;
  }
  return QString();
}

void PointEditCommand::undo() { show(before_, ShapeChange::Restored); }

void PointEditCommand::redo() {
  show(after_, shownAs_);
  shownAs_ = ShapeChange::Restored;
}

void PointEditCommand::show(const PointSnapshot& points, ShapeChange change) {
  GShape* shape = document_.file()->shapeAtIndex(shapeIndex_);
  if (!shape) return;
  points.restoreInto(*shape);
  document_.shapeEdited(shape, change);
}

int PointEditCommand::id() const { return isDrag(edit_) ? kDragId : -1; }

bool PointEditCommand::mergeWith(const QUndoCommand* other) {
  const auto* next = static_cast<const PointEditCommand*>(other);
  if (next->edit_ != edit_ || next->gesture_ != gesture_ || next->shapeIndex_ != shapeIndex_)
    return false;
  after_ = next->after_;
  // A drag that ends where it began changes nothing.
  setObsolete(after_.samePath(before_));
  return true;
}

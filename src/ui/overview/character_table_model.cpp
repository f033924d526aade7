#include "ui/overview/character_table_model.h"

#include <algorithm>

#include "editing/text_line.h"
#include "shapefile/shpfile.h"
#include "ui/characters/list_caption.h"
#include "ui/document/font_document.h"

CharacterTableModel::CharacterTableModel(FontDocument& document, QObject* parent)
    : QAbstractListModel(parent), document_(document) {
  for (auto whole : {&FontDocument::fileChanged, &FontDocument::metricsChanged})
    connect(&document_, whole, this, &CharacterTableModel::rebuild);
  connect(&document_, &FontDocument::shapesChanged, this, &CharacterTableModel::rebuild);
  connect(&document_, &FontDocument::shapeChanged, this, &CharacterTableModel::shapeChanged);
  rebuild();
}

int CharacterTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

const GShape* CharacterTableModel::shapeAt(int row) const {
  return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[row] : nullptr;
}

int CharacterTableModel::rowOf(const GShape* shape) const {
  const auto found = rowOf_.find(shape);
  return found == rowOf_.end() ? -1 : found->second;
}

QVariant CharacterTableModel::data(const QModelIndex& index, int role) const {
  const GShape* shape = shapeAt(index.row());
  if (!shape || index.column() != 0) return {};
  switch (role) {
    case Qt::DisplayRole:
      return listCaption(shape->listText(), shape->code());
    case ShapeRole:
      return QVariant::fromValue(static_cast<const void*>(shape));
    case ListTextRole:
      return QByteArray::fromStdString(shape->listText());
    default:
      return {};
  }
}

void CharacterTableModel::setEmptyOnly(bool emptyOnly) {
  if (emptyOnly == emptyOnly_) return;
  emptyOnly_ = emptyOnly;
  rebuild();
}

void CharacterTableModel::rebuild() {
  beginResetModel();
  rows_.clear();
  rowOf_.clear();
  if (GShpFile* file = document_.file()) {
    rows_ = file->shapesInCodeOrder();
    if (emptyOnly_)
      std::erase_if(rows_, [](const GShape* shape) { return !drawsNothing(*shape); });
    rowOf_.reserve(rows_.size());
    for (size_t row = 0; row < rows_.size(); ++row)
      rowOf_.emplace(rows_[row], static_cast<int>(row));
  }
  endResetModel();
}

// Under the filter a character that starts or stops drawing something comes or goes.
void CharacterTableModel::shapeChanged(const GShape* shape) {
  const auto found = rowOf_.find(shape);
  const bool shown = found != rowOf_.end();
  const bool belongs = !emptyOnly_ || drawsNothing(*shape);
  if (shown != belongs) {
    rebuild();
  } else if (shown) {
    emit dataChanged(index(found->second), index(found->second), {ShapeRole});
  }
}

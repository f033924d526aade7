#include "ui/overview/character_table_model.h"

#include <algorithm>

#include "editing/text_line.h"
#include "shapefile/shpfile.h"
#include "ui/characters/list_caption.h"
#include "ui/document/font_document.h"
#include "ui/overview/review_list.h"
#include "ui/platform/gbk.h"

CharacterTableModel::CharacterTableModel(FontDocument& document, ReviewList& review,
                                         QObject* parent)
    : QAbstractListModel(parent), document_(document), review_(review) {
  for (auto whole : {&FontDocument::fileChanged, &FontDocument::metricsChanged})
    connect(&document_, whole, this, &CharacterTableModel::rebuild);
  connect(&document_, &FontDocument::shapesChanged, this, &CharacterTableModel::rebuild);
  connect(&document_, &FontDocument::shapeChanged, this, &CharacterTableModel::shapeChanged);
  connect(&review_, &ReviewList::marksChanged, this, [this] {
    if (filter_ == Filter::ToReview) rebuild();
  });
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
    case ReviewFlagsRole:
    case Qt::ToolTipRole: {
      const auto review = reviews_.find(shape);
      if (review == reviews_.end()) return {};
      if (role == ReviewFlagsRole) return review->second.flags;
      return fromGbk(reasonsOf(review->second, rules_));
    }
    default:
      return {};
  }
}

void CharacterTableModel::setEmptyOnly(bool emptyOnly) {
  if (emptyOnly == (filter_ == Filter::EmptyOnly)) return;
  setFilter(emptyOnly ? Filter::EmptyOnly : Filter::All);
}

void CharacterTableModel::setFilter(Filter filter) {
  if (filter == filter_) return;
  filter_ = filter;
  rebuild();
}

bool CharacterTableModel::belongs(const GShape& shape) {
  switch (filter_) {
    case Filter::All:
      return true;
    case Filter::EmptyOnly:
      return drawsNothing(shape);
    case Filter::ToReview: {
      const CharacterReview review = reviewOf(shape, rules_);
      if (!review.flags || review_.isSeen(shape)) {
        reviews_.erase(&shape);
        return false;
      }
      reviews_[&shape] = review;
      return true;
    }
  }
  return true;
}

void CharacterTableModel::rebuild() {
  beginResetModel();
  rows_.clear();
  rowOf_.clear();
  reviews_.clear();
  if (GShpFile* file = document_.file()) {
    rows_ = file->shapesInCodeOrder();
    if (filter_ == Filter::ToReview) rules_ = review_.rules();
    if (filter_ != Filter::All)
      std::erase_if(rows_, [this](const GShape* shape) { return !belongs(*shape); });
    if (filter_ == Filter::ToReview) {
      std::stable_sort(rows_.begin(), rows_.end(), [this](const GShape* a, const GShape* b) {
        return severityOf(reviews_[a].flags) > severityOf(reviews_[b].flags);
      });
    }
    rowOf_.reserve(rows_.size());
    for (size_t row = 0; row < rows_.size(); ++row)
      rowOf_.emplace(rows_[row], static_cast<int>(row));
  }
  endResetModel();
}

// Under a filter a character that starts or stops belonging comes or goes; while reviewing,
// one whose flags change takes its place by them.
void CharacterTableModel::shapeChanged(const GShape* shape) {
  const auto found = rowOf_.find(shape);
  const bool shown = found != rowOf_.end();
  const uint8_t flagsBefore = shown && reviews_.contains(shape) ? reviews_[shape].flags : 0;
  const bool stays = belongs(*shape);
  const bool moved = filter_ == Filter::ToReview && stays && reviews_[shape].flags != flagsBefore;
  if (shown != stays || moved) {
    rebuild();
  } else if (shown) {
    emit dataChanged(index(found->second), index(found->second),
                     {ShapeRole, ReviewFlagsRole, Qt::ToolTipRole});
  }
}

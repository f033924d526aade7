#pragma once

#include <QAbstractListModel>
#include <unordered_map>
#include <vector>

#include "editing/review_flags.h"

class FontDocument;
class GShape;
class ReviewList;

// Every character of the open font in code order, only those that draw nothing, or those to
// review (flagged and not seen since their last change, worst first). A row
// shows its caption as the character list does; ShapeRole gives the shape to draw. It follows
// the document: the rows of an edited character change in place, the rows are made anew when
// characters come or go.
class CharacterTableModel : public QAbstractListModel {
  Q_OBJECT
 public:
  static constexpr int ShapeRole = Qt::UserRole;
  static constexpr int ListTextRole = Qt::UserRole + 1;
  static constexpr int ReviewFlagsRole = Qt::UserRole + 2;  // the flags while reviewing
  enum class Filter { All, EmptyOnly, ToReview };

  CharacterTableModel(FontDocument& document, ReviewList& review, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  const GShape* shapeAt(int row) const;
  // The row of a character, -1 when it has none.
  int rowOf(const GShape* shape) const;
  void setEmptyOnly(bool emptyOnly);
  bool emptyOnly() const { return filter_ == Filter::EmptyOnly; }
  void setFilter(Filter filter);
  Filter filter() const { return filter_; }

 private:
  void rebuild();
  void shapeChanged(const GShape* shape);
  // Whether a character belongs under the filter; while reviewing, its review is kept.
  bool belongs(const GShape& shape);

  FontDocument& document_;
  ReviewList& review_;
  Filter filter_ = Filter::All;
  ReviewRules rules_;
  std::unordered_map<const GShape*, CharacterReview> reviews_;
  std::vector<const GShape*> rows_;
  std::unordered_map<const GShape*, int> rowOf_;
};

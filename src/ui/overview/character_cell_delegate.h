#pragma once

#include <QStyledItemDelegate>

class FontDocument;

// One cell of the overview: the character drawn to fit the cell on the font's grid, its
// caption under it; a character that draws nothing is an empty box with a faint outline.
class CharacterCellDelegate : public QStyledItemDelegate {
 public:
  CharacterCellDelegate(const FontDocument& document, QObject* parent = nullptr);

  void setCellSize(int pixels) { cellSize_ = pixels; }
  int cellSize() const { return cellSize_; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  const FontDocument& document_;
  int cellSize_ = 56;
};

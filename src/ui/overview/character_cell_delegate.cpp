#include "ui/overview/character_cell_delegate.h"

#include <QPainter>

#include "editing/text_line.h"
#include "model/shape.h"
#include "ui/canvas/shape_painter.h"
#include "ui/document/font_document.h"
#include "ui/overview/character_table_model.h"

namespace {

constexpr int kPadding = 3;
const QColor kCellLine(225, 225, 225);
const QColor kEmptyOutline(200, 200, 200);
const QColor kInk(0, 0, 0);
const QColor kCaption(90, 90, 90);
const QColor kReviewMark(210, 40, 40);

}  // namespace

CharacterCellDelegate::CharacterCellDelegate(const FontDocument& document, QObject* parent)
    : QStyledItemDelegate(parent), document_(document) {}

QSize CharacterCellDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  return {cellSize_, cellSize_};
}

void CharacterCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  const auto* shape =
      static_cast<const GShape*>(index.data(CharacterTableModel::ShapeRole).value<const void*>());
  if (!shape) return;
  const QRect cell = option.rect;
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  painter->save();
  painter->fillRect(cell, selected ? option.palette.highlight().color().lighter(170) : Qt::white);
  painter->setPen(kCellLine);
  painter->drawRect(cell.adjusted(0, 0, -1, -1));

  const int captionHeight = option.fontMetrics.height();
  const QRect box = cell.adjusted(kPadding, kPadding, -kPadding, -kPadding - captionHeight);
  const int above = document_.gridAbove();
  const int side = above + document_.gridBelow();
  if (side > 0 && box.height() > 0 && box.width() > 0) {
    const double unit = std::min(box.width(), box.height()) / static_cast<double>(side);
    const double left = box.left() + (box.width() - side * unit) / 2;
    const double top = box.top() + (box.height() - side * unit) / 2;
    if (drawsNothing(*shape)) {
      painter->setPen(QPen(kEmptyOutline, 1, Qt::DotLine));
      painter->drawRect(QRectF(left, top, side * unit, side * unit));
    } else {
      painter->setRenderHint(QPainter::Antialiasing);
      ShapePainter(*painter, {left, top + above * unit, unit})
          .draw(*shape, {false, false, Qt::white, kInk, 1});
      painter->setRenderHint(QPainter::Antialiasing, false);
    }
  }
  // A character to review carries a small red corner; its tooltip says why.
  if (index.data(CharacterTableModel::ReviewFlagsRole).isValid()) {
    const int size = std::max(6, cell.width() / 6);
    const QPoint corner = cell.topRight();
    painter->setPen(Qt::NoPen);
    painter->setBrush(kReviewMark);
    painter->drawPolygon(QPolygon({corner, corner - QPoint(size, 0), corner + QPoint(0, size)}));
  }
  painter->setPen(kCaption);
  painter->drawText(QRect(cell.left(), cell.bottom() - kPadding - captionHeight, cell.width(),
                          captionHeight),
                    Qt::AlignHCenter | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
  painter->restore();
}

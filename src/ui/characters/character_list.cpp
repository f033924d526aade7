#include "ui/characters/character_list.h"

#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

constexpr int kCodeRole = Qt::UserRole;
constexpr int kBytesRole = Qt::UserRole + 1;

class FixedHeightDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), CharacterList::kItemHeight};
  }
};

}  // namespace

CharacterList::CharacterList(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new FixedHeightDelegate(this));
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  // A mouse pick is reported on release, so a press that moves the current item does not
  // report it a second time.
  connect(this, &QListWidget::currentRowChanged, this, [this] {
    if (!mouseHeld_) emit picked();
  });
}

void CharacterList::addCharacter(const QString& caption, uint16_t code,
                                 const std::string& listBytes) {
  auto* item = new QListWidgetItem(caption);
  item->setData(kCodeRole, code);
  item->setData(kBytesRole, QByteArray(listBytes.data(), static_cast<qsizetype>(listBytes.size())));
  addItem(item);
}

uint16_t CharacterList::codeOf(const QListWidgetItem* item) {
  return static_cast<uint16_t>(item->data(kCodeRole).toUInt());
}

std::string CharacterList::bytesOf(const QListWidgetItem* item) {
  return item->data(kBytesRole).toByteArray().toStdString();
}

void CharacterList::mousePressEvent(QMouseEvent* event) {
  // Only the left button picks; the right one opens the pop-up menu over the current pick.
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  mouseHeld_ = true;
  pressedOnItem_ = itemAt(event->position().toPoint()) != nullptr;
  QListWidget::mousePressEvent(event);
}

void CharacterList::mouseMoveEvent(QMouseEvent* event) {
  mouseHeld_ = event->buttons().testFlag(Qt::LeftButton);
  QListWidget::mouseMoveEvent(event);
}

void CharacterList::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  mouseHeld_ = false;
  if (pressedOnItem_ && event->button() == Qt::LeftButton) emit picked();
  pressedOnItem_ = false;
}

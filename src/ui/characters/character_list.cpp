#include "ui/characters/character_list.h"

#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

// An item keeps its shape's code and list bytes as plain members, so a list of thousands is
// filled without a QVariant for each of them.
class CharacterItem : public QListWidgetItem {
 public:
  CharacterItem(const QString& caption, uint16_t code, const std::string& listBytes)
      : QListWidgetItem(caption, nullptr, QListWidgetItem::UserType),
        code_(code),
        bytes_(listBytes) {}

  static const CharacterItem* of(const QListWidgetItem* item) {
    return item->type() == QListWidgetItem::UserType ? static_cast<const CharacterItem*>(item)
                                                     : nullptr;
  }
  uint16_t code() const { return code_; }
  const std::string& bytes() const { return bytes_; }

 private:
  uint16_t code_;
  std::string bytes_;
};

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
  addItem(new CharacterItem(caption, code, listBytes));
}

uint16_t CharacterList::codeOf(const QListWidgetItem* item) {
  const CharacterItem* character = CharacterItem::of(item);
  return character ? character->code() : 0;
}

std::string CharacterList::bytesOf(const QListWidgetItem* item) {
  const CharacterItem* character = CharacterItem::of(item);
  return character ? character->bytes() : std::string();
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

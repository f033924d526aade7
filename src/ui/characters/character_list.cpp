#include "ui/characters/character_list.h"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "shapefile/shpfile.h"
#include "ui/characters/list_caption.h"
#include "ui/document/font_document.h"

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

CharacterList::CharacterList(FontDocument& document, QWidget* parent)
    : QListWidget(parent), document_(document) {
  setItemDelegate(new FixedHeightDelegate(this));
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  // A mouse pick is reported on release, so a press that moves the current item does not
  // report it a second time.
  connect(this, &QListWidget::currentRowChanged, this, [this] {
    if (!mouseHeld_) emit picked();
  });
  connect(&document_, &FontDocument::fileChanged, this, &CharacterList::refill);
  connect(&document_, &FontDocument::shapesChanged, this, &CharacterList::refill);
  connect(&document_, &FontDocument::currentChanged, this, &CharacterList::showCurrent);
}

// Code order is the order of the list bytes: the single-byte characters first, then the GBK
// characters as the code table has them. Shapes with the same code keep their file order.
void CharacterList::refill() {
  const QSignalBlocker quiet(this);
  setUpdatesEnabled(false);
  clear();
  if (const GShpFile* file = document_.file()) {
    for (const GShape* shape : file->shapesInCodeOrder()) {
      const std::string bytes = shape->listText();
      addCharacter(listCaption(bytes, shape->code()), shape->code(), bytes);
    }
  }
  setUpdatesEnabled(true);
}

// Of two items with the current character's code, the one selected stays selected.
void CharacterList::showCurrent() {
  const std::optional<uint16_t> current = document_.current();
  if (current == selectedCode()) return;
  const QSignalBlocker quiet(this);
  if (!current) {
    setCurrentRow(-1);
    return;
  }
  for (int row = 0; row < count(); ++row) {
    if (codeOf(item(row)) == *current) {
      setCurrentRow(row);
      return;
    }
  }
}

bool CharacterList::selectByText(const std::string& text) {
  for (int row = 0; row < count(); ++row) {
    if (bytesOf(item(row)) == text) {
      const QSignalBlocker quiet(this);
      setCurrentRow(row);
      return true;
    }
  }
  return false;
}

const QListWidgetItem* CharacterList::selectedItem() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? nullptr : selected.constFirst();
}

std::optional<uint16_t> CharacterList::selectedCode() const {
  const QListWidgetItem* item = selectedItem();
  if (!item) return std::nullopt;
  return codeOf(item);
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

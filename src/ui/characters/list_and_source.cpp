#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <vector>

#include "ui/canvas/panel.h"
#include "ui/characters/character_list.h"
#include "ui/characters/list_caption.h"
#include "ui/main/choice_group.h"
#include "ui/main/main_window.h"
#include "ui/platform/gbk.h"

// The list shows the shapes in code order, which is the order of their list bytes: the
// single-byte characters first, then the GBK characters as the code table has them. Shapes
// with the same code keep their file order.
void TFmMain::refillCharacterList() {
  const QSignalBlocker quiet(RzListBox1);
  RzListBox1->setUpdatesEnabled(false);
  RzListBox1->clear();
  if (shapeFile) {
    std::vector<const GShape*> shapes;
    for (int i = 0; i < shapeFile->shapeCount(); ++i) shapes.push_back(shapeFile->shapeAtIndex(i));
    std::stable_sort(shapes.begin(), shapes.end(),
                     [](const GShape* a, const GShape* b) { return a->code() < b->code(); });
    for (const GShape* shape : shapes) {
      const std::string bytes = shape->listText();
      RzListBox1->addCharacter(listCaption(bytes, shape->code()), shape->code(), bytes);
    }
  }
  RzListBox1->setUpdatesEnabled(true);
}

// Selects the first item showing `text` (list bytes) without running the list's click.
bool TFmMain::selectListItemByText(const std::string& text) {
  for (int row = 0; row < RzListBox1->count(); ++row) {
    if (CharacterList::bytesOf(RzListBox1->item(row)) == text) {
      const QSignalBlocker quiet(RzListBox1);
      RzListBox1->setCurrentRow(row);
      return true;
    }
  }
  return false;
}

const QListWidgetItem* TFmMain::selectedListItem() const {
  const QList<QListWidgetItem*> picked = RzListBox1->selectedItems();
  return picked.isEmpty() ? nullptr : picked.constFirst();
}

std::string TFmMain::selectedListText() const {
  const QListWidgetItem* item = selectedListItem();
  return item ? CharacterList::bytesOf(item) : std::string();
}

// The source view shows the current shape's text as the file will hold it.
void TFmMain::fillSourceView() {
  QStringList lines;
  if (currentShape) {
    std::vector<std::string> text;
    currentShape->writeTo(text);
    for (const std::string& line : text) lines << fromGbk(line);
  }
  RzMemo1->setPlainText(lines.join(QLatin1Char('\n')));
}

// Picking a character. The item's own code finds the shape, so codes that the list bytes
// do not give back (128 to 255, Unicode shape numbers) find theirs too; currentChar keeps
// the list bytes for the settings file and the reference glyph.
void TFmMain::RzListBox1Click() {
  if (!shapeFile) return;
  const QListWidgetItem* item = selectedListItem();
  currentChar = item ? CharacterList::bytesOf(item) : std::string();
  currentShape = item ? shapeFile->findShape(CharacterList::codeOf(item)) : nullptr;
  gestures.forgetShape();
  Panel->repaint();
  RzRadioGroup1->setItemIndex(0);
  fillSourceView();
  updateCommandStates();
}

// The source view is for reading only: a selection made in it goes at once.
void TFmMain::RzMemo1ClipboardChange(bool hasSelection) {
  if (!hasSelection) return;
  QTextCursor cursor = RzMemo1->textCursor();
  cursor.clearSelection();
  RzMemo1->setTextCursor(cursor);
}

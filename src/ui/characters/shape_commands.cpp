#include <QAction>
#include <QListWidget>
#include <QUndoStack>

#include "editing/character_sets.h"
#include "ui/characters/character_list.h"
#include "ui/edits/add_shapes_command.h"
#include "ui/edits/delete_shape_command.h"
#include "ui/main/main_window.h"
#include "ui/platform/gbk.h"

void TFmMain::connectCharacterCommands() {
  bind(NNewShape, &QAction::triggered, [this] { NNewShapeClick(); });
  bind(NDeleteShape, &QAction::triggered, [this] { NDeleteShapeClick(); });
  bind(NFindShape, &QAction::triggered, [this] { NFindShapeClick(); });
  // Ctrl+F finds from anywhere in the window; while a character is current the editor's
  // keys take it instead, so it runs once.
  addAction(NFindShape);
  for (QAction* item : {NMCut, NCut}) bind(item, &QAction::triggered, [this] { NCutClick(); });
  for (QAction* item : {NMCopy, NCopy}) bind(item, &QAction::triggered, [this] { NCopyClick(); });
  for (QAction* item : {NMPaste, NPaste, BtnPasteAction})
    bind(item, &QAction::triggered, [this] { NPasteClick(); });
}

// One add is one undo step, however many characters it appends.
void TFmMain::NNewShapeClick() {
  if (!shapeFile) return;
  const std::optional<std::string> text = prompts->askCharacters();
  if (!text) return;
  const int firstIndex = shapeFile->shapeCount();
  const uint16_t countBefore = shapeFile->characterCount();
  const std::string selectedBefore = selectedListText();
  const AddedCharacters result = addCharacters(*shapeFile, *text, gridWidth);
  if (result.added) {
    refillCharacterList();
    undoStack->push(
        new AddShapesCommand(*this, firstIndex, countBefore, selectedBefore, result.firstText));
    updateCaption();
    updateCommandStates();
  }
  if (!result.firstText.empty()) selectListItemByText(result.firstText);
  RzListBox1Click();
  updateCommandStates();
}

// The item that followed the deleted one in the list takes its row.
void TFmMain::NDeleteShapeClick() {
  if (!shapeFile || !currentShape) return;
  if (prompts->ask(QStringLiteral("删除的字形将不可恢复，请再次确认是否真的要删除！"),
                   Prompts::Question::OkCancelWarningCancel) != Prompts::Answer::Ok) {
    return;
  }
  const int row = RzListBox1->currentRow();
  const int index = shapeFile->indexOf(currentShape);
  currentShape = nullptr;
  gestures.forgetShape();
  std::unique_ptr<GShape> removed = shapeFile->takeShapeAt(index);
  showChangedList(std::string(), row);
  undoStack->push(new DeleteShapeCommand(*this, index, row, std::move(removed)));
  updateCaption();
  updateCommandStates();
}

// A character is found by its one or two GBK bytes; nothing found leaves the selection.
void TFmMain::NFindShapeClick() {
  if (!shapeFile) return;
  const QString typed = prompts
                            ->inputText(QStringLiteral("查找字符"),
                                        QStringLiteral("请输入您要查找的字符：     "), QString())
                            .value_or(QString());
  std::string bytes;
  try {
    bytes = toGbk(typed);
  } catch (const GbkError&) {
    prompts->ask(QStringLiteral("“%1”中有GBK编码中没有的字符，无法查找。").arg(typed),
                 Prompts::Question::OkError);
    return;
  }
  selectListItemByText(bytes.substr(0, 2));
  RzListBox1Click();
}

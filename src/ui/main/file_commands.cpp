#include <QAction>
#include <QCloseEvent>
#include <QListWidget>
#include <QSpinBox>
#include <stdexcept>

#include "platform/path_names.h"
#include "ui/canvas/panel.h"
#include "ui/characters/character_list.h"
#include "ui/main/choice_group.h"
#include "ui/main/file_names.h"
#include "ui/main/main_window.h"
#include "ui/platform/gbk.h"

void TFmMain::connectFileCommands() {
  bind(NMNew, &QAction::triggered, [this] { NMNewClick(); });
  bind(NMOpen, &QAction::triggered, [this] { NMOpenClick(); });
  bind(NMSave, &QAction::triggered, [this] { NMSaveClick(); });
  bind(NMSaveAs, &QAction::triggered, [this] { NMSaveAsClick(); });
  bind(NMClose, &QAction::triggered, [this] { BtnCloseClick(); });
  bind(NMExit, &QAction::triggered, [this] { NMExitClick(); });
}

// New and Open run only while no file is open (the commands are disabled otherwise): an
// open font is never dropped without the question of Close.
void TFmMain::NMNewClick() {
  if (shapeFile) return;
  const std::optional<std::string> chosen = askNewFontPath(QString());
  if (!chosen) return;
  auto file = std::make_unique<GShpFile>(gridAbove, gridBelow);
  file->setKind(GShpFile::kindAscii);
  file->setDirection(directionFlag);
  openNewFont(std::move(file), *chosen);
}

void TFmMain::openNewFont(std::unique_ptr<GShpFile> file, const std::string& path) {
  const bool exists = fileExists(path);
  file->setFontName(fontNameOf(path));
  file->setGridIndex(gridSizeIndex);
  showShapeFile(std::move(file), path);
  if (exists) {
    try {
      saveSettings(filePath);
    } catch (const std::exception&) {
      // The new font is not kept: the window holds no file again, as after a failed Open.
      closeShapeFile();
      throw;
    }
  }
  forgetSteps();
  changedOutsideSteps = true;  // a new file is unsaved until it is saved
  updateModified();
  updateCaption();
  updateCommandStates();
}

std::optional<std::string> TFmMain::askNewFontPath(const QString& proposedPath) {
  OpenDialog.title = QStringLiteral("新建AutoCAD字体定义文件");
  OpenDialog.proposedPath = proposedPath;
  const std::optional<QString> chosen = prompts->openFile(OpenDialog);
  OpenDialog.proposedPath.clear();
  if (!chosen) return std::nullopt;
  const std::string path = pathOf(*chosen);
  if (fileExists(path) &&
      prompts->ask(QStringLiteral("您要创建的文件已存在，继续创建将会覆盖原来的文件，请确认"),
                   Prompts::Question::OkCancelWarning) != Prompts::Answer::Ok) {
    return std::nullopt;
  }
  return path;
}

void TFmMain::NMOpenClick() {
  if (shapeFile) return;
  OpenDialog.title = QStringLiteral("选择AutoCAD字体定义文件");
  const std::optional<QString> chosen = prompts->openFile(OpenDialog);
  if (!chosen) return;
  RzRadioGroup2->setItemIndex(0);
  gestures.forgetShape();
  gestures.pendingInsert = 0;
  shapeFile = std::make_unique<GShpFile>();
  const StateBeforeOpen before = stateBeforeOpen();
  filePath = pathOf(*chosen);
  loadSettings(filePath);
  forgetSteps();
  updateCaption();
  try {
    shapeFile->load(filePath);
  } catch (const std::exception&) {
    // A font that could not be read whole is not kept: the window goes back to holding
    // no file, with nothing of that font's settings applied, and the error (naming the
    // file and the line) is shown.
    closeShapeFile();
    restoreStateBeforeOpen(before);
    throw;
  }

  refillCharacterList();
  const bool listed = selectListItemByText(currentChar);
  markFontItems();
  setGridMetrics(shapeFile->above(), shapeFile->below());
  // The selected item knows its shape's code even where the text alone would not tell it.
  currentShape =
      listed ? shapeFile->findShape(CharacterList::codeOf(RzListBox1->currentItem())) : nullptr;
  Panel->repaint();
  if (currentShape) fillSourceView();
  updateCommandStates();
}

TFmMain::StateBeforeOpen TFmMain::stateBeforeOpen() const {
  return {currentSettings(),
          currentChar,
          directionFlag,
          gridSizeIndex,
          RzFontListBox1->currentRow(),
          refFont};
}

// The reference controls go back first: their change handlers set the fields again,
// which then take the values from before.
void TFmMain::restoreStateBeforeOpen(const StateBeforeOpen& state) {
  const SettingsRecord& s = state.settings;
  RzRadioGroup3->setItemIndex(static_cast<int8_t>(s.refMode));
  RzFontListBox1->setCurrentRow(state.referenceFaceRow);
  RzSpinEdit1->setValue(s.refFontSize);
  takeReferenceAndPanes(s);
  refFont = state.refFont;
  currentChar = state.currentChar;
  directionFlag = state.directionFlag;
  gridSizeIndex = state.gridSizeIndex;
  move(s.windowLeft, s.windowTop);
  resize(s.windowWidth, s.windowHeight);
  Panel->repaint();
}

// Save and Save As. The font takes the target's name only once it is written there, so
// after a failed Save As the caption and the next Save still name the file holding it.
void TFmMain::saveTo(const std::string& target) {
  const std::string fontNameBefore = shapeFile->fontName();
  shapeFile->setFontName(fontNameOf(target));
  shapeFile->removeAllRepeats();
  // Removing repeats may have destroyed the point the last click hit.
  gestures.forgetHotPointUnlessIn(currentShape);
  // The source view shows the shortened definition, also when a save below fails.
  if (currentShape) fillSourceView();
  try {
    shapeFile->save(target);
  } catch (const std::exception&) {
    // Close saves without setting the name, so after a failed Save As the font keeps
    // the one it had rather than the name of a file that was never written.
    if (target != filePath) shapeFile->setFontName(fontNameBefore);
    throw;
  }
  filePath = target;
  updateCaption();
  saveSettings(filePath);
  if (currentShape) {
    currentShape->clearSelection();
    Panel->repaint();
  }
  markSaved();
  RzRadioGroup1->setItemIndex(0);
  updateCaption();
  updateCommandStates();
}

void TFmMain::NMSaveClick() {
  if (!shapeFile) return;
  saveTo(filePath);
}

void TFmMain::NMSaveAsClick() {
  if (!shapeFile) return;
  const std::optional<QString> chosen = prompts->saveFile(SaveDialog);
  if (!chosen) return;
  saveTo(pathOf(*chosen));
}

bool TFmMain::offerToSave() {
  if (!modified) return false;
  if (prompts->ask(QStringLiteral("文件已修改,是否保存"), Prompts::Question::YesNoWarning) !=
      Prompts::Answer::Yes) {
    return false;
  }
  shapeFile->save(filePath);
  return true;
}

void TFmMain::BtnCloseClick() {
  if (!shapeFile) return;
  offerToSave();
  saveSettings(filePath);
  RzRadioGroup3->setItemIndex(0);
  refMode = 0;
  closeShapeFile();
}

// Back to holding no file: empty caption path, list and source view, grid only.
void TFmMain::closeShapeFile() {
  gestures.pendingInsert = 0;
  filePath.clear();
  forgetSteps();
  showShapeFile(nullptr, filePath);
}

void TFmMain::NMExitClick() { close(); }

void TFmMain::FormClose() {
  if (!shapeFile || !offerToSave()) return;
  saveSettings(filePath);
  markSaved();
  updateCaption();
  updateCommandStates();
}

// A save that fails while closing keeps the window open, with the error shown.
void TFmMain::closeEvent(QCloseEvent* event) {
  bool closed = false;
  guarded(*prompts, [&] {
    FormClose();
    closed = true;
  })();
  if (closed) {
    event->accept();
  } else {
    event->ignore();
  }
}

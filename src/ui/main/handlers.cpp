#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

#include "drafting/glyph_drafter.h"
#include "platform/version_info.h"
#include "ui/canvas/editor_keys.h"
#include "ui/canvas/panel.h"
#include "ui/canvas/point_commands.h"
#include "ui/characters/batch_commands.h"
#include "ui/characters/character_commands.h"
#include "ui/characters/character_list.h"
#include "ui/characters/source_view.h"
#include "ui/document/font_document.h"
#include "ui/drafting/draft_commands.h"
#include "ui/main/data_files.h"
#include "ui/main/file_commands.h"
#include "ui/main/main_window.h"
#include "ui/overview/character_overview.h"
#include "ui/overview/review_list.h"
#include "ui/reference/reference_underlay.h"
#include "ui/shared/choice_group.h"

namespace {

void stepGroup(ChoiceGroup* group) {
  group->setItemIndex(nextItemIndex(group->itemIndex(), group->count()));
}

}  // namespace

// The views follow the document by themselves; the window keeps caption and commands up to
// date and answers the commands' wishes for its own controls.
void TFmMain::connectHandlers() {
  connectDocument();
  connectFileCommands();
  connectFontCommands();
  connectCharacterCommands();
  connectPointCommands();
  connectSidePanel();
}

void TFmMain::connectDocument() {
  for (auto changed :
       {&FontDocument::fileChanged, &FontDocument::currentChanged, &FontDocument::metricsChanged})
    connect(fontDocument, changed, this, &TFmMain::updateCommandStates);
  connect(fontDocument, &FontDocument::shapesChanged, this, &TFmMain::updateCommandStates);
  connect(fontDocument, &FontDocument::selectionChanged, this, [this] {
    updateCommandStates();
    const size_t selected = fontDocument->selection().size();
    selectionPane->setText(selected ? QStringLiteral("已选 %1 个字符").arg(selected) : QString());
  });
  // The pen mode goes back to pen up with every pick, also of the character already current.
  connect(fontDocument, &FontDocument::picked, this, [this] { RzRadioGroup1->setItemIndex(0); });
  connect(characterCommands, &CharacterCommands::clipboardChanged, this,
          &TFmMain::updateCommandStates);
  connect(fontDocument, &FontDocument::pathChanged, this, &TFmMain::updateCaption);
  connect(fontDocument, &FontDocument::modifiedChanged, this, &TFmMain::updateCaption);
}

void TFmMain::connectFileCommands() {
  const MainActions& a = actions;
  bind(a.NMNew, &QAction::triggered, [this] { NMNewClick(); });
  bind(a.NMOpen, &QAction::triggered, [this] { NMOpenClick(); });
  bind(a.NMSave, &QAction::triggered, [this] { NMSaveClick(); });
  bind(a.NMSaveAs, &QAction::triggered, [this] { NMSaveAsClick(); });
  bind(a.NMClose, &QAction::triggered, [this] { BtnCloseClick(); });
  bind(a.NMExit, &QAction::triggered, [this] { NMExitClick(); });
  bind(a.NMExportSHX, &QAction::triggered, [this] { NMExportSHXClick(); });
  bind(a.NMImport, &QAction::triggered, [this] { NMImportClick(); });
  connect(fileCommands, &FileCommands::opening, this, [this] { RzRadioGroup2->setItemIndex(0); });
  connect(fileCommands, &FileCommands::fontShown, this, &TFmMain::markFontItems);
  connect(fileCommands, &FileCommands::saved, this, [this] { RzRadioGroup1->setItemIndex(0); });
  // The review marks are written beside the font with every save.
  bind(fileCommands, &FileCommands::saved, [this] { overview->reviewList().save(); });
  connect(fileCommands, &FileCommands::closing, reference, &ReferenceUnderlay::switchOff);
  bind(fileCommands, &FileCommands::closing, [this] { overview->reviewList().save(); });
  connect(fileCommands, &FileCommands::exported, this,
          [this](const QString& path, const QString& extension) {
            RzStatusPane2->setText((extension == QLatin1String("SHX")
                                        ? QStringLiteral("已导出SHX字体文件：%1")
                                        : QStringLiteral("已导出字体文件：%1"))
                                       .arg(path));
          });
  for (QAction* item : {a.NMReadme, a.BtnHelpAction})
    bind(item, &QAction::triggered, [this] { NMReadmeClick(); });
  bind(a.NMAbout, &QAction::triggered, [this] { NMAboutClick(); });
}

void TFmMain::connectCharacterCommands() {
  const MainActions& a = actions;
  bind(a.NMDraft, &QAction::triggered, [this] { draftCommands->draftCurrent(); });
  bind(a.NMDraftBatch, &QAction::triggered, [this] { draftCommands->draftMany(); });
  bind(a.NMRedraft, &QAction::triggered,
       [this] { draftCommands->draftMany(Prompts::DraftChoice::listSelection); });
  bind(a.NMPlaceReference, &QAction::triggered, [this] { placeReference(); });
  bind(draftCommands, &DraftCommands::faceDrafted, [this] { placeReference(); });
  connect(Panel, &CanvasPanel::resized, this, [this] { reference->followGrid(Panel->layout()); });
  connect(fontDocument, &FontDocument::currentChanged, this, [this] {
    if (!reference->followsDraft()) return;
    if (const std::optional<GlyphPlacement> placed = draftCommands->referencePlacement(false))
      reference->followGlyph(Panel->layout(), *placed);
  });
  bind(a.NMTransform, &QAction::triggered, [this] { batchCommands->transform(); });
  bind(a.NMCentre, &QAction::triggered, [this] { batchCommands->centre(); });
  bind(a.NMFitCell, &QAction::triggered, [this] { batchCommands->fitToCell(); });
  bind(a.NMSetWidth, &QAction::triggered, [this] { batchCommands->setWidth(); });
  bind(a.NMDeleteCharacters, &QAction::triggered, [this] { batchCommands->remove(); });

  bind(a.NNewShape, &QAction::triggered, [this] { NNewShapeClick(); });
  bind(a.NDeleteShape, &QAction::triggered, [this] { NDeleteShapeClick(); });
  bind(a.NFindShape, &QAction::triggered, [this] { NFindShapeClick(); });
  // Ctrl+F finds from anywhere in the window; while a character is current the editor's
  // keys take it instead, so it runs once.
  addAction(a.NFindShape);
  for (QAction* item : {a.NMCut, a.NCut}) bind(item, &QAction::triggered, [this] { NCutClick(); });
  for (QAction* item : {a.NMCopy, a.NCopy})
    bind(item, &QAction::triggered, [this] { NCopyClick(); });
  for (QAction* item : {a.NMPaste, a.NPaste, a.BtnPasteAction})
    bind(item, &QAction::triggered, [this] { NPasteClick(); });
  bind(RzListBox1, &CharacterList::picked, [this] { RzListBox1Click(); });
  bind(RzMemo1, &QPlainTextEdit::copyAvailable,
       [this](bool hasSelection) { RzMemo1ClipboardChange(hasSelection); });
}

void TFmMain::connectPointCommands() {
  const MainActions& a = actions;
  // The menu item and its pop-up twin share the handler; the insert items are pop-up only.
  struct PointItems {
    QAction* menuItem;
    QAction* popupItem;
    void (TFmMain::*handler)();
  };
  const PointItems pointItems[] = {
      {a.NMSelectLine, a.NSelecteLine, &TFmMain::NSelecteLineClick},
      {a.NMSelectInvert, a.NSelecteInvert, &TFmMain::NSelecteInvertClick},
      {a.NMSeleceAll, a.NSelecteAll, &TFmMain::NSelecteAllClick},
      {a.NMDeselectAll, a.NDeselecteAll, &TFmMain::NDeselecteAllClick},
      {a.NMDeletePoint, a.NDelPoint, &TFmMain::NDelPointClick},
      {a.NMDeleteSel, a.NDelSel, &TFmMain::NDelSelClick},
      {a.NMDeleteAll, a.NDelAll, &TFmMain::NDelAllClick},
      {nullptr, a.NInsertVirtualBefore, &TFmMain::NInsertVirtualBeforeClick},
      {nullptr, a.NInsertRealBefore, &TFmMain::NInsertRealBeforeClick},
      {nullptr, a.NInsertVirtualAfter, &TFmMain::NInsertVirtualAfterClick},
      {nullptr, a.NInsertRealAfter, &TFmMain::NInsertRealAfterClick},
  };
  for (const PointItems& command : pointItems) {
    for (QAction* item : {command.menuItem, command.popupItem}) {
      if (item) bind(item, &QAction::triggered, [this, h = command.handler] { (this->*h)(); });
    }
  }
  bind(ShapePopMenu, &QMenu::aboutToShow, [this] { ShapePopMenuPopup(); });
  // Runs once the event that closed the menu has been delivered, a click on the canvas too.
  connect(
      ShapePopMenu, &QMenu::aboutToHide, Panel, [this] { Panel->gestures().popupClosed(); },
      Qt::QueuedConnection);
  Panel->onMouseDown = guarded(*prompts, [this](const QMouseEvent& e) { PanelMouseDown(e); });
  Panel->onMouseMove = guarded(*prompts, [this](const QMouseEvent& e) { PanelMouseMove(e); });
  Panel->onMouseUp = guarded(*prompts, [this](const QMouseEvent& e) { PanelMouseUp(e); });
  connect(Panel, &CanvasPanel::cursorMoved, this, [this](int32_t x, int32_t y) {
    RzStatusPane1->setText(QString::asprintf("当前坐标[ X:%03d,Y:%03d ]", x, y));
  });
  connect(Panel, &CanvasPanel::insertItemsEnabled, this, [this](bool enabled) {
    for (QAction* item : {actions.NInsertVirtualBefore, actions.NInsertRealBefore,
                          actions.NInsertVirtualAfter, actions.NInsertRealAfter})
      item->setEnabled(enabled);
  });
  qApp->installEventFilter(new EditorKeys(
      *this, *fontDocument, guarded(*prompts, [this](KeyCommand c) { FormKeyUp(c); })));
}

void TFmMain::connectSidePanel() {
  bind(RzCheckGroup1, &ChoiceGroup::changed,
       [this](int index, bool checked) { RzCheckGroup1Change(index, checked); });
  bind(RzRadioGroup1, &ChoiceGroup::changing,
       [this](int newIndex) { RzRadioGroup1Changing(newIndex); });
  bind(RzRadioGroup2, &ChoiceGroup::changing,
       [this](int newIndex) { RzRadioGroup2Changing(newIndex); });

  // Checking the display items runs their handler, which turns both switches on.
  RzCheckGroup1->setChecked(0, true);
  RzCheckGroup1->setChecked(1, true);
}

void TFmMain::NMNewClick() { fileCommands->newFont(); }
void TFmMain::NMOpenClick() { fileCommands->open(); }
void TFmMain::NMSaveClick() { fileCommands->save(); }
void TFmMain::NMSaveAsClick() { fileCommands->saveAs(); }
void TFmMain::NMExportSHXClick() { fileCommands->exportFont(); }
void TFmMain::NMImportClick() { fileCommands->import(); }
void TFmMain::BtnCloseClick() { fileCommands->close(); }
void TFmMain::NMExitClick() { close(); }
bool TFmMain::FormClose() { return fileCommands->closeWindow(); }

void TFmMain::PanelPaint(QPainter& canvas) { Panel->paint(canvas); }
void TFmMain::PanelMouseDown(const QMouseEvent& event) { Panel->mouseDown(event); }
void TFmMain::PanelMouseMove(const QMouseEvent& event) { Panel->mouseMove(event); }
void TFmMain::PanelMouseUp(const QMouseEvent& event) { Panel->mouseUp(event); }
void TFmMain::ShapePopMenuPopup() { Panel->gestures().popupShown(); }

void TFmMain::NSelecteLineClick() { pointCommands->selectLine(); }
void TFmMain::NSelecteInvertClick() { pointCommands->invertSelection(); }
void TFmMain::NSelecteAllClick() { pointCommands->selectAll(); }
void TFmMain::NDeselecteAllClick() { pointCommands->deselectAll(); }
void TFmMain::NDelPointClick() { pointCommands->deletePoint(); }
void TFmMain::NDelSelClick() { pointCommands->deleteSelected(); }
void TFmMain::NDelAllClick() { pointCommands->deleteAll(); }
void TFmMain::NInsertVirtualBeforeClick() {
  pointCommands->armInsert(PendingInsert::VirtualBefore);
}
void TFmMain::NInsertRealBeforeClick() { pointCommands->armInsert(PendingInsert::RealBefore); }
void TFmMain::NInsertVirtualAfterClick() { pointCommands->armInsert(PendingInsert::VirtualAfter); }
void TFmMain::NInsertRealAfterClick() { pointCommands->armInsert(PendingInsert::RealAfter); }

void TFmMain::NNewShapeClick() { characterCommands->add(); }
void TFmMain::NDeleteShapeClick() { characterCommands->remove(); }
void TFmMain::NFindShapeClick() { characterCommands->find(); }
void TFmMain::NCutClick() { characterCommands->cut(); }
void TFmMain::NCopyClick() { characterCommands->copy(); }
void TFmMain::NPasteClick() { characterCommands->paste(); }

void TFmMain::placeReference() {
  if (const std::optional<GlyphPlacement> placed = draftCommands->referencePlacement())
    reference->placeUnder(Panel->layout(), *placed);
}

void TFmMain::RzListBox1Click() {
  if (!fontDocument->file()) return;
  fontDocument->pick(RzListBox1->selectedCode());
}
void TFmMain::RzMemo1ClipboardChange(bool hasSelection) { RzMemo1->dropSelection(hasSelection); }

void TFmMain::RzCheckGroup1Change(int index, bool checked) {
  if (index == 0) Panel->setShowPenUpTrack(checked);
  if (index == 1) Panel->setShowPoints(checked);
}
// New points take the pen state; existing points keep theirs.
void TFmMain::RzRadioGroup1Changing(int newIndex) {
  if (newIndex == 0) Panel->gestures().cursorPoint.setVirtual();
  if (newIndex == 1) Panel->gestures().cursorPoint.setReal();
}
void TFmMain::RzRadioGroup2Changing(int newIndex) {
  Panel->gestures().editMode = static_cast<EditMode>(newIndex);
}
void TFmMain::RzRadioGroup3Click() { reference->modeClicked(); }
void TFmMain::RzFontListBox1Click() { reference->faceClicked(); }
void TFmMain::RzSpinEdit1Change() { reference->sizeChanged(); }
void TFmMain::RzBitBtn1Click() { reference->loadPicture(); }
void TFmMain::RzBitBtn2Click() { reference->clearPicture(); }

void TFmMain::FormKeyUp(KeyCommand command) {
  if (!fontDocument->file() || !fontDocument->currentShape()) return;
  switch (command) {
    case KeyCommand::None:
    case KeyCommand::Swallow:
      break;
    case KeyCommand::ClearSelection:
      pointCommands->deselectAll();
      break;
    case KeyCommand::NextPenMode:
      stepGroup(RzRadioGroup1);
      break;
    case KeyCommand::AddCursorPoint:
      pointCommands->addCursorPoint();
      break;
    case KeyCommand::DeleteSelected:
      pointCommands->deleteSelectedByKey();
      break;
    case KeyCommand::FindCharacter:
      NFindShapeClick();
      break;
    case KeyCommand::ToggleTrack:
      RzCheckGroup1->setChecked(0, !RzCheckGroup1->isChecked(0));
      break;
    case KeyCommand::TogglePoints:
      RzCheckGroup1->setChecked(1, !RzCheckGroup1->isChecked(1));
      break;
    case KeyCommand::NextEditMode:
      stepGroup(RzRadioGroup2);
      break;
    case KeyCommand::NextReferenceMode:
      stepGroup(reference->RzRadioGroup3);
      break;
  }
}

// The manual lies beside the program or where it is installed; the desktop's viewer opens it,
// in that directory. Whether it is there is the viewer's business.
void TFmMain::NMReadmeClick() {
  const QFileInfo manual(dataFilePath(QStringLiteral("用户手册.pdf")));
  prompts->openDocument(manual.absoluteFilePath(), manual.absolutePath() + QLatin1Char('/'));
}

void TFmMain::NMAboutClick() { prompts->showAbout(VersionInfo::ofProgram()); }

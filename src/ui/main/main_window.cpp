#include "ui/main/main_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusTipEvent>

#include "ui/canvas/panel.h"
#include "ui/characters/character_list.h"
#include "ui/main/choice_group.h"
#include "ui/main/file_names.h"
#include "ui/main/form_font.h"
#include "ui/platform/gbk.h"

namespace {

QString applicationTitle() { return QCoreApplication::applicationName(); }

}  // namespace

TFmMain::TFmMain(std::unique_ptr<Prompts> prompts, QWidget* parent)
    : QMainWindow(parent), prompts(std::move(prompts)) {
  setObjectName(QStringLiteral("FmMain"));
  setFont(formFont(12));
  resize(811, 712);
  setMinimumSize(800, 712);
  createDialogs();
  createActions();
  createUndoActions();
  createMenus();
  createPopupMenus();
  createToolBar();
  createPanes();
  createSidePanel();
  createStatusBar();
  setDesignPaneSizes();
  connectHandlers();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  initialiseState();
  updateCommandStates();
}

TFmMain::~TFmMain() { FormDestroy(); }

// Qt destroys the child widgets and the undo stack after this window's own members; what
// they signal on the way (the stack's clearing, a list losing its rows) must not reach the
// half-destroyed window.
void TFmMain::FormDestroy() {
  qApp->removeEventFilter(this);
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
  refJpeg.reset();
  refBitmap.reset();
}

// The open dialog's title is set by each command that runs it.
void TFmMain::createDialogs() {
  const QString shapeFiles = QStringLiteral("AUTOCAD形定义文件(*.SHP)|*.SHP");
  OpenDialog = {QString(), shapeFiles, QStringLiteral("*.SHP"), QString()};
  SaveDialog = {QStringLiteral("请选择文件夹"), shapeFiles, QStringLiteral("*.SHP"), QString()};
  ExportDialog = {QStringLiteral("导出SHX字体文件"), QStringLiteral("SHX字体文件(*.SHX)|*.SHX"),
                  QStringLiteral("*.SHX"), QString()};
  ImportDialog = {QStringLiteral("选择要导入的AutoCAD形文件"),
                  QStringLiteral("AutoCAD形文件(*.SHP;*.SHX)|*.SHP;*.SHX"), QString(), QString()};
  OpenPictureDialog = {QString(),
                       QStringLiteral("All (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|"
                                      "JPEG Image File (*.jpg)|*.jpg|"
                                      "JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp"),
                       QString(), QString()};
}

void TFmMain::initialiseState() {
  refBitmap = std::make_unique<QImage>();
  refJpeg = std::make_unique<QImage>();
  setWindowTitle(applicationTitle());
  // Checking the display items runs their change handler, which turns both switches on.
  RzCheckGroup1->setChecked(0, true);
  RzCheckGroup1->setChecked(1, true);
  RzRadioGroup1->setItemIndex(0);
  gestures.cursorPoint.setVirtual();
  RzRadioGroup3->setItemIndex(0);
  {
    const QSignalBlocker quiet(RzFontListBox1);  // the start is no change of a font
    RzFontListBox1->setCurrentRow(0);
  }
  const QListWidgetItem* font = RzFontListBox1->currentItem();
  // The list only offers faces whose names GBK can hold.
  refFontName = font ? toGbk(font->text()) : std::string();
  refMode = 0;
  refFontSize = RzSpinEdit1->value();
  refFont = font ? QFont(font->text()) : QFont();
}

void TFmMain::connectHandlers() {
  connectFontCommands();
  bind(RzListBox1, &CharacterList::picked, [this] { RzListBox1Click(); });
  bind(RzMemo1, &QPlainTextEdit::copyAvailable,
       [this](bool hasSelection) { RzMemo1ClipboardChange(hasSelection); });
  bind(RzCheckGroup1, &ChoiceGroup::changed,
       [this](int index, bool checked) { RzCheckGroup1Change(index, checked); });
  bind(RzRadioGroup1, &ChoiceGroup::changing,
       [this](int newIndex) { RzRadioGroup1Changing(newIndex); });
  bind(RzRadioGroup2, &ChoiceGroup::changing,
       [this](int newIndex) { RzRadioGroup2Changing(newIndex); });
  Panel->onPaint = [this](QPainter& canvas) { PanelPaint(canvas); };
  Panel->onMouseDown = guarded(*prompts, [this](const QMouseEvent& e) { PanelMouseDown(e); });
  Panel->onMouseMove = guarded(*prompts, [this](const QMouseEvent& e) { PanelMouseMove(e); });
  Panel->onMouseUp = guarded(*prompts, [this](const QMouseEvent& e) { PanelMouseUp(e); });
  connectPointCommands();
  connectCharacterCommands();
  connectReferenceCommands();
  connectHelpCommands();
  qApp->installEventFilter(this);
  connectFileCommands();
  connectCompiledFontCommands();
}

void TFmMain::showShapeFile(std::unique_ptr<GShpFile> file, const std::string& path) {
  currentShape = nullptr;
  gestures.forgetShape();
  shapeFile = std::move(file);
  filePath = path;
  refillCharacterList();
  if (shapeFile) setGridMetrics(shapeFile->above(), shapeFile->below());
  Panel->repaint();
  fillSourceView();
  updateCaption();
  updateCommandStates();
}

uint8_t TFmMain::setGridMetrics(uint8_t above, uint8_t below) {
  gridAbove = above;
  gridBelow = below;
  gridWidth = gridHeight = static_cast<uint8_t>(above + below);
  return gridWidth;
}

void TFmMain::updateCaption() {
  setWindowTitle(applicationTitle() + QStringLiteral("  ") + displayedPath(filePath) +
                 (modified ? QStringLiteral(" *") : QString()));
}

void TFmMain::DisplayHint(const QString& longHint) {
  RzStatusPane2->setText(longHint.isEmpty() ? QStringLiteral("就绪") : longHint);
}

bool TFmMain::event(QEvent* event) {
  // Qt's status tips are the long parts of the hints; they take the place of the
  // status bar's own message.
  if (event->type() == QEvent::StatusTip) {
    DisplayHint(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

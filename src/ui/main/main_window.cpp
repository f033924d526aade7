#include "ui/main/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QStatusTipEvent>

#include "shapefile/shpfile.h"
#include "ui/canvas/panel.h"
#include "ui/canvas/point_commands.h"
#include "ui/characters/batch_commands.h"
#include "ui/characters/character_commands.h"
#include "ui/characters/character_list.h"
#include "ui/document/font_document.h"
#include "ui/drafting/draft_commands.h"
#include "ui/main/file_commands.h"
#include "ui/main/font_setup.h"
#include "ui/main/settings.h"
#include "ui/main/window_layout.h"
#include "ui/reference/reference_underlay.h"
#include "ui/shared/choice_group.h"
#include "ui/shared/file_names.h"
#include "ui/shared/form_font.h"

TFmMain::TFmMain(std::unique_ptr<Prompts> prompts, QWidget* parent)
    : QMainWindow(parent),
      prompts(std::move(prompts)),
      fontDocument(new FontDocument(this)),
      reference(new ReferenceUnderlay(*fontDocument, *this->prompts, this)) {
  setObjectName(QStringLiteral("FmMain"));
  setFont(formFont(12));
  resize(811, 712);
  setMinimumSize(800, 712);
  actions.create(this, fontDocument->undoStack());
  createMenus();
  createToolBar();
  createPanes();
  createSidePanel();
  createStatusBar();
  createViews();
  setDesignPaneSizes();
  createCommands();
  connectHandlers();
  restoreWindowLayout(*this);
  setWindowTitle(QCoreApplication::applicationName());
  updateCommandStates();
}

// Qt destroys the child widgets after this window's own members; what they signal on the
// way (a list losing its rows) must not reach the half-destroyed window.
TFmMain::~TFmMain() {
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

void TFmMain::createCommands() {
  settings =
      std::make_unique<FontSettings>(*fontDocument, *reference, *this, *RzSplitter1, *RzSplitter2);
  fontSetup = std::make_unique<FontSetup>(*fontDocument, *prompts);
  pointCommands = std::make_unique<PointCommands>(*fontDocument, *Panel);
  characterCommands = new CharacterCommands(*fontDocument, *prompts, this);
  fileCommands = new FileCommands(*fontDocument, *prompts, *settings, this);
  draftCommands = new DraftCommands(*fontDocument, *prompts, *reference, this);
  batchCommands = std::make_unique<BatchCommands>(*fontDocument, *prompts);
  batchCommands->showPreview = [this](std::unique_ptr<GShape> shape) {
    Panel->setPreview(std::move(shape));
  };
}

void TFmMain::showShapeFile(std::unique_ptr<GShpFile> file, const std::string& path) {
  fontDocument->setFile(std::move(file), path);
}

void TFmMain::openNamed(const std::string& path) { fileCommands->openNamed(path); }

uint8_t TFmMain::setGridMetrics(uint8_t above, uint8_t below) {
  return fontDocument->setGridMetrics(above, below);
}

void TFmMain::updateCaption() {
  setWindowTitle(QCoreApplication::applicationName() + QStringLiteral("  ") +
                 displayedPath(fontDocument->path()) +
                 (fontDocument->isModified() ? QStringLiteral(" *") : QString()));
}

void TFmMain::DisplayHint(const QString& longHint) {
  RzStatusPane2->setText(longHint.isEmpty() ? QStringLiteral("就绪") : longHint);
}

bool TFmMain::event(QEvent* event) {
  // Qt's status tips are the long parts of the hints; they take the place of the status
  // bar's own message.
  if (event->type() == QEvent::StatusTip) {
    DisplayHint(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

// A save that fails while closing keeps the window open, with the error shown.
void TFmMain::closeEvent(QCloseEvent* event) {
  bool closed = false;
  guarded(*prompts, [&] { closed = FormClose(); })();
  if (closed) {
    saveWindowLayout(*this);
    event->accept();
  } else {
    event->ignore();
  }
}

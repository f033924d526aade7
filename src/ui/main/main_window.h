#pragma once

#include <QMainWindow>
#include <memory>
#include <string>

#include "editing/key_commands.h"
#include "shapefile/shpfile.h"
#include "ui/main/main_actions.h"
#include "ui/platform/guarded.h"
#include "ui/platform/prompts.h"

class BatchCommands;
class CanvasPanel;
class CharacterCommands;
class CharacterOverview;
class DraftCommands;
class CharacterList;
class ChoiceGroup;
class FileCommands;
class FontDocument;
class FontSettings;
class FontSetup;
class PointCommands;
class QLabel;
class QMenu;
class QSplitter;
class ReferenceUnderlay;
class SourceView;
class TextPreview;

// The editor window only assembles: the font document, the views that follow it, the commands
// by subject, actions, menus and tool bar. Each handler hands its work to the object doing it.
class TFmMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFmMain(std::unique_ptr<Prompts> prompts, QWidget* parent = nullptr);
  ~TFmMain() override;

  // Makes `file` the open font under `path` (file-system encoding); modified stays as it is.
  void showShapeFile(std::unique_ptr<GShpFile> file, const std::string& path);
  // Opens a font file named on the command line; errors are thrown to the caller.
  void openNamed(const std::string& path);
  // The grid metrics kept for the next new font; returns the side (the 8-bit sum).
  uint8_t setGridMetrics(uint8_t above, uint8_t below);
  void updateCaption();
  // Runs on every change of the document and the clipboard.
  void updateCommandStates();
  // Shows the long part of the hint under the mouse in the status bar, "就绪" for none.
  void DisplayHint(const QString& longHint);

  // Handlers.
  void NMNewClick();
  void NMOpenClick();
  void NMSaveClick();
  void NMSaveAsClick();
  void NMExportSHXClick();
  void NMImportClick();
  void BtnCloseClick();
  void NMExitClick();
  bool FormClose();
  void PanelPaint(QPainter& canvas);
  void PanelMouseDown(const QMouseEvent& event);
  void PanelMouseMove(const QMouseEvent& event);
  void PanelMouseUp(const QMouseEvent& event);
  void FormKeyUp(KeyCommand command);
  void ShapePopMenuPopup();
  void NSelecteLineClick();
  void NSelecteInvertClick();
  void NSelecteAllClick();
  void NDeselecteAllClick();
  void NDelPointClick();
  void NDelSelClick();
  void NDelAllClick();
  void NInsertVirtualBeforeClick();
  void NInsertRealBeforeClick();
  void NInsertVirtualAfterClick();
  void NInsertRealAfterClick();
  void NNewShapeClick();
  void NDeleteShapeClick();
  void NFindShapeClick();
  void NCutClick();
  void NCopyClick();
  void NPasteClick();
  void RzListBox1Click();
  void RzMemo1ClipboardChange(bool hasSelection);
  void NMReadmeClick();
  void NMAboutClick();
  void RzCheckGroup1Change(int index, bool checked);
  void RzRadioGroup3Click();
  void RzFontListBox1Click();
  void RzSpinEdit1Change();
  void RzBitBtn1Click();
  void RzBitBtn2Click();
  void RzRadioGroup1Changing(int newIndex);
  void RzRadioGroup2Changing(int newIndex);
  void N1212Click(QAction* sender);
  void N2424Click(QAction* sender);
  void N3636Click(QAction* sender);
  void N4848Click(QAction* sender);
  void N6060Click(QAction* sender);
  void N7272Click(QAction* sender);
  void N8484Click(QAction* sender);
  void N9696Click(QAction* sender);
  void N108108Click(QAction* sender);
  void N120120Click(QAction* sender);
  void NMASCIIClick(QAction* sender);
  void NMUNIFONTClick(QAction* sender);
  void NMBIGFONTClick(QAction* sender);
  void NMFlagNormalClick(QAction* sender);
  void NMFlagLieClick(QAction* sender);

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend struct TFmMainProbe;  // tests reach the views and commands

  void createMenus();
  void createToolBar();
  void createPanes();
  void createSidePanel();
  void createStatusBar();
  void createViews();
  void setDesignPaneSizes();
  void createCommands();
  void connectHandlers();
  void connectDocument();
  void connectFileCommands();
  void connectFontCommands();
  void connectCharacterCommands();
  void connectPointCommands();
  void connectSidePanel();
  // The reference glyph where drafting puts the current character.
  void placeReference();
  // Marks the items of the three font submenus from the open font.
  void markFontItems();
  template <class Sender, class Signal, class Handler>
  void bind(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, guarded(*prompts, std::move(handler)));
  }

  std::unique_ptr<Prompts> prompts;
  FontDocument* fontDocument;
  ReferenceUnderlay* reference;
  MainActions actions;
  QMenu *NFile, *NMFontType, *NMFontSize, *NMFontFlag, *NShape, *NStroke, *NBatch, *NView, *NHelp;
  QMenu *ShapeFilePopMenu, *ShapePopMenu;
  QSplitter *RzSplitter1, *RzSplitter2;
  CharacterList* RzListBox1;
  CanvasPanel* Panel;
  SourceView* RzMemo1;
  TextPreview* textPreview;
  CharacterOverview* overview;
  QWidget* RzPanel1;
  ChoiceGroup *RzCheckGroup1, *RzRadioGroup1, *RzRadioGroup2;
  QLabel *RzStatusPane2, *RzStatusPane1;
  QLabel* selectionPane;  // how many characters are selected
  std::unique_ptr<FontSettings> settings;
  std::unique_ptr<FontSetup> fontSetup;
  std::unique_ptr<PointCommands> pointCommands;
  CharacterCommands* characterCommands;
  FileCommands* fileCommands;
  DraftCommands* draftCommands;
  std::unique_ptr<BatchCommands> batchCommands;
};

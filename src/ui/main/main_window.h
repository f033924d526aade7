#pragma once

#include <QFont>
#include <QImage>
#include <QMainWindow>
#include <QPoint>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "editing/edit_result.h"
#include "editing/grid_layout.h"
#include "editing/key_commands.h"
#include "editing/mouse_gestures.h"
#include "editing/point_snapshot.h"
#include "model/point.h"
#include "model/shape.h"
#include "shapefile/shpfile.h"
#include "ui/edits/edit_host.h"
#include "ui/main/settings_record.h"
#include "ui/platform/guarded.h"
#include "ui/platform/prompts.h"

class CanvasPanel;
class CharacterList;
class ChoiceGroup;
class QAction;
class QCloseEvent;
class QActionGroup;
class QFrame;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMouseEvent;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QSplitter;
class QStatusBar;
class QToolBar;
class QToolButton;
class QUndoStack;

// The editor window. It owns the open shape file and the whole editing state; its member
// functions are defined in the folder of the subsystem they belong to (ui/canvas/ paints,
// ui/characters/ runs the character list, …). Commands end with updateCaption() and
// updateCommandStates().
class TFmMain : public QMainWindow, private EditHost {
  Q_OBJECT
 public:
  explicit TFmMain(std::unique_ptr<Prompts> prompts, QWidget* parent = nullptr);
  ~TFmMain() override;

  // Makes `file` the open font under `path` (file-system encoding), as the file commands do
  // once a font has been created or read: no character is current, the list is refilled,
  // the grid takes the file's above and below, the canvas and the source view are renewed
  // and caption and commands brought up to date. `modified` is left as it is.
  void showShapeFile(std::unique_ptr<GShpFile> file, const std::string& path);

  // Sets the grid metrics (width and height become the 8-bit sum, which is returned). It
  // does not repaint.
  uint8_t setGridMetrics(uint8_t above, uint8_t below);
  void updateCaption();
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
  void FormClose();
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
  // Takes the editor's keys before the focused control sees them.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend struct TFmMainProbe;  // tests read the state fields

  // Construction steps.
  void createDialogs();
  void createActions();
  void createUndoActions();
  void createMenus();
  void createPopupMenus();
  void createToolBar();
  void createPanes();
  void createSidePanel();
  void createReferenceGroups();
  void createStatusBar();
  void setDesignPaneSizes();
  void connectHandlers();
  void initialiseState();
  void FormDestroy();

  QAction* newAction(const char* name, const QString& caption, const QString& hint = {});
  // Connects a handler through the error wrapper.
  template <class Sender, class Signal, class Handler>
  void bind(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, guarded(*prompts, std::move(handler)));
  }

  // Undo history. `modified` is true while the stack is off its saved state or something
  // outside the steps changed the file.
  GShpFile* editedFile() override;
  void showRestoredShape(GShape* shape) override;
  void showChangedList(const std::string& text, int row) override;
  void updateModified();
  void markChangedWithoutStep();
  // The history ends (New, Open, Close) and the file counts as unchanged.
  void forgetSteps();
  void markSaved();

  // File commands and the settings file.
  void connectFileCommands();
  void closeShapeFile();
  // What Open takes from the settings file before it reads the font; a font that cannot
  // be read puts the window back as it was.
  struct StateBeforeOpen {
    SettingsRecord settings;
    std::string currentChar;
    uint8_t directionFlag;
    uint8_t gridSizeIndex;
    int referenceFaceRow;
    QFont refFont;
  };
  StateBeforeOpen stateBeforeOpen() const;
  void restoreStateBeforeOpen(const StateBeforeOpen& state);
  void saveTo(const std::string& target);
  // Compiled fonts: export the open font, import any font into a new one.
  void connectCompiledFontCommands();
  // Where a new font goes, confirmed as New confirms it; nothing when the user declines.
  std::optional<std::string> askNewFontPath(const QString& proposedPath);
  // Makes a font no file holds yet the open one under path, unsaved, as New does.
  void openNewFont(std::unique_ptr<GShpFile> file, const std::string& path);
  // Asks whether to save a modified file and saves it on Yes; returns whether it saved.
  bool offerToSave();
  SettingsRecord currentSettings() const;
  void saveSettings(const std::string& path);
  void loadSettings(const std::string& path);
  // The reference fields and the pane sizes of a settings record (the controls stay).
  void takeReferenceAndPanes(const SettingsRecord& record);
  void setListWidth(int listWidth);
  void setMemoHeight(int memoHeight);

  // Adding, deleting and finding characters; the shape clipboard.
  void connectCharacterCommands();
  // Replaces the current character's outline by `outline` as one undo step.
  void replaceOutline(const QString& stepName, const GShape& outline);

  // Character list and source view.
  void refillCharacterList();
  bool selectListItemByText(const std::string& text);
  const QListWidgetItem* selectedListItem() const;
  std::string selectedListText() const;  // list bytes; empty when nothing is selected
  void fillSourceView();

  // Editing the current character. Every change to it runs through runEdit, which
  // carries out the refresh the edit asks for.
  void runEdit(const std::function<EditResult()>& edit);
  // Runs `edit` on the current character; nothing without an open file and a character.
  void editCurrentShape(const std::function<EditResult(GShape&)>& edit);
  void refreshAfterEdit(bool rewriteSource);
  // Pushes the change of `shape` since `before` as an undo step; false when its path is
  // unchanged.
  bool recordStep(GShape& shape, PointEdit edit, PointSnapshot before);
  void connectPointCommands();
  EditTarget editTarget() const;
  GestureOutcome showGestureOutcome(const GestureOutcome& outcome);
  void armInsert(uint8_t kind);
  bool takeEditorKey(QObject* watched, QKeyEvent* key);

  void connectHelpCommands();

  // Reference underlay.
  void connectReferenceCommands();
  void referenceChanged();
  void drawReference(QPainter& canvas, uint8_t mode);

  // Canvas.
  GridLayout gridLayout() const;
  GridLayout::Pixel gridToPixel(int32_t x, int32_t y) const;
  GPoint pixelToGrid(int32_t px, int32_t py) const;
  void drawGrid(QPainter& canvas, uint8_t columns, uint8_t rows);
  void drawShape(QPainter& canvas, GShape* shape, bool showTrack, bool showMarks);
  void drawPointMark(QPainter& canvas, const GPoint* point);
  void drawRubberBand(QPainter& canvas);

  // Font kind, grid size and direction.
  void connectFontCommands();
  // Sets the radio marks of the three font submenus from the open file.
  void markFontItems();
  void gridSizeClick(QAction* sender, uint8_t index);
  void setWholeHeightKind(QAction* sender, uint8_t kind);
  void setFontDirection(QAction* sender, uint8_t direction);
  void refuseFontKindChange();
  // The marks of the font submenus change only through their commands and markFontItems;
  // fontMarks keeps what those left (null: no item marked), kind, size and direction.
  void rememberFontMarks();
  void restoreFontMarks();
  std::array<QAction*, 3> fontMarks{};

  std::unique_ptr<Prompts> prompts;

  // Dialogs of the form.
  Prompts::FileDialog OpenDialog;
  Prompts::FileDialog SaveDialog;
  Prompts::FileDialog ExportDialog;
  Prompts::FileDialog ImportDialog;
  Prompts::FileDialog OpenPictureDialog;

  // Menu items and commands. A tool button shares the action of its menu item, except
  // where the two are enabled differently (paste) or hinted differently (help).
  QAction *NMNew, *NMOpen, *NMSave, *NMSaveAs, *NMClose;
  QAction *NMExportSHX, *NMImport;
  QAction *NMASCII, *NMUNIFONT, *NMBIGFONT;
  std::array<QAction*, 10> gridSizeItems;  // N1212 … N120120, by grid index
  QAction *NMFlagNormal, *NMFlagLie;
  QAction *NFontProperty, *NMExit;
  QAction *NMUndo, *NMRedo;
  QAction *NMCut, *NMCopy, *NMPaste;
  QAction *NMSelectLine, *NMSelectInvert, *NMSeleceAll, *NMDeselectAll;
  QAction *NMDeletePoint, *NMDeleteSel, *NMDeleteAll;
  QAction *NMReadme, *NMAbout;
  QAction *BtnPasteAction, *BtnHelpAction;
  QActionGroup *fontKindGroup, *fontSizeGroup, *fontFlagGroup;
  // Pop-up menu items.
  QAction *NNewShape, *NDeleteShape, *NFindShape;
  QAction *NCut, *NCopy, *NPaste;
  QAction *NSelecteLine, *NSelecteInvert, *NSelecteAll, *NDeselecteAll;
  QAction *NDelPoint, *NDelSel, *NDelAll;
  QAction *NInsertVirtualBefore, *NInsertRealBefore, *NInsertVirtualAfter, *NInsertRealAfter;

  QMenu *NFile, *NMFontType, *NMFontSize, *NMFontFlag, *NShape, *NHelp;
  QMenu *ShapeFilePopMenu, *ShapePopMenu;

  QToolBar* RzToolbar1;
  QToolButton *BtnNew, *BtnOpen, *BtnSave, *BtnSaveAs, *BtnClose;
  QToolButton *BtnCut, *BtnCopy, *BtnPaste, *BtnUndo, *BtnRedo, *BtnHelp, *BtnExit;

  QSplitter *RzSplitter1, *RzSplitter2;
  CharacterList* RzListBox1;
  CanvasPanel* Panel;
  QFrame* RzPanel1;
  QPlainTextEdit* RzMemo1;

  ChoiceGroup *RzCheckGroup1, *RzRadioGroup1, *RzRadioGroup2, *RzRadioGroup3;
  QGroupBox *RzGroupBox1, *RzGroupBox2;
  QLabel *RzLabel1, *RzLabel3;
  QListWidget* RzFontListBox1;
  QSpinBox* RzSpinEdit1;
  QFrame* RzPanel2;
  QLabel* RefImage;
  QPushButton *RzBitBtn1, *RzBitBtn2;

  QStatusBar* RzStatusBar1;
  QLabel *RzStatusPane2, *RzStatusPane1, *RzVersionInfoStatus1;

  // The editing state.
  GShape* currentShape = nullptr;  // belongs to shapeFile
  std::unique_ptr<GShpFile> shapeFile;
  std::string filePath;  // file-system encoding
  uint8_t gridAbove = 32;
  uint8_t gridBelow = 16;
  uint8_t gridWidth = 48;
  uint8_t gridHeight = 48;
  uint32_t cellSize = 0;
  int32_t originX = 0;
  int32_t originY = 0;
  // The mouse and mode state: cursorPoint, hotPoint, editMode, pendingInsert, the drag and
  // rubber-band corners and the pop-up guard.
  MouseGestures gestures;
  int editorKeyPressed = 0;  // the Qt key of the editor key pressed in this window, 0 none
  uint8_t refMode = 0;
  bool modified = false;
  QUndoStack* undoStack = nullptr;
  bool changedOutsideSteps = false;  // a change that is no undo step (see updateModified)
  uint32_t gestureCount = 0;         // left presses on the canvas: tells drags apart
  bool showPenUpTrack = false;
  bool showGrid = true;
  bool showPoints = true;
  std::unique_ptr<GShape> clipShape;
  std::string currentChar;  // the list bytes of currentShape
  QFont refFont;
  std::string refFontName;  // GBK
  int32_t refFontSize = 0;
  int32_t refLeft = 0;
  int32_t refTop = 0;
  std::unique_ptr<QImage> refBitmap;
  std::unique_ptr<QImage> refJpeg;
  QImage refPicture;  // the preview's picture, painted in picture mode
  uint8_t gridSizeIndex = 3;
  uint8_t directionFlag = 0;
};

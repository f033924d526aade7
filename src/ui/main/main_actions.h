#pragma once

#include <array>

class QAction;
class QActionGroup;
class QObject;
class QUndoStack;

// The window's menu items and commands, named as the menus show them. A tool button shares
// the action of its menu item, except where the two are enabled differently (paste) or
// hinted differently (help). Pop-up items are twins of the menu items with the same handler.
struct MainActions {
  // Creates every action, owned by `owner`; undo and redo come from `history`.
  void create(QObject* owner, QUndoStack* history);

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
  QAction *NMDraft, *NMDraftBatch, *NMPlaceReference;
  // The 批量 menu, acting on the selected characters; also the overview's pop-up menu.
  QAction *NMTransform, *NMCentre, *NMFitCell, *NMSetWidth, *NMDeleteCharacters, *NMRedraft,
      *NMReviewed;
  QAction *NMTextPreview, *NMOverview;  // checkable: whether the view is shown
  QAction *NMReadme, *NMAbout;
  QAction *BtnPasteAction, *BtnHelpAction;
  QActionGroup *fontKindGroup, *fontSizeGroup, *fontFlagGroup;
  // Qt marks a triggered radio item before its command runs; the commands mark their items
  // themselves, so the marks of the font submenus are put back before one runs and kept
  // after it (null: no item marked).
  std::array<QAction*, 3> fontMarks{};
  void rememberFontMarks();
  void restoreFontMarks();
  // Pop-up menu items.
  QAction *NNewShape, *NDeleteShape, *NFindShape;
  QAction *NCut, *NCopy, *NPaste;
  QAction *NSelecteLine, *NSelecteInvert, *NSelecteAll, *NDeselecteAll;
  QAction *NDelPoint, *NDelSel, *NDelAll;
  QAction *NInsertVirtualBefore, *NInsertRealBefore, *NInsertVirtualAfter, *NInsertRealAfter;
};

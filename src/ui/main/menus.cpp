#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "ui/main/main_window.h"

namespace {

QMenu* namedMenu(QWidget* parent, const char* name, const QString& caption) {
  auto* menu = new QMenu(caption, parent);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

QWidget* groovedSpacer(QWidget* parent, const char* name) {
  auto* spacer = new QFrame(parent);
  spacer->setObjectName(QString::fromLatin1(name));
  spacer->setFrameShape(QFrame::VLine);
  spacer->setFrameShadow(QFrame::Sunken);
  spacer->setFixedSize(12, 36);
  return spacer;
}

}  // namespace

void TFmMain::createMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu"));

  NFile = namedMenu(this, "NFile", QStringLiteral("文件"));
  NFile->addActions({NMNew, NMOpen, NMImport, NMSave, NMSaveAs, NMExportSHX, NMClose});
  NFile->addSeparator();
  NMFontType = namedMenu(NFile, "NMFontType", QStringLiteral("字体类型"));
  NMFontType->addActions(fontKindGroup->actions());
  NMFontSize = namedMenu(NFile, "NMFontSize", QStringLiteral("字体大小"));
  NMFontSize->addActions(fontSizeGroup->actions());
  NMFontFlag = namedMenu(NFile, "NMFontFlag", QStringLiteral("字体方向"));
  NMFontFlag->addActions(fontFlagGroup->actions());
  NFile->addMenu(NMFontType);
  NFile->addMenu(NMFontSize);
  NFile->addMenu(NMFontFlag);
  NFile->addAction(NFontProperty);
  NFile->addSeparator();
  NFile->addAction(NMExit);

  NShape = namedMenu(this, "NShape", QStringLiteral("字形"));
  NShape->addActions({NMUndo, NMRedo});
  NShape->addSeparator();
  NShape->addActions({NMCut, NMCopy, NMPaste});
  NShape->addSeparator();
  NShape->addActions({NMSelectLine, NMSelectInvert, NMSeleceAll, NMDeselectAll});
  NShape->addSeparator();
  NShape->addActions({NMDeletePoint, NMDeleteSel, NMDeleteAll});

  NHelp = namedMenu(this, "NHelp", QStringLiteral("帮助"));
  NHelp->addActions({NMReadme, NMAbout});

  bar->addMenu(NFile);
  bar->addMenu(NShape);
  bar->addMenu(NHelp);
}

void TFmMain::createPopupMenus() {
  ShapeFilePopMenu = namedMenu(this, "ShapeFilePopMenu", QString());
  ShapeFilePopMenu->addActions({NNewShape, NDeleteShape, NFindShape});

  ShapePopMenu = namedMenu(this, "ShapePopMenu", QString());
  ShapePopMenu->addActions({NCut, NCopy, NPaste});
  ShapePopMenu->addSeparator();
  ShapePopMenu->addActions({NSelecteLine, NSelecteInvert, NSelecteAll, NDeselecteAll});
  ShapePopMenu->addSeparator();
  ShapePopMenu->addActions({NDelPoint, NDelSel, NDelAll});
  ShapePopMenu->addSeparator();
  ShapePopMenu->addActions(
      {NInsertVirtualBefore, NInsertRealBefore, NInsertVirtualAfter, NInsertRealAfter});
}

void TFmMain::createToolBar() {
  RzToolbar1 = new QToolBar(this);
  RzToolbar1->setObjectName(QStringLiteral("RzToolbar1"));
  RzToolbar1->setMovable(false);
  RzToolbar1->setFloatable(false);
  RzToolbar1->setFixedHeight(44);
  RzToolbar1->setIconSize(QSize(20, 20));
  RzToolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
  addToolBar(Qt::TopToolBarArea, RzToolbar1);

  const auto button = [this](const char* name, QAction* action) {
    auto* b = new QToolButton(RzToolbar1);
    b->setObjectName(QString::fromLatin1(name));
    b->setDefaultAction(action);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFixedSize(48, 40);
    RzToolbar1->addWidget(b);
    return b;
  };
  BtnNew = button("BtnNew", NMNew);
  BtnOpen = button("BtnOpen", NMOpen);
  BtnSave = button("BtnSave", NMSave);
  BtnSaveAs = button("BtnSaveAs", NMSaveAs);
  BtnClose = button("BtnClose", NMClose);
  RzToolbar1->addWidget(groovedSpacer(RzToolbar1, "RzSpacer1"));
  BtnCut = button("BtnCut", NMCut);
  BtnCopy = button("BtnCopy", NMCopy);
  BtnPaste = button("BtnPaste", BtnPasteAction);
  BtnUndo = button("BtnUndo", NMUndo);
  BtnRedo = button("BtnRedo", NMRedo);
  RzToolbar1->addWidget(groovedSpacer(RzToolbar1, "RzSpacer2"));
  BtnHelp = button("BtnHelp", BtnHelpAction);
  RzToolbar1->addWidget(groovedSpacer(RzToolbar1, "RzSpacer3"));
  BtnExit = button("BtnExit", NMExit);
}

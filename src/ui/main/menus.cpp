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
  NFile->addActions({actions.NMNew, actions.NMOpen, actions.NMImport, actions.NMSave,
                     actions.NMSaveAs, actions.NMExportSHX, actions.NMClose});
  NFile->addSeparator();
  NMFontType = namedMenu(NFile, "NMFontType", QStringLiteral("字体类型"));
  NMFontType->addActions(actions.fontKindGroup->actions());
  NMFontSize = namedMenu(NFile, "NMFontSize", QStringLiteral("字体大小"));
  NMFontSize->addActions(actions.fontSizeGroup->actions());
  NMFontFlag = namedMenu(NFile, "NMFontFlag", QStringLiteral("字体方向"));
  NMFontFlag->addActions(actions.fontFlagGroup->actions());
  NFile->addMenu(NMFontType);
  NFile->addMenu(NMFontSize);
  NFile->addMenu(NMFontFlag);
  NFile->addAction(actions.NFontProperty);
  NFile->addSeparator();
  NFile->addAction(actions.NMExit);

  NShape = namedMenu(this, "NShape", QStringLiteral("字形"));
  NShape->addActions({actions.NMUndo, actions.NMRedo});
  NShape->addSeparator();
  NShape->addActions({actions.NMCut, actions.NMCopy, actions.NMPaste});
  NShape->addSeparator();
  NShape->addActions(
      {actions.NMSelectLine, actions.NMSelectInvert, actions.NMSeleceAll, actions.NMDeselectAll});
  NShape->addSeparator();
  NShape->addActions({actions.NMDeletePoint, actions.NMDeleteSel, actions.NMDeleteAll});

  NStroke = namedMenu(this, "NStroke", QStringLiteral("笔画"));
  NStroke->addActions({actions.NMDraft, actions.NMDraftBatch, actions.NMPlaceReference});

  NBatch = namedMenu(this, "NBatch", QStringLiteral("批量"));
  NBatch->addActions(
      {actions.NMTransform, actions.NMCentre, actions.NMFitCell, actions.NMSetWidth});
  NBatch->addSeparator();
  NBatch->addActions({actions.NMDeleteCharacters, actions.NMRedraft});
  NBatch->addSeparator();
  NBatch->addAction(actions.NMReviewed);

  NView = namedMenu(this, "NView", QStringLiteral("查看"));
  NView->addActions({actions.NMTextPreview, actions.NMOverview});

  NHelp = namedMenu(this, "NHelp", QStringLiteral("帮助"));
  NHelp->addActions({actions.NMReadme, actions.NMAbout});

  bar->addMenu(NFile);
  bar->addMenu(NShape);
  bar->addMenu(NStroke);
  bar->addMenu(NBatch);
  bar->addMenu(NView);
  bar->addMenu(NHelp);

  ShapeFilePopMenu = namedMenu(this, "ShapeFilePopMenu", QString());
  ShapeFilePopMenu->addActions({actions.NNewShape, actions.NDeleteShape, actions.NFindShape});

  ShapePopMenu = namedMenu(this, "ShapePopMenu", QString());
  ShapePopMenu->addActions({actions.NCut, actions.NCopy, actions.NPaste});
  ShapePopMenu->addSeparator();
  ShapePopMenu->addActions(
      {actions.NSelecteLine, actions.NSelecteInvert, actions.NSelecteAll, actions.NDeselecteAll});
  ShapePopMenu->addSeparator();
  ShapePopMenu->addActions({actions.NDelPoint, actions.NDelSel, actions.NDelAll});
  ShapePopMenu->addSeparator();
  ShapePopMenu->addActions({actions.NInsertVirtualBefore, actions.NInsertRealBefore,
                            actions.NInsertVirtualAfter, actions.NInsertRealAfter});
}

void TFmMain::createToolBar() {
  auto* RzToolbar1 = new QToolBar(this);
  RzToolbar1->setObjectName(QStringLiteral("RzToolbar1"));
  RzToolbar1->setMovable(false);
  RzToolbar1->setFloatable(false);
  RzToolbar1->setFixedHeight(44);
  RzToolbar1->setIconSize(QSize(20, 20));
  RzToolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
  addToolBar(Qt::TopToolBarArea, RzToolbar1);

  const auto button = [RzToolbar1](const char* name, QAction* action) {
    auto* b = new QToolButton(RzToolbar1);
    b->setObjectName(QString::fromLatin1(name));
    b->setDefaultAction(action);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFixedSize(48, 40);
    RzToolbar1->addWidget(b);
    return b;
  };
  button("BtnNew", actions.NMNew);
  button("BtnOpen", actions.NMOpen);
  button("BtnSave", actions.NMSave);
  button("BtnSaveAs", actions.NMSaveAs);
  button("BtnClose", actions.NMClose);
  RzToolbar1->addWidget(groovedSpacer(RzToolbar1, "RzSpacer1"));
  button("BtnCut", actions.NMCut);
  button("BtnCopy", actions.NMCopy);
  button("BtnPaste", actions.BtnPasteAction);
  button("BtnUndo", actions.NMUndo);
  button("BtnRedo", actions.NMRedo);
  RzToolbar1->addWidget(groovedSpacer(RzToolbar1, "RzSpacer2"));
  button("BtnHelp", actions.BtnHelpAction);
  RzToolbar1->addWidget(groovedSpacer(RzToolbar1, "RzSpacer3"));
  button("BtnExit", actions.NMExit);
}

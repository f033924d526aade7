#include <QAction>
#include <QActionGroup>

#include "ui/icons/icons.h"
#include "ui/main/hints.h"
#include "ui/main/main_window.h"

namespace {

QAction* withIcon(QAction* action, IconIndex icon) {
  action->setIcon(commandIcon(icon));
  return action;
}

QAction* withShortcut(QAction* action, const QKeySequence& keys) {
  action->setShortcut(keys);
  return action;
}

// Radio items of one submenu: marking one unmarks the others.
QActionGroup* radioGroup(QObject* owner, std::initializer_list<QAction*> items) {
  auto* group = new QActionGroup(owner);
  group->setExclusive(true);
  for (QAction* item : items) {
    item->setCheckable(true);
    group->addAction(item);
  }
  return group;
}

}  // namespace

QAction* TFmMain::newAction(const char* name, const QString& caption, const QString& hint) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setIconVisibleInMenu(true);
  if (!hint.isEmpty()) applyHint(action, hint);
  return action;
}

void TFmMain::createActions() {
  const QString newHint = QStringLiteral("新建文件|创建一个新的AutoCAD形源代码文件");
  const QString openHint = QStringLiteral("打开文件|打开一个已存在的AutoCAD形源代码文件");
  const QString saveHint = QStringLiteral("保存文件|将已经打开的AutoCAD形源代码文件存盘");
  const QString saveAsHint =
      QStringLiteral("另存文件|将已经打开的AutoCAD形源代码文件以另外的文件名存盘");
  const QString closeHint = QStringLiteral("关闭已经打开的AutoCAD形源代码文件");
  const QString cutHint = QStringLiteral("剪切字形|剪切整个字形");
  const QString copyHint = QStringLiteral("复制字形|复制整个字形");
  const QString pasteHint = QStringLiteral("粘贴字形|粘贴整个字形");

  NMNew =
      withShortcut(withIcon(newAction("NMNew", QStringLiteral("新建"), newHint), IconIndex::New),
                   QKeySequence(QStringLiteral("Ctrl+N")));
  NMOpen =
      withShortcut(withIcon(newAction("NMOpen", QStringLiteral("打开"), openHint), IconIndex::Open),
                   QKeySequence(QStringLiteral("Ctrl+O")));
  NMSave =
      withShortcut(withIcon(newAction("NMSave", QStringLiteral("保存"), saveHint), IconIndex::Save),
                   QKeySequence(QStringLiteral("Ctrl+S")));
  NMSaveAs = withShortcut(
      withIcon(newAction("NMSaveAs", QStringLiteral("另存为 ..."), saveAsHint), IconIndex::SaveAs),
      QKeySequence(QStringLiteral("Ctrl+A")));
  NMSaveAs->setIconText(QStringLiteral("另存"));
  NMClose = withIcon(newAction("NMClose", QStringLiteral("关闭"), closeHint), IconIndex::Close);
  NMExportSHX =
      newAction("NMExportSHX", QStringLiteral("导出SHX ..."),
                QStringLiteral("导出SHX|将已经打开的字体编译为CAD程序直接使用的SHX字体文件"));
  NMImport = newAction(
      "NMImport", QStringLiteral("导入SHP/SHX ..."),
      QStringLiteral("导入字体|将任何AutoCAD形源代码文件(SHP)或SHX字体文件导入为新的字体文件"));

  NMASCII = newAction("NMASCII", QStringLiteral("ASCII"));
  NMUNIFONT = newAction("NMUNIFONT", QStringLiteral("UNIFONT"));
  NMBIGFONT = newAction("NMBIGFONT", QStringLiteral("BIGFONT"));
  fontKindGroup = radioGroup(this, {NMASCII, NMUNIFONT, NMBIGFONT});
  NMASCII->setChecked(true);

  fontSizeGroup = new QActionGroup(this);
  for (size_t i = 0; i < gridSizeItems.size(); ++i) {
    const int size = static_cast<int>(i + 1) * 12;
    const QByteArray name = "N" + QByteArray::number(size) + QByteArray::number(size);
    QAction* item = newAction(name.constData(), QStringLiteral("%1*%1").arg(size));
    item->setCheckable(true);
    fontSizeGroup->addAction(item);
    gridSizeItems[i] = item;
  }
  gridSizeItems[3]->setChecked(true);

  NMFlagNormal = newAction("NMFlagNormal", QStringLiteral("普通文字"));
  NMFlagLie = newAction("NMFlagLie", QStringLiteral("左旋90度"));
  fontFlagGroup = radioGroup(this, {NMFlagNormal, NMFlagLie});
  NMFlagNormal->setChecked(true);

  NFontProperty = newAction("NFontProperty", QStringLiteral("字体属性 ..."));
  NFontProperty->setVisible(false);
  NMExit = withShortcut(
      withIcon(newAction("NMExit", QStringLiteral("退出"), QStringLiteral("退出|退出本软件")),
               IconIndex::Exit),
      QKeySequence(QStringLiteral("Ctrl+F4")));

  NMCut =
      withShortcut(withIcon(newAction("NMCut", QStringLiteral("剪切"), cutHint), IconIndex::Cut),
                   QKeySequence(QStringLiteral("Ctrl+X")));
  NMCopy =
      withShortcut(withIcon(newAction("NMCopy", QStringLiteral("复制"), copyHint), IconIndex::Copy),
                   QKeySequence(QStringLiteral("Ctrl+C")));
  NMPaste = withShortcut(
      withIcon(newAction("NMPaste", QStringLiteral("粘贴"), pasteHint), IconIndex::Paste),
      QKeySequence(QStringLiteral("Ctrl+V")));
  BtnPasteAction =
      withIcon(newAction("BtnPasteAction", QStringLiteral("粘贴"), pasteHint), IconIndex::Paste);

  // The point commands of the shape menu and their pop-up twins; the hint repeats the caption.
  struct PointCommand {
    QAction*& menuItem;
    QAction*& popupItem;
    const char* menuName;
    const char* popupName;
    const char* caption;
    const char* detail;
  };
  const PointCommand pointCommands[] = {
      {NMSelectLine, NSelecteLine, "NMSelectLine", "NSelecteLine", "选择一条线",
       "选择鼠标指向的点所在的那一条线"},
      {NMSelectInvert, NSelecteInvert, "NMSelectInvert", "NSelecteInvert", "反向选择",
       "反向选择当前字形的点"},
      {NMSeleceAll, NSelecteAll, "NMSeleceAll", "NSelecteAll", "选择所有点",
       "选择当前字形中的所有点"},
      {NMDeselectAll, NDeselecteAll, "NMDeselectAll", "NDeselecteAll", "取消选择所有点",
       "取消选择当前字形中的所有点"},
      {NMDeletePoint, NDelPoint, "NMDeletePoint", "NDelPoint", "删除单个点",
       "删除鼠标指向的单个点"},
      {NMDeleteSel, NDelSel, "NMDeleteSel", "NDelSel", "删除已选择的点",
       "删除当前字形中已被选择的那些点"},
      {NMDeleteAll, NDelAll, "NMDeleteAll", "NDelAll", "删除所有点", "删除当前字形中所有的点"},
  };
  for (const PointCommand& command : pointCommands) {
    const QString caption = QString::fromUtf8(command.caption);
    const QString hint = caption + QLatin1Char('|') + QString::fromUtf8(command.detail);
    command.menuItem = newAction(command.menuName, caption, hint);
    command.popupItem = newAction(command.popupName, caption, hint);
  }

  NMReadme = withShortcut(withIcon(newAction("NMReadme", QStringLiteral("帮助"),
                                             QStringLiteral("使用说明|打开使用说明书")),
                                   IconIndex::Help),
                          QKeySequence(QStringLiteral("F1")));
  BtnHelpAction = withIcon(newAction("BtnHelpAction", QStringLiteral("帮助"),
                                     QStringLiteral("查看使用说明|查看使用说明")),
                           IconIndex::Help);
  NMAbout = withIcon(newAction("NMAbout", QStringLiteral("关于 ..."),
                               QStringLiteral("关于本软件|查看本软件的版权信息")),
                     IconIndex::About);

  // The pop-up twins of the shape commands; the shortcuts belong to the main menu.
  NNewShape = newAction("NNewShape", QStringLiteral("添加新字符 ..."),
                        QStringLiteral("添加新字形|添加单个或一组新的字符"));
  NDeleteShape = newAction("NDeleteShape", QStringLiteral("删除字符"),
                           QStringLiteral("删除字符|删除一个字符"));
  NFindShape = withShortcut(newAction("NFindShape", QStringLiteral("查找字符 ...")),
                            QKeySequence(QStringLiteral("Ctrl+F")));
  NCut = newAction("NCut", QStringLiteral("剪切"), cutHint);
  NCopy = newAction("NCopy", QStringLiteral("复制"), copyHint);
  NPaste = newAction("NPaste", QStringLiteral("粘贴"), pasteHint);
  struct InsertCommand {
    QAction*& item;
    const char* name;
    const char* caption;
    const char* detail;
  };
  const InsertCommand insertCommands[] = {
      {NInsertVirtualBefore, "NInsertVirtualBefore", "在当前点之前插入虚点",
       "在当前点之前插入一个虚点"},
      {NInsertRealBefore, "NInsertRealBefore", "在当前点之前插入实点", "在当前点之前插入一个实点"},
      {NInsertVirtualAfter, "NInsertVirtualAfter", "在当前点之后插入虚点",
       "在当前点之后插入一个虚点"},
      {NInsertRealAfter, "NInsertRealAfter", "在当前点之后插入实点", "在当前点之后插入一个实点"},
  };
  for (const InsertCommand& command : insertCommands) {
    const QString caption = QString::fromUtf8(command.caption);
    command.item = newAction(command.name, caption,
                             caption + QLatin1Char('|') + QString::fromUtf8(command.detail));
  }
}

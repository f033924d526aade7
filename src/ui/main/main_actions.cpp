#include "ui/main/main_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QUndoStack>
#include <optional>

#include "shapefile/font_rules.h"
#include "ui/icons/icons.h"
#include "ui/shared/hints.h"

namespace {

// One row a command: its member, object name, caption, shortcut and hint ("short|long";
// empty: none), its glyph, and the pop-up twin that takes its caption and hint (no shortcut:
// the shortcuts belong to the main menu).
struct ActionRow {
  QAction* MainActions::*member;
  const char* name;
  const char* caption;
  const char* shortcut;
  const char* hint;
  std::optional<IconIndex> icon = std::nullopt;
  QAction* MainActions::*twin = nullptr;
  const char* twinName = nullptr;
};

constexpr const char* kPasteHint = "粘贴字形|粘贴整个字形";

using A = MainActions;
using I = IconIndex;
const ActionRow kRows[] = {
    {&A::NMNew, "NMNew", "新建", "Ctrl+N", "新建文件|创建一个新的AutoCAD形源代码文件", I::New},
    {&A::NMOpen, "NMOpen", "打开", "Ctrl+O", "打开文件|打开一个已存在的AutoCAD形源代码文件",
     I::Open},
    {&A::NMSave, "NMSave", "保存", "Ctrl+S", "保存文件|将已经打开的AutoCAD形源代码文件存盘",
     I::Save},
    {&A::NMSaveAs, "NMSaveAs", "另存为 ...", "Ctrl+A",
     "另存文件|将已经打开的AutoCAD形源代码文件以另外的文件名存盘", I::SaveAs},
    {&A::NMClose, "NMClose", "关闭", "", "关闭已经打开的AutoCAD形源代码文件", I::Close},
    {&A::NMExportSHX, "NMExportSHX", "导出...", "",
     "导出字体|将已经打开的字体导出为SHX字体文件(CAD程序直接使用)或SVG字体等其他格式"},
    {&A::NMImport, "NMImport", "导入...", "",
     "导入字体|将AutoCAD形文件(SHP)、SHX字体文件或其他格式的单线字体导入为新的字体文件"},
    {&A::NMASCII, "NMASCII", "ASCII", "", ""},
    {&A::NMUNIFONT, "NMUNIFONT", "UNIFONT", "", ""},
    {&A::NMBIGFONT, "NMBIGFONT", "BIGFONT", "", ""},
    {&A::NMFlagNormal, "NMFlagNormal", "普通文字", "", ""},
    {&A::NMFlagLie, "NMFlagLie", "左旋90度", "", ""},
    {&A::NFontProperty, "NFontProperty", "字体属性 ...", "", ""},
    {&A::NMExit, "NMExit", "退出", "Ctrl+F4", "退出|退出本软件", I::Exit},
    {&A::NMCut, "NMCut", "剪切", "Ctrl+X", "剪切字形|剪切整个字形", I::Cut, &A::NCut, "NCut"},
    {&A::NMCopy, "NMCopy", "复制", "Ctrl+C", "复制字形|复制整个字形", I::Copy, &A::NCopy, "NCopy"},
    {&A::NMPaste, "NMPaste", "粘贴", "Ctrl+V", kPasteHint, I::Paste, &A::NPaste, "NPaste"},
    {&A::BtnPasteAction, "BtnPasteAction", "粘贴", "", kPasteHint, I::Paste},
    {&A::NMSelectLine, "NMSelectLine", "选择一条线", "",
     "选择一条线|选择鼠标指向的点所在的那一条线", std::nullopt, &A::NSelecteLine, "NSelecteLine"},
    {&A::NMSelectInvert, "NMSelectInvert", "反向选择", "", "反向选择|反向选择当前字形的点",
     std::nullopt, &A::NSelecteInvert, "NSelecteInvert"},
    {&A::NMSeleceAll, "NMSeleceAll", "选择所有点", "", "选择所有点|选择当前字形中的所有点",
     std::nullopt, &A::NSelecteAll, "NSelecteAll"},
    {&A::NMDeselectAll, "NMDeselectAll", "取消选择所有点", "",
     "取消选择所有点|取消选择当前字形中的所有点", std::nullopt, &A::NDeselecteAll, "NDeselecteAll"},
    {&A::NMDeletePoint, "NMDeletePoint", "删除单个点", "", "删除单个点|删除鼠标指向的单个点",
     std::nullopt, &A::NDelPoint, "NDelPoint"},
    {&A::NMDeleteSel, "NMDeleteSel", "删除已选择的点", "",
     "删除已选择的点|删除当前字形中已被选择的那些点", std::nullopt, &A::NDelSel, "NDelSel"},
    {&A::NMDeleteAll, "NMDeleteAll", "删除所有点", "", "删除所有点|删除当前字形中所有的点",
     std::nullopt, &A::NDelAll, "NDelAll"},
    {&A::NMDraft, "NMDraft", "从参考字体生成笔画", "",
     "从参考字体生成笔画|用参考模式中选择的TrueType字体为当前字符生成笔画，替换它原有的点"},
    {&A::NMDraftBatch, "NMDraftBatch", "批量生成笔画...", "",
     "批量生成笔画|用参考字体或笔顺数据为许多字符一次生成笔画"},
    {&A::NMPlaceReference, "NMPlaceReference", "参考字形对齐笔画", "",
     "参考字形对齐笔画|把参考字体的字形放到生成笔画时它所在的位置和大小，以便对照修改"},
    {&A::NMTransform, "NMTransform", "变换...", "", "变换|移动、缩放或倾斜选中的字符"},
    {&A::NMCentre, "NMCentre", "居中", "", "居中|把选中字符的笔画放在宽度的正中"},
    {&A::NMFitCell, "NMFitCell", "适合格子...", "",
     "适合格子|按比例缩放并移动选中字符的笔画，使它们留着边距填满格子"},
    {&A::NMSetWidth, "NMSetWidth", "设置宽度...", "", "设置宽度|设置选中字符的宽度"},
    {&A::NMDeleteCharacters, "NMDeleteCharacters", "删除字符", "", "删除字符|删除选中的字符"},
    {&A::NMRedraft, "NMRedraft", "重新生成笔画...", "",
     "重新生成笔画|用参考字体或笔顺数据为选中的字符重新生成笔画，作为一步"},
    {&A::NMReviewed, "NMReviewed", "已检查", "Ctrl+K",
     "已检查|把选中的字符标为已检查：它们离开待检查列表，直到再被修改"},
    {&A::NMTextPreview, "NMTextPreview", "文字预览", "",
     "文字预览|在画布下面用当前字体显示一行文字，随编辑即时更新"},
    {&A::NMOverview, "NMOverview", "字表", "", "字表|显示字体中所有字符的一览表"},
    {&A::NMReadme, "NMReadme", "帮助", "F1", "使用说明|打开使用说明书", I::Help},
    {&A::BtnHelpAction, "BtnHelpAction", "帮助", "", "查看使用说明|查看使用说明", I::Help},
    {&A::NMAbout, "NMAbout", "关于 ...", "", "关于本软件|查看本软件的版权信息", I::About},
    {&A::NNewShape, "NNewShape", "添加新字符 ...", "", "添加新字形|添加单个或一组新的字符"},
    {&A::NDeleteShape, "NDeleteShape", "删除字符", "", "删除字符|删除一个字符"},
    {&A::NFindShape, "NFindShape", "查找字符 ...", "Ctrl+F", ""},
    {&A::NInsertVirtualBefore, "NInsertVirtualBefore", "在当前点之前插入虚点", "",
     "在当前点之前插入虚点|在当前点之前插入一个虚点"},
    {&A::NInsertRealBefore, "NInsertRealBefore", "在当前点之前插入实点", "",
     "在当前点之前插入实点|在当前点之前插入一个实点"},
    {&A::NInsertVirtualAfter, "NInsertVirtualAfter", "在当前点之后插入虚点", "",
     "在当前点之后插入虚点|在当前点之后插入一个虚点"},
    {&A::NInsertRealAfter, "NInsertRealAfter", "在当前点之后插入实点", "",
     "在当前点之后插入实点|在当前点之后插入一个实点"},
};

QAction* newAction(QObject* owner, const char* name, const QString& caption) {
  auto* action = new QAction(caption, owner);
  action->setObjectName(QString::fromLatin1(name));
  action->setIconVisibleInMenu(true);
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

// The caption carries the step's name ("撤销 移动点"), and so do the tool tip and the hint.
QAction* stepAction(QAction* action, const char* name, IconIndex icon, const QString& caption) {
  action->setObjectName(QString::fromLatin1(name));
  action->setIcon(commandIcon(icon));
  action->setIconText(caption);
  action->setIconVisibleInMenu(true);
  const auto hint = [action] {
    action->setToolTip(action->text());
    action->setStatusTip(action->text());
  };
  QObject::connect(action, &QAction::changed, action, hint);
  hint();
  return action;
}

}  // namespace

void MainActions::create(QObject* owner, QUndoStack* history) {
  for (const ActionRow& row : kRows) {
    QAction* action = newAction(owner, row.name, QString::fromUtf8(row.caption));
    if (*row.hint) applyHint(action, QString::fromUtf8(row.hint));
    if (*row.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
    if (row.icon) action->setIcon(commandIcon(*row.icon));
    this->*row.member = action;
    if (row.twin) {
      QAction* twin = newAction(owner, row.twinName, action->text());
      if (*row.hint) applyHint(twin, QString::fromUtf8(row.hint));
      this->*row.twin = twin;
    }
  }
  NMSaveAs->setIconText(QStringLiteral("另存"));
  NFontProperty->setVisible(false);
  NMTextPreview->setCheckable(true);
  NMOverview->setCheckable(true);

  fontKindGroup = radioGroup(owner, {NMASCII, NMUNIFONT, NMBIGFONT});
  NMASCII->setChecked(true);
  fontSizeGroup = new QActionGroup(owner);
  for (size_t i = 0; i < gridSizeItems.size(); ++i) {
    const int size = gridSideOf(static_cast<int>(i));
    const QByteArray name = "N" + QByteArray::number(size) + QByteArray::number(size);
    QAction* item = newAction(owner, name.constData(), QStringLiteral("%1*%1").arg(size));
    item->setCheckable(true);
    fontSizeGroup->addAction(item);
    gridSizeItems[i] = item;
  }
  gridSizeItems[3]->setChecked(true);
  fontFlagGroup = radioGroup(owner, {NMFlagNormal, NMFlagLie});
  NMFlagNormal->setChecked(true);

  NMUndo = stepAction(history->createUndoAction(owner, QStringLiteral("撤销")), "NMUndo",
                      IconIndex::Undo, QStringLiteral("撤销"));
  NMUndo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
  NMRedo = stepAction(history->createRedoAction(owner, QStringLiteral("重做")), "NMRedo",
                      IconIndex::Redo, QStringLiteral("重做"));
  NMRedo->setShortcuts(
      {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
}

void MainActions::rememberFontMarks() {
  const QActionGroup* groups[] = {fontKindGroup, fontSizeGroup, fontFlagGroup};
  for (size_t i = 0; i < std::size(groups); ++i) fontMarks[i] = groups[i]->checkedAction();
}

void MainActions::restoreFontMarks() {
  QActionGroup* groups[] = {fontKindGroup, fontSizeGroup, fontFlagGroup};
  for (size_t i = 0; i < std::size(groups); ++i) {
    if (fontMarks[i]) {
      fontMarks[i]->setChecked(true);
    } else if (QAction* marked = groups[i]->checkedAction()) {
      marked->setChecked(false);
    }
  }
}

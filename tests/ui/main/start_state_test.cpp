#include <QAction>
#include <QEnterEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>

#include "ui/shared/choice_group.h"
#include "ui/shared/hints.h"
#include "ui/window_fixture.h"

namespace {

using StartState = WindowTest;

QStringList captionsOf(const QMenu* menu) {
  QStringList captions;
  for (const QAction* a : menu->actions())
    captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return captions;
}

TEST_F(StartState, CaptionIsTheTitleAlone) { EXPECT_EQ(window->windowTitle(), "Kelvane"); }

TEST_F(StartState, DisplaySwitchesOnPenUpNoReference) {
  auto* display = child<ChoiceGroup>("RzCheckGroup1");
  EXPECT_TRUE(display->isChecked(0));
  EXPECT_TRUE(display->isChecked(1));
  EXPECT_TRUE(TFmMainProbe::showPenUpTrack(*window));
  EXPECT_TRUE(TFmMainProbe::showPoints(*window));
  auto* pen = child<ChoiceGroup>("RzRadioGroup1");
  EXPECT_EQ(pen->itemIndex(), 0);
  EXPECT_EQ(pen->button(0)->text(), QStringLiteral("抬笔(虚线)"));
  EXPECT_TRUE(TFmMainProbe::cursorPoint(*window).isVirtual);
  EXPECT_EQ(child<ChoiceGroup>("RzRadioGroup2")->itemIndex(), 0);
  EXPECT_EQ(child<ChoiceGroup>("RzRadioGroup3")->itemIndex(), 0);
  EXPECT_FALSE(child<QGroupBox>("RzGroupBox1")->isVisible());
  EXPECT_FALSE(child<QGroupBox>("RzGroupBox2")->isVisible());
}

TEST_F(StartState, ReferenceFontIsTheFirstListedFace) {
  auto* fonts = child<QListWidget>("RzFontListBox1");
  ASSERT_GT(fonts->count(), 0);
  EXPECT_EQ(fonts->currentRow(), 0);
  EXPECT_EQ(TFmMainProbe::refFontName(*window), fonts->item(0)->text().toStdString());
  EXPECT_EQ(TFmMainProbe::refFontSize(*window), 240);
  EXPECT_FALSE(fonts->findItems(QStringLiteral("WenQuanYi Micro Hei"), Qt::MatchExactly).isEmpty());
}

// A TeX math face maps the ASCII codes to brackets and relations, or to nothing at all, so
// a reference drawn in it looks nothing like the character.
TEST_F(StartState, TheFontListLeavesOutSymbolFaces) {
  const auto* fonts = child<QListWidget>("RzFontListBox1");
  for (int row = 0; row < fonts->count(); ++row) {
    const QString face = fonts->item(row)->text();
    EXPECT_FALSE(QFontDatabase::writingSystems(face).contains(QFontDatabase::Symbol))
        << face.toStdString();
    const QRawFont raw = QRawFont::fromFont(QFont(face));
    const QList<quint32> glyphs = raw.glyphIndexesForString(QStringLiteral("A"));
    ASSERT_FALSE(glyphs.isEmpty()) << face.toStdString();
    EXPECT_FALSE(raw.pathForGlyph(glyphs.constFirst()).isEmpty()) << face.toStdString();
  }
}

TEST_F(StartState, StatusBarPanes) {
  EXPECT_EQ(child<QLabel>("RzStatusPane2")->text(), QString());
  EXPECT_EQ(child<QLabel>("RzStatusPane1")->text(), QStringLiteral("当前坐标[ X:001 Y:023 ]"));
  EXPECT_EQ(child<QLabel>("RzStatusPane1")->width(), 146);
  EXPECT_EQ(child<QLabel>("RzVersionInfoStatus1")->text(), QStringLiteral("版本号:2.2.0.6"));
  EXPECT_EQ(child<QLabel>("RzVersionInfoStatus1")->width(), 170);
}

TEST_F(StartState, SizeMinimumAndFont) {
  EXPECT_EQ(window->size(), QSize(1220, 712));
  window->resize(600, 500);
  EXPECT_EQ(window->size(), QSize(800, 712));
  EXPECT_EQ(window->font().pixelSize(), 12);
  EXPECT_EQ(child<QListWidget>("RzListBox1")->font().pixelSize(), 15);
}

TEST_F(StartState, PanesHaveTheirDesignSizes) {
  auto* outer = child<QSplitter>("RzSplitter1");
  auto* inner = child<QSplitter>("RzSplitter2");
  EXPECT_EQ(outer->sizes().value(0), 104);
  EXPECT_EQ(inner->sizes().value(0), 544);  // room for the preview under the canvas
  EXPECT_EQ(inner->handleWidth(), 7);
  EXPECT_EQ(child<QFrame>("RzPanel1")->width(), 215);
}

TEST_F(StartState, SourceViewKeepsItsHeightWhenTheWindowGrows) {
  auto* memo = child<QPlainTextEdit>("RzMemo1");
  const int memoHeight = memo->height();
  const int canvasHeight = child<QWidget>("Panel")->height();
  window->resize(1000, 900);
  QTest::qWait(20);
  EXPECT_EQ(memo->height(), memoHeight);
  EXPECT_EQ(child<QWidget>("Panel")->height(), canvasHeight + 900 - 712);
  EXPECT_EQ(child<QListWidget>("RzListBox1")->width(), 104);
}

TEST_F(StartState, FileMenuItemsShortcutsAndMarks) {
  EXPECT_EQ(
      captionsOf(child<QMenu>("NFile")),
      (QStringList{"新建", "打开", "导入...", "保存", "另存为 ...", "导出...", "关闭",
                   "-", "字体类型", "字体大小", "字体方向", "字体属性 ...", "-", "退出"}));
  EXPECT_EQ(child<QAction>("NMNew")->shortcut(), QKeySequence("Ctrl+N"));
  EXPECT_EQ(child<QAction>("NMOpen")->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(child<QAction>("NMSave")->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(child<QAction>("NMSaveAs")->shortcut(), QKeySequence("Ctrl+A"));
  EXPECT_EQ(child<QAction>("NMExit")->shortcut(), QKeySequence("Ctrl+F4"));
  EXPECT_EQ(child<QAction>("NMReadme")->shortcut(), QKeySequence("F1"));
  EXPECT_FALSE(child<QAction>("NFontProperty")->isVisible());
  EXPECT_EQ(captionsOf(child<QMenu>("NMFontSize")),
            (QStringList{"12*12", "24*24", "36*36", "48*48", "60*60", "72*72", "84*84", "96*96",
                         "108*108", "120*120"}));
  EXPECT_TRUE(child<QAction>("N4848")->isChecked());
  EXPECT_TRUE(child<QAction>("NMASCII")->isChecked());
  EXPECT_TRUE(child<QAction>("NMFlagNormal")->isChecked());
  // Marking another item of a submenu unmarks the first.
  child<QAction>("N120120")->setChecked(true);
  EXPECT_FALSE(child<QAction>("N4848")->isChecked());
}

TEST_F(StartState, ShapeAndHelpMenusAndPopups) {
  EXPECT_EQ(captionsOf(child<QMenu>("NShape")),
            (QStringList{"撤销", "重做", "-", "剪切", "复制", "粘贴", "-", "选择一条线", "反向选择",
                         "选择所有点", "取消选择所有点", "-", "删除单个点", "删除已选择的点",
                         "删除所有点"}));
  EXPECT_EQ(captionsOf(child<QMenu>("NHelp")), (QStringList{"帮助", "关于 ..."}));
  EXPECT_EQ(captionsOf(child<QMenu>("ShapeFilePopMenu")),
            (QStringList{"添加新字符 ...", "删除字符", "查找字符 ..."}));
  const QStringList popup = captionsOf(child<QMenu>("ShapePopMenu"));
  EXPECT_EQ(popup.size(), 17);
  EXPECT_EQ(popup.mid(13), (QStringList{"在当前点之前插入虚点", "在当前点之前插入实点",
                                        "在当前点之后插入虚点", "在当前点之后插入实点"}));
  EXPECT_EQ(child<QAction>("NMCut")->shortcut(), QKeySequence("Ctrl+X"));
  EXPECT_EQ(child<QAction>("NMUndo")->shortcut(), QKeySequence("Ctrl+Z"));
  EXPECT_EQ(child<QAction>("NMRedo")->shortcuts(),
            (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
  EXPECT_TRUE(child<QAction>("NCut")->shortcut().isEmpty());
}

TEST_F(StartState, ToolButtonsInOrderWithCaptionsAndShortHints) {
  QStringList captions;
  for (QToolButton* b : child<QToolBar>("RzToolbar1")->findChildren<QToolButton*>()) {
    if (!b->objectName().startsWith(QLatin1String("Btn"))) continue;  // the extension button
    captions << b->text();
    EXPECT_EQ(b->size(), QSize(48, 40)) << b->objectName().toStdString();
    EXPECT_FALSE(b->icon().isNull());
  }
  EXPECT_EQ(captions, (QStringList{"新建", "打开", "保存", "另存", "关闭", "剪切", "复制", "粘贴",
                                   "撤销", "重做", "帮助", "退出"}));
  EXPECT_EQ(child<QToolButton>("BtnOpen")->toolTip(), QStringLiteral("打开文件"));
  EXPECT_EQ(child<QToolButton>("BtnHelp")->toolTip(), QStringLiteral("查看使用说明"));
  EXPECT_EQ(child<QAction>("NMReadme")->toolTip(), QStringLiteral("使用说明"));
  EXPECT_EQ(child<QToolBar>("RzToolbar1")->height(), 44);
}

TEST(Hints, SplitIntoShortAndLongParts) {
  const Hint both = splitHint(QStringLiteral("打开文件|打开一个已存在的AutoCAD形源代码文件"));
  EXPECT_EQ(both.shortPart, QStringLiteral("打开文件"));
  EXPECT_EQ(both.longPart, QStringLiteral("打开一个已存在的AutoCAD形源代码文件"));
  const Hint whole = splitHint(QStringLiteral("关闭已经打开的AutoCAD形源代码文件"));
  EXPECT_EQ(whole.shortPart, whole.longPart);
  EXPECT_EQ(splitHint(QStringLiteral("短|")).longPart, QString());
  EXPECT_EQ(splitHint(QStringLiteral("a|b|c")).longPart, QStringLiteral("b|c"));
}

TEST_F(StartState, HoveringShowsTheLongHintAndLeavingShowsReady) {
  auto* pane = child<QLabel>("RzStatusPane2");
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(child<QToolButton>("BtnOpen"), &enter);
  EXPECT_EQ(pane->text(), QStringLiteral("打开一个已存在的AutoCAD形源代码文件"));
  QCoreApplication::sendEvent(child<QToolButton>("BtnOpen"), &leave);
  EXPECT_EQ(pane->text(), QStringLiteral("就绪"));
  QCoreApplication::sendEvent(child<QToolButton>("BtnClose"), &enter);
  EXPECT_EQ(pane->text(), QStringLiteral("关闭已经打开的AutoCAD形源代码文件"));
  child<QAction>("NMAbout")->showStatusText(window.get());
  EXPECT_EQ(pane->text(), QStringLiteral("查看本软件的版权信息"));
  window->DisplayHint(splitHint(QStringLiteral("短|")).longPart);
  EXPECT_EQ(pane->text(), QStringLiteral("就绪"));
}

TEST_F(StartState, CaptionCarriesPathAndModifiedMark) {
  openFont({}, "/tmp/字库/hz.shp");
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvane  /tmp/字库/hz.shp"));
  TFmMainProbe::setModified(*window, true);
  window->updateCaption();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvane  /tmp/字库/hz.shp *"));
  TFmMainProbe::setModified(*window, false);
  window->showShapeFile(nullptr, "");
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvane  "));
}

TEST_F(StartState, GridMetricsKeepWidthAndHeightAtTheSum) {
  EXPECT_EQ(window->setGridMetrics(40, 20), 60);
  EXPECT_EQ(TFmMainProbe::gridWidth(*window), 60);
  EXPECT_EQ(TFmMainProbe::gridHeight(*window), 60);
  EXPECT_EQ(TFmMainProbe::gridBelow(*window), 20);
  EXPECT_EQ(window->setGridMetrics(120, 0), 120);
  EXPECT_EQ(TFmMainProbe::gridBelow(*window), 0);
  EXPECT_EQ(window->setGridMetrics(200, 100), 44);  // an 8-bit sum
}

TEST_F(StartState, ShowingAFontTakesItsGrid) {
  auto file = std::make_unique<GShpFile>(48, 0);
  window->showShapeFile(std::move(file), "/tmp/u.shp");
  EXPECT_EQ(TFmMainProbe::gridWidth(*window), 48);
  EXPECT_EQ(TFmMainProbe::gridBelow(*window), 0);
}

}  // namespace

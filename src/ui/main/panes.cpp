#include <QHBoxLayout>
#include <QLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitter>

#include "ui/canvas/panel.h"
#include "ui/characters/character_list.h"
#include "ui/main/form_font.h"
#include "ui/main/hints.h"
#include "ui/main/main_window.h"

namespace {

// The source view's background (the tool-tip yellow of the form).
const QColor kInfoBackground(255, 255, 225);

constexpr int kListWidth = 104;
constexpr int kCanvasPaneHeight = 480;
constexpr int kSidePanelWidth = 215;

void popUpOn(QWidget* widget, QMenu* menu) {
  widget->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(widget, &QWidget::customContextMenuRequested, menu,
                   [widget, menu](const QPoint& at) { menu->popup(widget->mapToGlobal(at)); });
}

}  // namespace

void TFmMain::createPanes() {
  RzSplitter1 = new QSplitter(Qt::Horizontal, this);
  RzSplitter1->setObjectName(QStringLiteral("RzSplitter1"));
  RzSplitter1->setChildrenCollapsible(false);
  setCentralWidget(RzSplitter1);

  RzListBox1 = new CharacterList(RzSplitter1);
  RzListBox1->setObjectName(QStringLiteral("RzListBox1"));
  RzListBox1->setFont(formFont(15));
  applyHint(RzListBox1, QStringLiteral("右键单击选择功能|右键单击可以选择功能：添加字符，删除字符，"
                                       "查找字符（Ctrl-F)。"));
  popUpOn(RzListBox1, ShapeFilePopMenu);

  RzSplitter2 = new QSplitter(Qt::Vertical, RzSplitter1);
  RzSplitter2->setObjectName(QStringLiteral("RzSplitter2"));
  RzSplitter2->setChildrenCollapsible(false);
  RzSplitter2->setHandleWidth(7);

  auto* upper = new QWidget(RzSplitter2);
  auto* upperLayout = new QHBoxLayout(upper);
  upperLayout->setContentsMargins(0, 0, 0, 0);
  upperLayout->setSpacing(0);
  Panel = new CanvasPanel(upper);
  Panel->setObjectName(QStringLiteral("Panel"));
  popUpOn(Panel, ShapePopMenu);
  RzPanel1 = new QFrame(upper);
  RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
  RzPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  RzPanel1->setFixedWidth(kSidePanelWidth);
  upperLayout->addWidget(Panel, 1);
  upperLayout->addWidget(RzPanel1);

  RzMemo1 = new QPlainTextEdit(RzSplitter2);
  RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
  RzMemo1->setReadOnly(true);
  RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RzMemo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  QPalette memoColours = RzMemo1->palette();
  memoColours.setColor(QPalette::Base, kInfoBackground);
  RzMemo1->setPalette(memoColours);

  // Resizing the window changes the canvas; the list and the source view keep their size.
  RzSplitter1->setStretchFactor(0, 0);
  RzSplitter1->setStretchFactor(1, 1);
  RzSplitter2->setStretchFactor(0, 1);
  RzSplitter2->setStretchFactor(1, 0);
}

// Splitters share out their whole extent in proportion to the sizes given, so the design
// sizes are set once the window's layout has given the splitters theirs.
void TFmMain::setDesignPaneSizes() {
  layout()->activate();
  const QSize extent = RzSplitter1->size();
  RzSplitter1->setSizes({kListWidth, extent.width() - kListWidth - RzSplitter1->handleWidth()});
  RzSplitter2->setSizes(
      {kCanvasPaneHeight, extent.height() - kCanvasPaneHeight - RzSplitter2->handleWidth()});
}

void TFmMain::setListWidth(int listWidth) {
  const int extent = RzSplitter1->width() - RzSplitter1->handleWidth();
  RzSplitter1->setSizes({listWidth, extent - listWidth});
}

void TFmMain::setMemoHeight(int memoHeight) {
  const int extent = RzSplitter2->height() - RzSplitter2->handleWidth();
  RzSplitter2->setSizes({extent - memoHeight, memoHeight});
}

#include <QHBoxLayout>
#include <QLayout>
#include <QMenu>
#include <QSplitter>

#include "ui/canvas/panel.h"
#include "ui/characters/character_list.h"
#include "ui/characters/source_view.h"
#include "ui/shared/form_font.h"
#include "ui/shared/hints.h"
#include "ui/main/main_window.h"
#include "ui/preview/text_preview.h"

namespace {

constexpr int kListWidth = 104;
constexpr int kCanvasPaneHeight = 480;
constexpr int kSidePanelWidth = 215;
constexpr int kPreviewHeight = 112;

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

  RzListBox1 = new CharacterList(*fontDocument, RzSplitter1);
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
  auto* canvasAndPreview = new QVBoxLayout;
  canvasAndPreview->setSpacing(0);
  Panel = new CanvasPanel(*fontDocument, *reference, upper);
  Panel->setObjectName(QStringLiteral("Panel"));
  popUpOn(Panel, ShapePopMenu);
  textPreview = new TextPreview(*fontDocument, upper);
  textPreview->setObjectName(QStringLiteral("textPreview"));
  textPreview->setFixedHeight(kPreviewHeight);
  canvasAndPreview->addWidget(Panel, 1);
  canvasAndPreview->addWidget(textPreview);
  auto* side = new QFrame(upper);
  side->setObjectName(QStringLiteral("RzPanel1"));
  side->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  side->setFixedWidth(kSidePanelWidth);
  RzPanel1 = side;
  upperLayout->addLayout(canvasAndPreview, 1);
  upperLayout->addWidget(RzPanel1);

  RzMemo1 = new SourceView(*fontDocument, RzSplitter2);
  RzMemo1->setObjectName(QStringLiteral("RzMemo1"));

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

#include <QLabel>
#include <QStatusBar>

#include "ui/main/main_window.h"

namespace {

QLabel* pane(QWidget* parent, const char* name, const QString& text, int width) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  if (width > 0) label->setFixedWidth(width);
  return label;
}

}  // namespace

void TFmMain::createStatusBar() {
  auto* RzStatusBar1 = new QStatusBar(this);
  RzStatusBar1->setObjectName(QStringLiteral("RzStatusBar1"));
  RzStatusBar1->setFixedHeight(19);
  RzStatusBar1->setSizeGripEnabled(false);
  setStatusBar(RzStatusBar1);
  // The hint pane stays empty until the first hint arrives.
  RzStatusPane2 = pane(RzStatusBar1, "RzStatusPane2", QString(), 0);
  RzStatusPane1 =
      pane(RzStatusBar1, "RzStatusPane1", QStringLiteral("当前坐标[ X:001 Y:023 ]"), 146);
  QLabel* RzVersionInfoStatus1 =
      pane(RzStatusBar1, "RzVersionInfoStatus1",
           QStringLiteral("版本号:") + QStringLiteral(KELVANE_VERSION), 170);
  selectionPane = pane(RzStatusBar1, "selectionPane", QString(), 110);
  RzStatusBar1->addWidget(RzStatusPane2, 1);
  RzStatusBar1->addWidget(selectionPane);
  RzStatusBar1->addWidget(RzStatusPane1);
  RzStatusBar1->addWidget(RzVersionInfoStatus1);
}

#include "ui/main/about_box.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include "platform/version_info.h"
#include "ui/shared/form_font.h"

namespace {

QString field(const VersionInfo& info, const char* key) {
  return QString::fromStdString(info.value(key));
}

}  // namespace

TFmAbout::TFmAbout(const VersionInfo& versionInfo, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FmAbout"));
  setWindowTitle(QStringLiteral("关于本软件"));
  setFont(formFont(12));
  setFixedSize(458, 369);

  RzGroupBox1 = new QGroupBox(QStringLiteral("本软件版权信息"), this);
  RzGroupBox1->setObjectName(QStringLiteral("RzGroupBox1"));
  RzGroupBox1->setGeometry(16, 8, 433, 313);
  ListBox = new QListWidget(RzGroupBox1);
  ListBox->setObjectName(QStringLiteral("ListBox"));
  ListBox->setGeometry(16, 24, 401, 273);
  ListBox->setFrameShape(QFrame::NoFrame);
  ListBox->setUniformItemSizes(true);
  ListBox->setEnabled(false);
  // Disabled only so that no line can be selected; the lines read as normal text.
  QPalette lines = ListBox->palette();
  for (QPalette::ColorRole role : {QPalette::Text, QPalette::Base})
    lines.setColor(QPalette::Disabled, role, lines.color(QPalette::Active, role));
  ListBox->setPalette(lines);
  ListBox->addItems({
      QCoreApplication::applicationName() + QStringLiteral(" 版本信息:"),
      QString(43, QLatin1Char('-')),
      QStringLiteral("产品名称：") + field(versionInfo, "ProductName"),
      QStringLiteral("内部名称：") + field(versionInfo, "InternalName"),
      QStringLiteral("产品版本：") + field(versionInfo, "ProductVersion"),
      QStringLiteral("文件版本：") + field(versionInfo, "FileVersion"),
      QStringLiteral("出品公司：") + field(versionInfo, "CompanyName"),
      QStringLiteral("版权声明：") + field(versionInfo, "LegalCopyright"),
      QStringLiteral("说    明：") + field(versionInfo, "Comments"),
      QStringLiteral("联系我们："),
      QStringLiteral("    电子邮件：support@kelvane.example"),
      QStringLiteral("    网    站：https://kelvane.example"),
      QStringLiteral("    问题反馈：https://kelvane.example/issues"),
      QStringLiteral("    用户交流：Kelvane 用户论坛（kelvane.example/forum）"),
      QStringLiteral("    通信地址：示例市示例路 1 号 Kelvane 字形工具组"),
  });
  for (int row = 0; row < ListBox->count(); ++row) ListBox->item(row)->setSizeHint({0, 16});

  RzBitBtn1 = new QPushButton(QStringLiteral("关闭(&C)"), this);
  RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
  RzBitBtn1->setGeometry(336, 328, 105, 33);
  RzBitBtn1->setDefault(true);
  connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RzBitBtn1Click(); });

  // The list is disabled, so its clicks and the group box's are caught here.
  for (QObject* part : {static_cast<QObject*>(RzGroupBox1), static_cast<QObject*>(ListBox),
                        static_cast<QObject*>(ListBox->viewport())})
    part->installEventFilter(this);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TFmAbout::RzBitBtn1Click() { accept(); }

bool TFmAbout::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    RzBitBtn1Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TFmAbout::mouseReleaseEvent(QMouseEvent*) { RzBitBtn1Click(); }

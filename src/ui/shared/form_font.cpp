#include "ui/shared/form_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

QString chineseFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char* wanted : {"宋体", "SimSun", "WenQuanYi Micro Hei", "Noto Sans CJK SC",
                               "Noto Sans SC", "AR PL UMing CN"}) {
      const QString name = QString::fromUtf8(wanted);
      if (installed.contains(name, Qt::CaseInsensitive)) return name;
    }
    return QFont().family();
  }();
  return family;
}

}  // namespace

QFont formFont(int pixelSize) {
  QFont font(chineseFamily());
  font.setPixelSize(pixelSize);
  return font;
}

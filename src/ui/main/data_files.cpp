#include "ui/main/data_files.h"

#include <QCoreApplication>
#include <QFileInfo>

QString dataFilePath(const QString& name) {
  const QString programDirectory = QCoreApplication::applicationDirPath();
  const QString beside = programDirectory + QLatin1Char('/') + name;
  if (QFileInfo::exists(beside)) return beside;
  return QFileInfo(programDirectory + QStringLiteral("/../share/kelvane/") + name)
      .absoluteFilePath();
}

#include "ui/shared/file_names.h"

#include <QFile>

std::string pathOf(const QString& chosen) { return QFile::encodeName(chosen).toStdString(); }

QString displayedPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}


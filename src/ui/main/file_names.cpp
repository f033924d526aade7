#include "ui/main/file_names.h"

#include <QFile>

#include "platform/path_names.h"
#include "ui/platform/gbk.h"

std::string pathOf(const QString& chosen) { return QFile::encodeName(chosen).toStdString(); }

QString displayedPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string fontNameOf(const std::string& path) {
  return toGbk(displayedPath(baseNameOf(path)), '_');
}

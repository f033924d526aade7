#include "ui/platform/gbk.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QByteArray asBytes(const std::string& bytes) {
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

QString fromGbk(const std::string& bytes) {
  QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
  return decoder(asBytes(bytes));
}

std::string toGbk(const QString& text, std::optional<char> substitute) {
  std::string out;
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString ch = text.mid(i, len);
    QStringEncoder encoder("GBK", QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder(ch);
    if (!encoder.hasError()) {
      out.append(bytes.constData(), static_cast<size_t>(bytes.size()));
    } else if (substitute) {
      out += *substitute;
    } else {
      const QString hex = QString::number(ch.toUcs4().value(0), 16).toUpper();
      throw GbkError(QStringLiteral("字符“%1”(U+%2)不能用GBK编码保存").arg(ch, hex).toStdString());
    }
    i += len;
  }
  return out;
}

bool isDisplayableGbkCharacter(const std::string& bytes) {
  QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
  const QString text = decoder(asBytes(bytes));
  if (decoder.hasError()) return false;
  const QList<uint> codePoints = text.toUcs4();
  return codePoints.size() == 1 && QChar::isPrint(codePoints[0]);
}

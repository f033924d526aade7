#include "ui/platform/gbk.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QByteArray asBytes(const std::string& bytes) {
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Opening a converter looks its name up among all the ones ICU knows, which costs far more
// than converting a character: each thread keeps one decoder. Being stateless, it carries
// nothing from one text to the next but its count of errors, so a text's bytes that are not
// GBK are told by the replacement characters they decode to (GBK holds no U+FFFD itself).
QString decodeGbk(const QByteArray& bytes) {
  thread_local QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
  return decoder.decode(bytes);
}

}  // namespace

QString fromGbk(const std::string& bytes) { return decodeGbk(asBytes(bytes)); }

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

std::optional<QString> displayableGbkCharacter(const std::string& bytes) {
  QString text = decodeGbk(asBytes(bytes));
  if (text.contains(QChar::ReplacementCharacter)) return std::nullopt;
  const QList<uint> codePoints = text.toUcs4();
  if (codePoints.size() != 1 || !QChar::isPrint(codePoints[0])) return std::nullopt;
  return text;
}

#include "ui/platform/gbk.h"

#include <utility>

#include "platform/gbk_unicode.h"

namespace {

bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool isTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

// The character of the one or two bytes at `at`, and how many bytes it takes. A lead byte
// with a proper trail byte is one unit whether or not GBK gives the pair a character, so an
// unassigned code stands as one replacement character, as a converter reports it.
std::pair<char32_t, size_t> characterAt(const std::string& bytes, size_t at) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  if (lead < 0x80) return {lead, 1};
  if (isLeadByte(lead) && at + 1 < bytes.size()) {
    const auto trail = static_cast<unsigned char>(bytes[at + 1]);
    if (isTrailByte(trail)) {
      const char32_t unicode = unicodeOfGbk(static_cast<uint16_t>(lead << 8 | trail));
      return {unicode != 0 ? unicode : char32_t{QChar::ReplacementCharacter}, 2};
    }
  }
  return {QChar::ReplacementCharacter, 1};
}

void appendUnicode(QString& text, char32_t unicode) {
  if (QChar::requiresSurrogates(unicode)) {
    text += QChar(QChar::highSurrogate(unicode));
    text += QChar(QChar::lowSurrogate(unicode));
  } else {
    text += QChar(static_cast<char16_t>(unicode));
  }
}

}  // namespace

// GBK holds no U+FFFD, so a replacement character in the text always marks bytes that are
// no GBK character.
QString fromGbk(const std::string& bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (size_t at = 0; at < bytes.size();) {
    const auto [unicode, length] = characterAt(bytes, at);
    appendUnicode(text, unicode);
    at += length;
  }
  return text;
}

std::string toGbk(const QString& text, std::optional<char> substitute) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()) * 2);
  for (qsizetype i = 0; i < text.size();) {
    const bool pair =
        text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    const char32_t unicode =
        pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t{text[i].unicode()};
    if (unicode < 0x80) {
      out += static_cast<char>(unicode);
    } else if (const uint16_t code = gbkOfUnicode(unicode)) {
      out += static_cast<char>(code >> 8);  // every code above 0x7F has two bytes
      out += static_cast<char>(code & 0xFF);
    } else if (substitute) {
      out += *substitute;
    } else {
      const QString hex = QString::number(unicode, 16).toUpper().rightJustified(4, u'0');
      throw GbkError(QStringLiteral("字符“%1”(U+%2)不能用GBK编码保存")
                         .arg(text.mid(i, pair ? 2 : 1), hex)
                         .toStdString());
    }
    i += pair ? 2 : 1;
  }
  return out;
}

std::optional<QString> displayableGbkCharacter(const std::string& bytes) {
  if (bytes.empty()) return std::nullopt;
  const auto [unicode, length] = characterAt(bytes, 0);
  if (length != bytes.size() || unicode == QChar::ReplacementCharacter || !QChar::isPrint(unicode))
    return std::nullopt;
  QString text;
  appendUnicode(text, unicode);
  return text;
}

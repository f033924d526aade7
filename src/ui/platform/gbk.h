#pragma once

#include <QString>
#include <optional>
#include <stdexcept>
#include <string>

// The window's one bridge between GBK bytes (as files and the model hold them) and QString.
// It goes through the program's one GBK mapping (platform/gbk_unicode.h), so the list, the
// find box and the files agree on every character.

class GbkError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Bytes that are not GBK decode to replacement characters; decoding never fails.
QString fromGbk(const std::string& bytes);

// Throws GbkError naming the first character GBK cannot hold, unless a substitute byte is
// given, which then stands for every such character.
std::string toGbk(const QString& text, std::optional<char> substitute = std::nullopt);

// The character when the bytes are exactly one printable GBK character.
std::optional<QString> displayableGbkCharacter(const std::string& bytes);

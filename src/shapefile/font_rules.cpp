#include "shapefile/font_rules.h"

#include "platform/gbk_unicode.h"
#include "platform/path_names.h"
#include "shapefile/shpfile.h"

namespace {

// The next character of UTF-8 text from `at`, which it moves past it; 0 for a byte that
// starts no well-formed character (it counts as one character).
char32_t nextUtf8(const std::string& text, size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  const int trailing = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (trailing < 0 || at + trailing > text.size()) return 0;
  char32_t value = lead & (0x3F >> trailing);
  for (int i = 0; i < trailing; ++i) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if ((byte & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte & 0x3F);
    ++at;
  }
  return value;
}

}  // namespace

int gridIndexOf(int side) {
  if (side < gridSideOf(0) || side > gridSideOf(kGridSizeCount - 1) || side % 12 != 0) return -1;
  return side / 12 - 1;
}

HeightSplit splitHeight(int side, bool withDescent) {
  if (!withDescent) return {static_cast<uint8_t>(side), 0};
  return {static_cast<uint8_t>(side * 2 / 3), static_cast<uint8_t>(side / 3)};
}

bool hasDescent(uint8_t kind, uint8_t direction) {
  return kind == GShpFile::kindAscii && direction == 0;
}

std::string fontNameOf(const std::string& path) {
  const std::string base = baseNameOf(path);
  std::string name;
  for (size_t at = 0; at < base.size();) {
    const char32_t c = nextUtf8(base, at);
    const uint16_t code = gbkOfUnicode(c);
    if (code == 0) {
      name += '_';
    } else if (code < 0x80) {
      name += static_cast<char>(code);
    } else {
      name += static_cast<char>(code >> 8);
      name += static_cast<char>(code & 0xFF);
    }
  }
  return name;
}

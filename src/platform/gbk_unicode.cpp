#include "platform/gbk_unicode.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

// Both directions, read once from the C library's GBK converter.
struct GbkTables {
  std::array<char32_t, 65536> toUnicode{};
  std::vector<std::pair<char32_t, uint16_t>> toGbk;  // sorted by Unicode

  GbkTables() {
    for (uint16_t c = 1; c < 0x80; ++c) toUnicode[c] = c;
    iconv_t converter = iconv_open("UTF-32LE", "GBK");
    if (converter != reinterpret_cast<iconv_t>(-1)) {
      for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
          if (trail == 0x7F) continue;
          const uint16_t code = static_cast<uint16_t>(lead << 8 | trail);
          toUnicode[code] = convert(converter, code);
        }
      }
      iconv_close(converter);
    }
    for (unsigned code = 1; code < toUnicode.size(); ++code) {
      if (toUnicode[code] != 0) toGbk.emplace_back(toUnicode[code], static_cast<uint16_t>(code));
    }
    // Where two codes decode to one character, the first code is the one it encodes to.
    std::stable_sort(toGbk.begin(), toGbk.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    toGbk.erase(std::unique(toGbk.begin(), toGbk.end(),
                            [](const auto& a, const auto& b) { return a.first == b.first; }),
                toGbk.end());
  }

  static char32_t convert(iconv_t converter, uint16_t code) {
    char in[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    unsigned char out[8] = {};
    char* inAt = in;
    char* outAt = reinterpret_cast<char*>(out);
    size_t inLeft = sizeof in;
    size_t outLeft = sizeof out;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &inAt, &inLeft, &outAt, &outLeft) == static_cast<size_t>(-1) ||
        inLeft != 0 || outLeft != sizeof out - 4) {
      return 0;
    }
    return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
  }
};

const GbkTables& tables() {
  static const GbkTables built;
  return built;
}

}  // namespace

char32_t unicodeOfGbk(uint16_t gbk) { return tables().toUnicode[gbk]; }

uint16_t gbkOfUnicode(char32_t unicode) {
  const auto& toGbk = tables().toGbk;
  const auto at = std::lower_bound(toGbk.begin(), toGbk.end(), unicode,
                                   [](const auto& entry, char32_t u) { return entry.first < u; });
  return at != toGbk.end() && at->first == unicode ? at->second : 0;
}

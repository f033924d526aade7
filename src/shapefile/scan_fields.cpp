#include "shapefile/scan_fields.h"

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool isDigit(char c) { return c >= '0' && c <= '9'; }

size_t skipBlanks(std::string_view text, size_t i) {
  while (i < text.size() && isBlank(text[i])) ++i;
  return i;
}

// Reads an optionally signed number at i; false (i unchanged) without digits.
bool readNumber(std::string_view text, size_t& i, int32_t& value) {
  size_t j = i;
  bool negative = false;
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) negative = text[j++] == '-';
  if (j >= text.size() || !isDigit(text[j])) return false;
  uint32_t magnitude = 0;
  while (j < text.size() && isDigit(text[j])) {
    magnitude = magnitude * 10u + static_cast<uint32_t>(text[j] - '0');
    ++j;
  }
  value = static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
  i = j;
  return true;
}

}  // namespace

ScannedFields scanFields(std::string_view text, std::string_view pattern) {
  ScannedFields fields;
  size_t i = 0;
  for (size_t p = 0; p < pattern.size(); ++p) {
    const char c = pattern[p];
    if (isBlank(c)) {
      i = skipBlanks(text, i);
    } else if (c == '%' && p + 1 < pattern.size() && pattern[p + 1] == 'd') {
      ++p;
      i = skipBlanks(text, i);
      int32_t value = 0;
      if (!readNumber(text, i, value)) break;
      fields.numbers.push_back(value);
      ++fields.matched;
    } else if (c == '%' && p + 1 < pattern.size() && pattern[p + 1] == 's') {
      ++p;
      i = skipBlanks(text, i);
      const size_t start = i;
      while (i < text.size() && !isBlank(text[i])) ++i;
      if (i == start) break;
      fields.word = std::string(text.substr(start, i - start));
      ++fields.matched;
    } else {
      if (i >= text.size() || text[i] != c) break;
      ++i;
    }
  }
  return fields;
}

int32_t leadingNumber(std::string_view text) {
  size_t i = skipBlanks(text, 0);
  int32_t value = 0;
  readNumber(text, i, value);
  return value;
}

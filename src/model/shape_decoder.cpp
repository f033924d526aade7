// Decoding of shape header lines and definition texts into a GShape.
#include <array>
#include <stdexcept>
#include <string>

#include "model/definition_items.h"
#include "model/shape.h"

namespace {

enum SpecialCode : uint8_t { penDown = 1, penUp = 2, singleMove = 8, multipleMoves = 9 };

enum CharClass : uint8_t { other, digit, parenthesis, blank };

constexpr std::array<CharClass, 256> charClasses = [] {
  std::array<CharClass, 256> classes{};
  for (char c = '0'; c <= '9'; ++c) classes[static_cast<uint8_t>(c)] = digit;
  classes['('] = classes[')'] = parenthesis;
  classes[' '] = classes['\t'] = blank;
  return classes;
}();

// A definition gathered from the lines of a file reads as if its line breaks were not there
// either, as when the lines are joined.
constexpr std::array<CharClass, 256> acrossLinesClasses = [] {
  std::array<CharClass, 256> classes = charClasses;
  classes['\r'] = classes['\n'] = parenthesis;
  return classes;
}();

inline CharClass classOf(char c) { return charClasses[static_cast<uint8_t>(c)]; }

// Reads a definition text item by item as DefinitionItems does, but as if the text had no
// parentheses, so "(3,-4)" is the two items 3 and -4. Every number is read in the same pass
// that finds the comma after it.
class DefinitionReader {
 public:
  DefinitionReader(std::string_view text, const std::array<CharClass, 256>& classes)
      : at_(text.data()),
        end_(text.data() + text.size()),
        classes_(classes),
        acrossLines_(&classes == &acrossLinesClasses) {}

  // The items read so far; past the text's end every item reads as 0 and is not counted.
  size_t count() const { return count_; }

  // Kept small, so that it is inlined at every call: the rare items go out of line.
  int32_t take() {
    int32_t value;
    if (takeCommon(value)) return value;
    return takeAny();
  }

  void advance() {
    if (at_ < end_) ++count_;
    while (at_ < end_ && *at_ != ',') ++at_;
    if (at_ < end_) ++at_;
  }

 private:
  // Nearly every item reads "12,", "(12," or "-5),": (a line break,) one optional '(', one optional
  // '-', up to nine digits, one optional ')' and the comma. Such an item is read here without a
  // bound check for each byte; any other leaves the reader where it was.
  [[gnu::always_inline]] bool takeCommon(int32_t& value) {
    constexpr ptrdiff_t longest = 16;
    if (end_ - at_ < longest) return false;
    const char* p = at_;
    // Across lines, an item may begin the next line.
    if (acrossLines_ && *p == '\r') ++p;
    if (acrossLines_ && *p == '\n') ++p;
    if (*p == '(') ++p;
    const bool negative = *p == '-';
    if (negative) ++p;
    const char* digits = p;
    uint32_t n = 0;
    while (classOf(*p) == digit && p - digits < 9) n = n * 10u + static_cast<uint32_t>(*p++ - '0');
    if (p == digits) return false;
    if (*p == ')') ++p;
    if (*p != ',') return false;
    at_ = p + 1;
    ++count_;
    value = static_cast<int32_t>(negative ? 0u - n : n);
    return true;
  }

  [[gnu::noinline]] int32_t takeAny() {
    const char* p = at_;
    while (p < end_ && classOf(*p) >= parenthesis) ++p;  // parentheses and blanks
    bool negative = false;
    if (p < end_ && (*p == '-' || *p == '+')) {
      negative = *p == '-';
      ++p;
      while (p < end_ && classOf(*p) == parenthesis) ++p;
    }
    // Accumulate modulo 2^32 so that absurd digit runs cannot overflow.
    uint32_t value = 0;
    for (; p < end_; ++p) {
      const CharClass c = classOf(*p);
      if (c == digit) {
        value = value * 10u + static_cast<uint32_t>(*p - '0');
      } else if (c != parenthesis) {
        break;
      }
    }
    at_ = p;
    advance();
    return static_cast<int32_t>(negative ? 0u - value : value);
  }

  CharClass classOf(char c) const { return classes_[static_cast<uint8_t>(c)]; }

  const char* at_;
  const char* end_;
  const std::array<CharClass, 256>& classes_;
  const bool acrossLines_;
  size_t count_ = 0;
};

uint8_t readCode(DefinitionReader& items) { return static_cast<uint8_t>(items.take() & 0xFF); }

}  // namespace

void GShape::parseLine(std::string_view text) {
  if (text.empty()) throw std::out_of_range("shape definition is empty");
  if (text[0] == '*') {
    parseHeader(text);
  } else {
    parseDefinition(text, false);
  }
}

void GShape::parseDefinitionLines(std::string_view text) {
  if (text.empty()) throw std::out_of_range("shape definition is empty");
  parseDefinition(text, true);
}

void GShape::parseHeader(std::string_view line) {
  DefinitionItems items(line.substr(1));
  code_ = static_cast<uint16_t>(items.number());
  if (code_ < 128 && direction_ == 0) width_ /= 2;
  // Without a comma the byte count is read from the shape number again.
  if (line.find(',') != std::string_view::npos) items.advance();
  byteCount_ = static_cast<int16_t>(items.number());
}

void GShape::parseDefinition(std::string_view text, bool acrossLines) {
  // The points are gathered first, so the path takes a single block of exactly their number,
  // and a definition refused half-way leaves the shape as it was.
  struct Decoded {
    int32_t x, y;
    uint8_t pen;
  };
  thread_local std::vector<Decoded> decodedPoints;
  std::vector<Decoded>& decoded = decodedPoints;
  decoded.clear();
  DefinitionReader reader(text, acrossLines ? acrossLinesClasses : charClasses);
  uint8_t pen = 1;
  int32_t x = 0, y = 0;
  bool followed = true;  // every move of the definition was taken into the points
  auto moveBy = [&](int32_t dx, int32_t dy) __attribute__((always_inline)) {
    x = wrappingAdd(x, dx);
    y = wrappingAdd(y, dy);
    decoded.push_back({x, y, pen});
  };

  auto checkLength = [&]() __attribute__((always_inline)) {
    if (reader.count() > maxDefinitionItems) {
      throw std::length_error("the definition has more than " + std::to_string(maxDefinitionItems) +
                              " items");
    }
  };
  for (uint8_t code = readCode(reader); code != 0; code = readCode(reader)) {
    checkLength();
    switch (code) {
      case penDown:
        pen = 0;
        break;
      case penUp:
        pen = 1;
        break;
      case singleMove: {
        int32_t dx = reader.take();
        int32_t dy = reader.take();
        moveBy(dx, dy);
        break;
      }
      case multipleMoves:
        for (;;) {
          int32_t dx = reader.take();
          int32_t dy = reader.take();
          if (dx == 0 && dy == 0) break;
          moveBy(dx, dy);
          checkLength();
        }
        break;
      default:
        // Codes this editor does not draw (scaling, stack, subshapes, arcs, vector
        // bytes): the item after the code is taken as its argument and passed over.
        reader.advance();
        followed = false;
        break;
    }
  }

  // CAD advances to where the pen ends, and so does a shape written here: in a font of normal
  // direction a definition that ends lifted on the baseline keeps that advance, so widths set
  // one character at a time (or made by another program) survive reading. Where the pen ends
  // elsewhere, or passed over codes whose moves were not followed, and in a rotated font,
  // whose characters all take the full width, the width stays the file's.
  if (direction_ == 0 && followed && !decoded.empty() && decoded.back().pen &&
      decoded.back().y == 0 && decoded.back().x >= 0 && decoded.back().x <= 0xFFFF)
    width_ = static_cast<uint16_t>(decoded.back().x);
  while (!decoded.empty() && decoded.back().pen) decoded.pop_back();
  makeList();
  path_.clear();
  store_.clear(decoded.size());
  path_.reserve(decoded.size());
  for (const Decoded& p : decoded) path_.push_back(store_.make(GPoint(p.x, p.y, p.pen)));
}

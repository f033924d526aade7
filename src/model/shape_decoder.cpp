// Decoding of shape header lines and definition texts into a GShape.
#include <stdexcept>

#include "model/definition_items.h"
#include "model/shape.h"

namespace {

enum SpecialCode : uint8_t { penDown = 1, penUp = 2, singleMove = 8, multipleMoves = 9 };

uint8_t readCode(DefinitionItems& items) {
  auto code = static_cast<uint8_t>(items.number() & 0xFF);
  items.advance();
  return code;
}

int32_t readNumber(DefinitionItems& items) {
  int32_t n = items.number();
  items.advance();
  return n;
}

}  // namespace

void GShape::parseLine(const std::string& text) {
  if (text.empty()) throw std::out_of_range("shape definition is empty");
  if (text[0] == '*') {
    parseHeader(text);
  } else {
    parseDefinition(text);
  }
}

void GShape::parseHeader(const std::string& line) {
  DefinitionItems items(std::string_view(line).substr(1));
  code_ = static_cast<uint16_t>(items.number());
  if (code_ < 128 && direction_ == 0) width_ /= 2;
  // Without a comma the byte count is read from the shape number again.
  if (line.find(',') != std::string::npos) items.advance();
  byteCount_ = static_cast<int16_t>(items.number());
}

void GShape::parseDefinition(const std::string& text) {
  std::string bare;
  bare.reserve(text.size());
  for (char c : text) {
    if (c != '(' && c != ')') bare.push_back(c);
  }

  PointList& pts = list();
  pts.clear();
  DefinitionItems items(bare);
  uint8_t pen = 1;
  int32_t x = 0, y = 0;
  auto moveBy = [&](int32_t dx, int32_t dy) {
    x = wrappingAdd(x, dx);
    y = wrappingAdd(y, dy);
    pts.push_back(std::make_unique<GPoint>(x, y, pen));
  };

  for (uint8_t code = readCode(items); code != 0; code = readCode(items)) {
    switch (code) {
      case penDown:
        pen = 0;
        break;
      case penUp:
        pen = 1;
        break;
      case singleMove: {
        int32_t dx = readNumber(items);
        int32_t dy = readNumber(items);
        moveBy(dx, dy);
        break;
      }
      case multipleMoves:
        for (;;) {
          int32_t dx = readNumber(items);
          int32_t dy = readNumber(items);
          if (dx == 0 && dy == 0) break;
          moveBy(dx, dy);
        }
        break;
      default:
        // Codes this editor does not draw (scaling, stack, subshapes, arcs, vector
        // bytes): the item after the code is taken as its argument and passed over.
        items.advance();
        break;
    }
  }

  while (!pts.empty() && pts.back()->isVirtual) pts.pop_back();
}

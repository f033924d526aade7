#include "editing/character_sets.h"

#include <memory>

#include "platform/gbk_unicode.h"
#include "shapefile/shpfile.h"

namespace {

constexpr unsigned char kHanziSet = 0x80;

// Returns the new shape's list bytes.
std::string appendShape(GShpFile& file, uint16_t code, uint16_t width) {
  auto shape = std::make_unique<GShape>();
  shape->reset(width);
  shape->setCode(code);
  std::string text = shape->listText();
  file.addShape(std::move(shape));
  return text;
}

}  // namespace

bool holdsHanziSetByte(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead == kHanziSet) return true;
    if (lead > kHanziSet) ++i;  // its trail byte may be 0x80 too
  }
  return false;
}

uint16_t newShapeWidth(bool doubleByte, uint8_t direction, uint8_t gridWidth) {
  return doubleByte || direction != 0 ? gridWidth : static_cast<uint16_t>(gridWidth / 2);
}

AddedCharacters addCharacters(GShpFile& file, const std::string& text, uint8_t gridWidth) {
  AddedCharacters result;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead == kHanziSet) {
      if (addAllHanzi(file, gridWidth, result.firstText)) result.added = true;
      continue;
    }
    uint16_t code = lead;
    if (lead > kHanziSet) {
      if (i + 1 >= text.size()) break;  // a lead byte without its trail byte is no character
      code = static_cast<uint16_t>(lead * 256 + static_cast<unsigned char>(text[++i]));
    }
    if (file.hasShape(code)) continue;
    const std::string text =
        appendShape(file, code, newShapeWidth(lead > kHanziSet, file.direction(), gridWidth));
    if (result.firstText.empty()) result.firstText = text;
    result.added = true;
  }
  return result;
}

bool addAllHanzi(GShpFile& file, uint16_t width, std::string& firstText) {
  bool added = false;
  for (unsigned lead = 0xB0; lead <= 0xF7; ++lead) {
    for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
      const auto code = static_cast<uint16_t>(lead * 256 + trail);
      if (file.hasShape(code)) continue;
      const std::string text = appendShape(file, code, width);
      if (!added) firstText = text;
      added = true;
    }
  }
  return added;
}

std::vector<uint16_t> gb2312HanziCodes() {
  std::vector<uint16_t> codes;
  for (unsigned lead = 0xB0; lead <= 0xF7; ++lead) {
    for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
      const auto code = static_cast<uint16_t>(lead * 256 + trail);
      if (unicodeOfGbk(code) != 0) codes.push_back(code);
    }
  }
  return codes;
}

#pragma once

#include <cstdint>
#include <string_view>

// Reads a shape definition text item by item: numbers are decimal with optional
// leading blanks and sign, and end at the first non-digit; advancing moves past
// the next comma. Once the text runs out every number reads as 0. Reading is a
// single forward pass, so a text of any length decodes in linear time.
class DefinitionItems {
 public:
  explicit DefinitionItems(std::string_view text) : text_(text) {}

  int32_t number() const;
  void advance();

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

#include "model/definition_items.h"

int32_t DefinitionItems::number() const {
  size_t i = pos_;
  while (i < text_.size() && (text_[i] == ' ' || text_[i] == '\t')) ++i;
  bool negative = false;
  if (i < text_.size() && (text_[i] == '-' || text_[i] == '+')) {
    negative = text_[i] == '-';
    ++i;
  }
  // Accumulate modulo 2^32 so that absurd digit runs cannot overflow.
  uint32_t value = 0;
  for (; i < text_.size() && text_[i] >= '0' && text_[i] <= '9'; ++i) {
    value = value * 10u + static_cast<uint32_t>(text_[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

void DefinitionItems::advance() {
  size_t comma = text_.find(',', pos_);
  pos_ = comma == std::string_view::npos ? text_.size() : comma + 1;
}

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The fields of one header line, matched the way C's scanf matches a pattern of
// %d (an optionally signed decimal number), %s (one blank-free word), blanks
// (any run of white space, none included) and literal characters. Matching stops
// at the first mismatch. Numbers too large for 32 bits wrap, so their low bits,
// which the 8- and 16-bit header fields keep, are those of the number written.
struct ScannedFields {
  int matched = 0;  // conversions filled, as scanf counts them
  std::vector<int32_t> numbers;
  std::string word;
};

ScannedFields scanFields(std::string_view text, std::string_view pattern);

// The number at the start of text: leading blanks and one sign allowed, digits up
// to the first non-digit; no digits give 0. Wraps like scanFields.
int32_t leadingNumber(std::string_view text);

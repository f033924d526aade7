#pragma once

#include <cstdint>
#include <string>
#include <vector>

class GShpFile;

// The characters the add command makes: typed or ticked characters as GBK bytes, the byte
// 0x80 standing for the GB2312 hanzi set.
struct AddedCharacters {
  bool added = false;
  std::string firstText;  // list bytes of the character to select afterwards; empty: none
};

// Whether the text holds the byte 0x80 as a character of its own (GBK's euro sign), which
// addCharacters takes for the whole hanzi set.
bool holdsHanziSetByte(const std::string& text);

// The advance of a new character: the grid width for double-byte characters and in rotated
// files, half of it for single-byte characters in files of normal direction.
uint16_t newShapeWidth(bool doubleByte, uint8_t direction, uint8_t gridWidth);

// Appends an empty shape for every character of `text` the file does not hold yet, in the
// order of the text. The first character added is the one to select, unless the hanzi set
// added some: then its first.
AddedCharacters addCharacters(GShpFile& file, const std::string& text, uint8_t gridWidth);

// Appends the GB2312 hanzi the file does not hold (lead bytes 0xB0 to 0xF7, trail bytes
// 0xA1 to 0xFE, row by row, 6768 codes) with the given width; the first added becomes
// `firstText`. Returns whether any was added.
bool addAllHanzi(GShpFile& file, uint16_t width, std::string& firstText);

// The GBK codes of the 6763 GB2312 hanzi in code order: the codes addAllHanzi adds that hold
// a character.
std::vector<uint16_t> gb2312HanziCodes();

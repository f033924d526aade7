#pragma once

#include <cstdint>

// The one mapping between GBK codes and Unicode the program uses: the character list, the
// find box, the files and the formats numbered by Unicode all go through it, so they never
// disagree. A GBK code is the character's byte below 0x80, otherwise its lead byte times 256
// plus its trail byte (中 is 0xD6D0).

// The Unicode scalar value of a GBK code; 0 when the code holds no character.
char32_t unicodeOfGbk(uint16_t gbk);
// The GBK code of a Unicode scalar value; 0 when GBK cannot hold it.
uint16_t gbkOfUnicode(char32_t unicode);

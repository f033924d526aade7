#pragma once

#include <QString>
#include <cstdint>
#include <string>

// What the character list shows for a shape: its character when the list bytes are one
// displayable GBK character, otherwise its code in hexadecimal ("0x00C8"), so that codes
// 128 to 255 and Unicode shape numbers do not show as empty or garbled lines.
QString listCaption(const std::string& listBytes, uint16_t code);

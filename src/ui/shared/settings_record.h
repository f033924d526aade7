#pragma once

#include <cstdint>
#include <string>

class IniFile;

// Everything the settings file beside a shape file keeps, as plain values.
struct SettingsRecord {
  uint8_t refMode = 0;
  int32_t refLeft = 0;
  int32_t refTop = 0;
  std::string refFontName;
  int32_t refFontSize = 240;
  std::string lastChar;
  int32_t listWidth = 104;
  int32_t memoHeight = 104;
  int32_t windowLeft = 0;
  int32_t windowTop = 0;
  int32_t windowWidth = 811;
  int32_t windowHeight = 712;
  uint8_t fontFlag = 0;
  uint8_t fontSize = 3;
};

// Puts the fourteen keys, in their fixed order, into the INI file held in memory.
void storeSettings(IniFile& ini, const SettingsRecord& record);
// Stores the keys and saves the file with one replacement; throws IniWriteError when it
// cannot be written, and then the file on disk is as it was.
void writeSettings(IniFile& ini, const SettingsRecord& record);

// Reads the settings over the given values, which serve as the defaults of the
// reference, pane and window keys; the direction and grid size fall back to 0 and 3.
// The window's place is read only when the reference mode read is not 0; the result
// says whether it was.
//
// A settings file may be damaged in any way; reading never fails. Values that cannot be
// what this program wrote count as missing: a last character of more than two bytes, and
// sizes and places outside what a screen can hold (a window or pane size outside 0 to
// 32767, a window corner outside -32768 to 32767).
bool readSettings(const IniFile& ini, SettingsRecord& record);

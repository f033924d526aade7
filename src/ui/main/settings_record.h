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

// Writes the fourteen keys in their fixed order; throws IniWriteError at the first
// key that cannot be written (the keys before it stay written).
void writeSettings(IniFile& ini, const SettingsRecord& record);

// Reads the settings over the given values, which serve as the defaults of the
// reference, pane and window keys; the direction and grid size fall back to 0 and 3.
// The window's place is read only when the reference mode read is not 0; the result
// says whether it was.
bool readSettings(const IniFile& ini, SettingsRecord& record);

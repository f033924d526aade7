#include "ui/shared/settings_record.h"

#include <algorithm>
#include <utility>

#include "platform/ini_file.h"

namespace {

// Window coordinates are 16-bit on the screens this program runs on; anything beyond
// them comes from a damaged file and would only make the window unusable.
constexpr int kLargestExtent = 32767;

int readInRange(const IniFile& ini, const char* section, const char* key, int current, int low,
                int high) {
  const int value = ini.readInteger(section, key, current);
  return value >= low && value <= high ? value : current;
}
int readExtent(const IniFile& ini, const char* section, const char* key, int current) {
  return readInRange(ini, section, key, current, 0, kLargestExtent);
}
int readPlace(const IniFile& ini, const char* section, const char* key, int current) {
  return readInRange(ini, section, key, current, -kLargestExtent - 1, kLargestExtent);
}

}  // namespace

void writeSettings(IniFile& ini, const SettingsRecord& r) {
  storeSettings(ini, r);
  ini.save();
}

void storeSettings(IniFile& ini, const SettingsRecord& r) {
  ini.writeInteger("REF", "MODE", r.refMode);
  ini.writeInteger("REF", "LEFT", r.refLeft);
  ini.writeInteger("REF", "TOP", r.refTop);
  ini.writeString("REF", "FONTNAME", r.refFontName);
  ini.writeInteger("REF", "FONTSIZE", r.refFontSize);
  ini.writeString("REF", "LASTCHAR", r.lastChar);
  ini.writeInteger("OTHER", "LISTWIDTH", r.listWidth);
  ini.writeInteger("OTHER", "MEMOHEIGHT", r.memoHeight);
  ini.writeInteger("WINDOW", "LEFT", r.windowLeft);
  ini.writeInteger("WINDOW", "TOP", r.windowTop);
  ini.writeInteger("WINDOW", "WIDTH", r.windowWidth);
  ini.writeInteger("WINDOW", "HEIGHT", r.windowHeight);
  ini.writeInteger("FONT", "FLAG", r.fontFlag);
  ini.writeInteger("FONT", "SIZE", r.fontSize);
}

bool readSettings(const IniFile& ini, SettingsRecord& r) {
  r.refMode = static_cast<uint8_t>(ini.readInteger("REF", "MODE", r.refMode));
  r.refLeft = ini.readInteger("REF", "LEFT", r.refLeft);
  r.refTop = ini.readInteger("REF", "TOP", r.refTop);
  r.refFontName = ini.readString("REF", "FONTNAME", r.refFontName);
  // The size spin edit holds 240 to 800; the size kept is what it shows.
  r.refFontSize = std::clamp(ini.readInteger("REF", "FONTSIZE", r.refFontSize), 240, 800);
  // One character is one or two bytes.
  if (std::string c = ini.readString("REF", "LASTCHAR", r.lastChar); c.size() <= 2) {
    r.lastChar = std::move(c);
  }
  r.listWidth = readExtent(ini, "OTHER", "LISTWIDTH", r.listWidth);
  r.memoHeight = readExtent(ini, "OTHER", "MEMOHEIGHT", r.memoHeight);
  const bool placeRead = r.refMode != 0;
  if (placeRead) {
    r.windowLeft = readPlace(ini, "WINDOW", "LEFT", r.windowLeft);
    r.windowTop = readPlace(ini, "WINDOW", "TOP", r.windowTop);
    r.windowWidth = readExtent(ini, "WINDOW", "WIDTH", r.windowWidth);
    r.windowHeight = readExtent(ini, "WINDOW", "HEIGHT", r.windowHeight);
  }
  r.fontFlag = static_cast<uint8_t>(ini.readInteger("FONT", "FLAG", 0));
  r.fontSize = static_cast<uint8_t>(ini.readInteger("FONT", "SIZE", 3));
  return placeRead;
}

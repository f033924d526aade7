#include "ui/main/settings_record.h"

#include <algorithm>

#include "platform/ini_file.h"

void writeSettings(IniFile& ini, const SettingsRecord& r) {
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
  r.lastChar = ini.readString("REF", "LASTCHAR", r.lastChar);
  r.listWidth = ini.readInteger("OTHER", "LISTWIDTH", r.listWidth);
  r.memoHeight = ini.readInteger("OTHER", "MEMOHEIGHT", r.memoHeight);
  const bool readPlace = r.refMode != 0;
  if (readPlace) {
    r.windowLeft = ini.readInteger("WINDOW", "LEFT", r.windowLeft);
    r.windowTop = ini.readInteger("WINDOW", "TOP", r.windowTop);
    r.windowWidth = ini.readInteger("WINDOW", "WIDTH", r.windowWidth);
    r.windowHeight = ini.readInteger("WINDOW", "HEIGHT", r.windowHeight);
  }
  r.fontFlag = static_cast<uint8_t>(ini.readInteger("FONT", "FLAG", 0));
  r.fontSize = static_cast<uint8_t>(ini.readInteger("FONT", "SIZE", 3));
  return readPlace;
}

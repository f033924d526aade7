// Fuzz target: the bytes of a settings file, read into the settings record as opening a font
// reads them. Reading must never fail, and what was read, stored back into the file, must
// read back the same, from memory and from the bytes it would save.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/ini_file.h"
#include "ui/shared/settings_record.h"

namespace {

bool same(const SettingsRecord& a, const SettingsRecord& b, bool withPlace) {
  const bool place =
      !withPlace || (a.windowLeft == b.windowLeft && a.windowTop == b.windowTop &&
                     a.windowWidth == b.windowWidth && a.windowHeight == b.windowHeight);
  return place && a.refMode == b.refMode && a.refLeft == b.refLeft && a.refTop == b.refTop &&
         a.refFontName == b.refFontName && a.refFontSize == b.refFontSize &&
         a.lastChar == b.lastChar && a.listWidth == b.listWidth && a.memoHeight == b.memoHeight &&
         a.fontFlag == b.fontFlag && a.fontSize == b.fontSize;
}

// Defaults unlike every value of record, so that a key not read back shows.
SettingsRecord otherThan(const SettingsRecord& r) {
  SettingsRecord o = r;
  o.refLeft = ~r.refLeft;
  o.refTop = ~r.refTop;
  o.refFontName += 'x';
  o.lastChar.assign(r.lastChar.empty() ? 1 : 0, 'A');
  o.listWidth = ~r.listWidth;
  o.memoHeight = ~r.memoHeight;
  o.windowLeft = ~r.windowLeft;
  o.windowTop = ~r.windowTop;
  o.windowWidth = ~r.windowWidth;
  o.windowHeight = ~r.windowHeight;
  return o;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  IniFile ini("fuzz.cfg", std::string_view(reinterpret_cast<const char*>(data), size));
  SettingsRecord record;
  const bool placeRead = readSettings(ini, record);

  storeSettings(ini, record);
  SettingsRecord back = otherThan(record);
  if (readSettings(ini, back) != placeRead || !same(back, record, placeRead)) __builtin_trap();

  const IniFile saved("fuzz.cfg", ini.content());
  SettingsRecord reread = otherThan(record);
  if (readSettings(saved, reread) != placeRead || !same(reread, record, placeRead))
    __builtin_trap();
  return 0;
}

#include "ui/main/settings.h"

#include <QSplitter>

#include "platform/ini_file.h"
#include "platform/path_names.h"
#include "shapefile/shpfile.h"
#include "ui/document/font_document.h"

FontSettings::FontSettings(FontDocument& document, ReferenceUnderlay& reference, QWidget& window,
                           QSplitter& panes, QSplitter& canvasAndSource)
    : document_(document),
      reference_(reference),
      window_(window),
      panes_(panes),
      canvasAndSource_(canvasAndSource) {}

SettingsRecord FontSettings::current(const GShpFile& file) const {
  SettingsRecord record;
  reference_.storeInto(record);
  // The list bytes of codes 128 to 255 begin with a NUL, which a settings line cannot hold.
  const std::string& last = document_.currentChar();
  record.lastChar = last.find('\0') == std::string::npos ? last : std::string();
  record.listWidth = panes_.widget(0)->width();
  record.memoHeight = canvasAndSource_.widget(1)->height();
  record.windowLeft = window_.x();
  record.windowTop = window_.y();
  record.windowWidth = window_.width();
  record.windowHeight = window_.height();
  record.fontFlag = file.direction();
  record.fontSize = file.gridIndex();
  return record;
}

void FontSettings::save(const std::string& path) const {
  IniFile ini(settingsPathOf(path));
  writeSettings(ini, current(*document_.file()));
}

void FontSettings::load(const std::string& path, GShpFile& file) {
  SettingsRecord record = current(file);
  const bool placeRead = readSettings(IniFile(settingsPathOf(path)), record);
  reference_.takeFrom(record);
  takePanes(record);
  document_.setCurrentChar(record.lastChar);
  if (placeRead) {
    window_.move(record.windowLeft, record.windowTop);
    window_.resize(record.windowWidth, record.windowHeight);
  }
  document_.newFontDirection = record.fontFlag;
  document_.newFontGridIndex = record.fontSize;
  file.setDirection(record.fontFlag);
  file.setGridIndex(record.fontSize);
  reference_.showTaken();
}

FontSettings::Before FontSettings::before(const GShpFile& file) const {
  return {current(file), document_.currentChar(), document_.newFontDirection,
          document_.newFontGridIndex, reference_.choice()};
}

void FontSettings::restore(const Before& before) {
  const SettingsRecord& s = before.settings;
  reference_.restore(s, before.reference);
  takePanes(s);
  document_.setCurrentChar(before.currentChar);
  document_.newFontDirection = before.newFontDirection;
  document_.newFontGridIndex = before.newFontGridIndex;
  window_.move(s.windowLeft, s.windowTop);
  window_.resize(s.windowWidth, s.windowHeight);
}

// Splitters share out their whole extent in proportion to the sizes given.
void FontSettings::takePanes(const SettingsRecord& record) {
  const int width = panes_.width() - panes_.handleWidth();
  panes_.setSizes({record.listWidth, width - record.listWidth});
  const int height = canvasAndSource_.height() - canvasAndSource_.handleWidth();
  canvasAndSource_.setSizes({height - record.memoHeight, record.memoHeight});
}

#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "platform/ini_file.h"
#include "platform/path_names.h"
#include "ui/characters/character_list.h"
#include "ui/main/choice_group.h"
#include "ui/main/main_window.h"
#include "ui/main/settings_record.h"
#include "ui/platform/gbk.h"

// The settings file beside a shape file keeps what the shape file cannot: the reference
// underlay, the last character, the pane sizes, the window's place, direction and grid size.

SettingsRecord TFmMain::currentSettings() const {
  SettingsRecord record;
  record.refMode = refMode;
  record.refLeft = refLeft;
  record.refTop = refTop;
  record.refFontName = refFontName;
  record.refFontSize = refFontSize;
  // The list bytes of codes 128 to 255 begin with a NUL, which a settings line cannot hold.
  record.lastChar = currentChar.find('\0') == std::string::npos ? currentChar : std::string();
  record.listWidth = RzListBox1->width();
  record.memoHeight = RzMemo1->height();
  record.windowLeft = x();
  record.windowTop = y();
  record.windowWidth = width();
  record.windowHeight = height();
  record.fontFlag = shapeFile->direction();
  record.fontSize = shapeFile->gridIndex();
  return record;
}

void TFmMain::saveSettings(const std::string& path) {
  IniFile ini(settingsPathOf(path));
  writeSettings(ini, currentSettings());
}

void TFmMain::takeReferenceAndPanes(const SettingsRecord& record) {
  refMode = record.refMode;
  refLeft = record.refLeft;
  refTop = record.refTop;
  refFontName = record.refFontName;
  refFontSize = record.refFontSize;
  setListWidth(record.listWidth);
  setMemoHeight(record.memoHeight);
}

// What the file does not hold keeps the window's current value.
void TFmMain::loadSettings(const std::string& path) {
  SettingsRecord record = currentSettings();
  const bool placeRead = readSettings(IniFile(settingsPathOf(path)), record);

  takeReferenceAndPanes(record);
  currentChar = record.lastChar;
  if (placeRead) {
    move(record.windowLeft, record.windowTop);
    resize(record.windowWidth, record.windowHeight);
  }
  directionFlag = record.fontFlag;
  gridSizeIndex = record.fontSize;
  shapeFile->setDirection(directionFlag);
  shapeFile->setGridIndex(gridSizeIndex);

  // The reference controls follow the values read; a mode beyond the buttons checks the
  // last one, a negative one none.
  RzRadioGroup3->setItemIndex(static_cast<int8_t>(refMode));
  const QList<QListWidgetItem*> faces =
      RzFontListBox1->findItems(fromGbk(refFontName), Qt::MatchExactly);
  if (!faces.isEmpty()) RzFontListBox1->setCurrentItem(faces.constFirst());
  RzSpinEdit1->setValue(refFontSize);
  if (const QListWidgetItem* face = RzFontListBox1->currentItem()) refFont = QFont(face->text());
  if (!currentChar.empty()) selectListItemByText(currentChar);
}

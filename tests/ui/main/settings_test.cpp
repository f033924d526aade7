#include <QSpinBox>
#include <QSplitter>
#include <sstream>

#include "ui/main/file_fixture.h"

namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The key names of a settings text, with their sections, in file order.
std::vector<std::string> keysOf(const std::string& text) {
  std::vector<std::string> keys;
  for (const std::string& line : linesOf(text)) keys.push_back(line.substr(0, line.find('=')));
  return keys;
}

}  // namespace

using SettingsTest = FileCommandTest;

TEST_F(SettingsTest, SaveWritesTheFourteenKeysInOrder) {
  writeBytes(path("a.shp"), asciiFont());
  run("NMOpen", path("a.shp"));
  TFmMainProbe::setRefFontSize(*window, 300);
  TFmMainProbe::setCurrentChar(*window, kZhong);
  trigger("NMSave");

  const std::string text = readBytes(path("a.cfg"));
  EXPECT_EQ(keysOf(text),
            (std::vector<std::string>{"[REF]", "MODE", "LEFT", "TOP", "FONTNAME", "FONTSIZE",
                                      "LASTCHAR", "[OTHER]", "LISTWIDTH", "MEMOHEIGHT", "[WINDOW]",
                                      "LEFT", "TOP", "WIDTH", "HEIGHT", "[FONT]", "FLAG", "SIZE"}));
  const std::vector<std::string> lines = linesOf(text);
  EXPECT_EQ(lines[1], "MODE=0");
  EXPECT_EQ(lines[4], "FONTNAME=" + TFmMainProbe::refFontName(*window));
  EXPECT_EQ(lines[5], "FONTSIZE=300");
  EXPECT_EQ(lines[6], "LASTCHAR=" + kZhong);
  EXPECT_EQ(lines[8], "LISTWIDTH=" + std::to_string(list()->width()));
  EXPECT_EQ(lines[14], "HEIGHT=712");
  EXPECT_EQ(lines[16], "FLAG=0");
  EXPECT_EQ(lines[17], "SIZE=3");
  EXPECT_NE(text.find("\r\n"), std::string::npos);
}

TEST_F(SettingsTest, ALastCharacterHoldingANulByteIsWrittenEmpty) {
  writeBytes(path("a.shp"), asciiFont());
  run("NMOpen", path("a.shp"));
  TFmMainProbe::setCurrentChar(*window, std::string("\0\xC8", 2));  // code 200
  trigger("NMSave");

  const std::string text = readBytes(path("a.cfg"));
  EXPECT_EQ(text.find('\0'), std::string::npos);
  EXPECT_EQ(linesOf(text)[6], "LASTCHAR=");
}

TEST_F(SettingsTest, AFontSizeOutsideTheSpinEditIsClampedWhenRead) {
  writeBytes(path("a.shp"), asciiFont());
  writeBytes(path("a.cfg"), "[REF]\r\nFONTSIZE=9000\r\n");
  run("NMOpen", path("a.shp"));
  EXPECT_EQ(TFmMainProbe::refFontSize(*window), 800);
  EXPECT_EQ(child<QSpinBox>("RzSpinEdit1")->value(), 800);
}

TEST_F(SettingsTest, ForeignSectionsAndCommentsSurviveASave) {
  writeBytes(path("a.shp"), asciiFont());
  const std::string handWritten =
      "; written by hand\r\n[MINE]\r\nCOLOUR=\xBA\xEC\r\n\r\n[REF]\r\nLASTCHAR=A\r\nEXTRA=1\r\n";
  writeBytes(path("a.cfg"), handWritten);
  run("NMOpen", path("a.shp"));
  trigger("NMSave");

  const std::string text = readBytes(path("a.cfg"));
  EXPECT_EQ(text.rfind("; written by hand\r\n[MINE]\r\nCOLOUR=\xBA\xEC\r\n\r\n[REF]\r\n", 0), 0u)
      << text;
  EXPECT_NE(text.find("EXTRA=1\r\n"), std::string::npos);
  EXPECT_NE(text.find("LASTCHAR=A\r\n"), std::string::npos);
  EXPECT_NE(text.find("[FONT]\r\nFLAG=0\r\nSIZE=3\r\n"), std::string::npos);
}

TEST_F(SettingsTest, StoredPaneSizesComeBack) {
  writeBytes(path("a.shp"), asciiFont());
  writeBytes(path("a.cfg"), "[OTHER]\r\nLISTWIDTH=150\r\nMEMOHEIGHT=120\r\n");
  run("NMOpen", path("a.shp"));
  EXPECT_EQ(list()->width(), 150);
  EXPECT_EQ(child<QWidget>("RzMemo1")->height(), 120);
  trigger("NMSave");
  const std::string text = readBytes(path("a.cfg"));
  EXPECT_NE(text.find("LISTWIDTH=150"), std::string::npos);
  EXPECT_NE(text.find("MEMOHEIGHT=120"), std::string::npos);
}

TEST_F(SettingsTest, TheWindowMovesOnlyWhenAReferenceModeIsStored) {
  writeBytes(path("a.shp"), asciiFont());
  const std::string place = "[WINDOW]\r\nLEFT=10\r\nTOP=20\r\nWIDTH=900\r\nHEIGHT=750\r\n";
  writeBytes(path("a.cfg"), "[REF]\r\nMODE=0\r\n" + place);
  run("NMOpen", path("a.shp"));
  EXPECT_EQ(window->size(), QSize(1220, 712));
  trigger("NMClose");

  writeBytes(path("a.cfg"), "[REF]\r\nMODE=1\r\n" + place);
  run("NMOpen", path("a.shp"));
  EXPECT_EQ(window->size(), QSize(900, 750));
  EXPECT_EQ(window->pos(), QPoint(10, 20));
  EXPECT_EQ(TFmMainProbe::refMode(*window), 1);
  EXPECT_EQ(child<ChoiceGroup>("RzRadioGroup3")->itemIndex(), 1);
}

TEST_F(SettingsTest, AFileWithoutSettingsInheritsTheReferenceSettingsButNotTheMode) {
  writeBytes(path("a.shp"), asciiFont());
  writeBytes(path("a.cfg"), "[REF]\r\nMODE=1\r\nFONTSIZE=0x12C\r\nLASTCHAR=" + kZhong + "\r\n");
  writeBytes(path("b.shp"), asciiFont());
  run("NMOpen", path("a.shp"));
  EXPECT_EQ(TFmMainProbe::refFontSize(*window), 300);
  EXPECT_EQ(child<QSpinBox>("RzSpinEdit1")->value(), 300);
  trigger("NMClose");
  EXPECT_EQ(TFmMainProbe::refMode(*window), 0);

  run("NMOpen", path("b.shp"));
  EXPECT_EQ(TFmMainProbe::refMode(*window), 0);
  EXPECT_EQ(TFmMainProbe::refFontSize(*window), 300);
  EXPECT_EQ(TFmMainProbe::currentChar(*window), kZhong);
  ASSERT_NE(TFmMainProbe::currentShape(*window), nullptr);
  EXPECT_EQ(TFmMainProbe::currentShape(*window)->code(), 54992);
}

TEST_F(SettingsTest, DirectionAndGridSizeGoToTheOpenedFile) {
  writeBytes(path("a.shp"), asciiFont());
  writeBytes(path("a.cfg"), "[FONT]\r\nFLAG=1\r\nSIZE=7\r\n");
  run("NMOpen", path("a.shp"));
  ASSERT_NE(file(), nullptr);
  EXPECT_EQ(file()->direction(), 1);
  EXPECT_EQ(file()->gridIndex(), 7);
  EXPECT_EQ(TFmMainProbe::directionFlag(*window), 1);
  EXPECT_EQ(TFmMainProbe::gridSizeIndex(*window), 7);
  // The header's metrics win over the grid size; the rotated direction keeps "A" wide.
  EXPECT_EQ(TFmMainProbe::gridHeight(*window), 48);
  EXPECT_EQ(file()->findShape(65)->width(), 48);
  EXPECT_TRUE(child<QAction>("N9696")->isChecked());
  EXPECT_TRUE(child<QAction>("NMFlagLie")->isChecked());
}

TEST_F(SettingsTest, TheReferenceSettingsComeBackWithTheFont) {
  writeBytes(path("a.shp"), asciiFont());
  run("NMOpen", path("a.shp"));
  TFmMainProbe::selectListItemByText(*window, "A");
  window->RzListBox1Click();
  child<ChoiceGroup>("RzRadioGroup3")->setItemIndex(1);
  child<QSpinBox>("RzSpinEdit1")->setValue(300);
  trigger("NMSave");
  trigger("NMClose");
  EXPECT_EQ(TFmMainProbe::refMode(*window), 0);
  run("NMOpen", path("a.shp"));
  EXPECT_EQ(TFmMainProbe::refMode(*window), 1);
  EXPECT_EQ(child<ChoiceGroup>("RzRadioGroup3")->itemIndex(), 1);
  EXPECT_EQ(TFmMainProbe::refFontSize(*window), 300);
  EXPECT_FALSE(caption().endsWith(" *"));
}

TEST_F(SettingsTest, AFontWithAGarbageSettingsFileOpens) {
  writeBytes(path("a.shp"), asciiFont());
  using namespace std::string_literals;
  std::string garbage = "\xFF\xD8\xFF\xE0\0\x10JFIF\0\n[REF]\nMODE=1\n[REF]\nLASTCHAR="s;
  garbage += std::string(100000, '\xA1') + "\r\n[WINDOW]\r\nWIDTH=2147483647\r\nHEIGHT=-9\r\n";
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 167 + 3) % 256);
  writeBytes(path("a.cfg"), garbage);
  run("NMOpen", path("a.shp"));

  EXPECT_TRUE(prompts->errors.isEmpty()) << prompts->errors.join("\n").toStdString();
  ASSERT_NE(file(), nullptr);
  EXPECT_EQ(file()->shapeCount(), 2);
  EXPECT_EQ(list()->count(), 2);
  EXPECT_EQ(TFmMainProbe::refMode(*window), 1);
  EXPECT_EQ(window->size(), QSize(1220, 712));
}

#include <QAction>
#include <QStringList>

#include "ui/window_fixture.h"

namespace {

const QString refusal =
    QStringLiteral("更改字体的模式失败。如要更改字体模式，必须确保文件为空，即不含任何字符");

const char* const fontItems[] = {"NMASCII", "NMUNIFONT", "NMBIGFONT", "N1212",        "N2424",
                                 "N3636",   "N4848",     "N6060",     "N7272",        "N8484",
                                 "N9696",   "N108108",   "N120120",   "NMFlagNormal", "NMFlagLie"};

class FontCommands : public WindowTest {
 protected:
  QAction* item(const char* name) { return child<QAction>(name); }
  void click(const char* name) { item(name)->trigger(); }

  // An empty font as Open leaves it: the file's metrics on the grid, its marks set.
  GShpFile* openEmpty(uint8_t above, uint8_t below, uint8_t kind, uint8_t direction = 0,
                      uint8_t gridIndex = 3) {
    auto file = std::make_unique<GShpFile>(above, below);
    file->setKind(kind);
    file->setDirection(direction);
    file->setGridIndex(gridIndex);
    file->setAbove(above);
    file->setBelow(below);
    window->showShapeFile(std::move(file), "/tmp/t.shp");
    TFmMainProbe::markFontItems(*window);
    return file_();
  }
  GShpFile* file_() { return TFmMainProbe::shapeFile(*window); }

  // The marked items of the three submenus.
  QString marks() {
    QStringList marked;
    for (const char* name : fontItems)
      if (item(name)->isChecked()) marked << QString::fromLatin1(name);
    return marked.join(QLatin1Char(' '));
  }

  // The file's above and below, and the window's grid built from them.
  void expectGrid(int above, int below) {
    ASSERT_NE(file_(), nullptr);
    EXPECT_EQ(file_()->above(), above);
    EXPECT_EQ(file_()->below(), below);
    EXPECT_EQ(file_()->height(), above + below);
    EXPECT_EQ(TFmMainProbe::gridAbove(*window), above);
    EXPECT_EQ(TFmMainProbe::gridBelow(*window), below);
    EXPECT_EQ(TFmMainProbe::gridHeight(*window), above + below);
    EXPECT_EQ(TFmMainProbe::gridWidth(*window), above + below);
  }

  void expectUnmodifiedCaption() {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvane  /tmp/t.shp"));
  }
};

TEST_F(FontCommands, DirectionResplitsAnAsciiFont) {
  openEmpty(32, 16, GShpFile::kindAscii);
  click("NMFlagLie");
  expectGrid(48, 0);
  EXPECT_EQ(file_()->direction(), 1);
  EXPECT_EQ(file_()->kind(), GShpFile::kindAscii);
  EXPECT_EQ(marks(), "NMASCII N4848 NMFlagLie");
  click("NMFlagNormal");
  expectGrid(32, 16);
  EXPECT_EQ(file_()->direction(), 0);
  EXPECT_EQ(marks(), "NMASCII N4848 NMFlagNormal");
  // The direction for new files comes from settings files only.
  EXPECT_EQ(TFmMainProbe::directionFlag(*window), 0);
  EXPECT_TRUE(prompts->questions.isEmpty());
  expectUnmodifiedCaption();
}

TEST_F(FontCommands, UnifontStandsAboveTheBaselineAndAsciiSplitsAgain) {
  openEmpty(32, 16, GShpFile::kindAscii);
  click("NMUNIFONT");
  expectGrid(48, 0);
  EXPECT_EQ(file_()->kind(), GShpFile::kindUnifont);
  EXPECT_EQ(marks(), "NMUNIFONT N4848 NMFlagNormal");
  click("NMBIGFONT");
  expectGrid(48, 0);
  EXPECT_EQ(file_()->kind(), GShpFile::kindBigfont);
  EXPECT_EQ(marks(), "NMBIGFONT N4848 NMFlagNormal");
  click("NMASCII");
  expectGrid(32, 16);
  EXPECT_EQ(file_()->kind(), GShpFile::kindAscii);
  EXPECT_EQ(marks(), "NMASCII N4848 NMFlagNormal");
  EXPECT_TRUE(prompts->questions.isEmpty());
  expectUnmodifiedCaption();
}

TEST_F(FontCommands, LargestGridKeepsTheKindsSplit) {
  openEmpty(32, 16, GShpFile::kindAscii);
  click("NMUNIFONT");
  click("N120120");
  expectGrid(120, 0);
  click("NMASCII");
  expectGrid(80, 40);
  click("N4848");
  click("N120120");
  expectGrid(80, 40);
  EXPECT_EQ(marks(), "NMASCII N120120 NMFlagNormal");
  expectUnmodifiedCaption();
}

TEST_F(FontCommands, DirectionOfAWholeHeightFontChangesOnlyTheFile) {
  for (uint8_t kind : {GShpFile::kindUnifont, GShpFile::kindBigfont}) {
    SCOPED_TRACE(kind);
    // A font read from a file may keep a descent; only ASCII fonts are split again.
    openEmpty(32, 16, kind);
    const QString kindMark = kind == GShpFile::kindUnifont ? "NMUNIFONT" : "NMBIGFONT";
    click("NMFlagLie");
    expectGrid(32, 16);
    EXPECT_EQ(file_()->direction(), 1);
    EXPECT_EQ(file_()->kind(), kind);
    EXPECT_EQ(marks(), kindMark + " N4848 NMFlagLie");
    click("NMFlagNormal");
    expectGrid(32, 16);
    EXPECT_EQ(file_()->direction(), 0);
    EXPECT_EQ(marks(), kindMark + " N4848 NMFlagNormal");
  }
  EXPECT_TRUE(prompts->questions.isEmpty());
}

TEST_F(FontCommands, AsciiSplitsAGridNotDivisibleByThree) {
  openEmpty(33, 17, GShpFile::kindUnifont);
  click("NMASCII");
  expectGrid(33, 16);
  EXPECT_EQ(file_()->kind(), GShpFile::kindAscii);
}

TEST_F(FontCommands, KindOfAFileWithCharactersIsRefused) {
  auto file = std::make_unique<GShpFile>();
  file->setKind(GShpFile::kindUnifont);
  file->setGridIndex(5);
  file->addShape(makeShape(65, 48, {{3, 4, false}}));
  window->showShapeFile(std::move(file), "/tmp/t.shp");
  TFmMainProbe::markFontItems(*window);
  const QString before = marks();
  ASSERT_EQ(before, "NMUNIFONT N7272 NMFlagNormal");

  window->NMASCIIClick(item("NMASCII"));
  window->NMBIGFONTClick(item("NMBIGFONT"));
  window->NMUNIFONTClick(item("NMUNIFONT"));
  EXPECT_EQ(prompts->questions, QStringList({refusal, refusal, refusal}));
  EXPECT_EQ(file_()->kind(), GShpFile::kindUnifont);
  expectGrid(48, 24);
  EXPECT_EQ(marks(), before);

  // The items are disabled on such a file; clicked all the same, Qt's own mark is undone.
  for (const char* name : {"NMASCII", "NMBIGFONT"}) {
    item(name)->setEnabled(true);
    click(name);
    EXPECT_EQ(marks(), before) << name;
  }
  EXPECT_EQ(prompts->questions.size(), 5);
  EXPECT_EQ(file_()->kind(), GShpFile::kindUnifont);
  expectGrid(48, 24);
  expectUnmodifiedCaption();
}

TEST_F(FontCommands, GridSizeItemsSetTheTableSizes) {
  const char* const names[] = {"N1212", "N2424", "N3636", "N4848",   "N6060",
                               "N7272", "N8484", "N9696", "N108108", "N120120"};
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(names[i]);
    const int n = (i + 1) * 12;
    openEmpty(32, 16, GShpFile::kindAscii);
    click(names[i]);
    expectGrid(n * 2 / 3, n / 3);
    EXPECT_EQ(file_()->gridIndex(), i);
    EXPECT_EQ(TFmMainProbe::gridSizeIndex(*window), i);
    EXPECT_EQ(marks(), QStringLiteral("NMASCII %1 NMFlagNormal").arg(names[i]));

    openEmpty(48, 0, GShpFile::kindBigfont);
    click(names[i]);
    expectGrid(n, 0);
    EXPECT_EQ(file_()->gridIndex(), i);
    EXPECT_EQ(TFmMainProbe::gridSizeIndex(*window), i);
    EXPECT_EQ(marks(), QStringLiteral("NMBIGFONT %1 NMFlagNormal").arg(names[i]));
  }
  EXPECT_TRUE(prompts->questions.isEmpty());
  expectUnmodifiedCaption();
}

TEST_F(FontCommands, GridSizeOfAFileWithCharactersChangesOnlyTheIndex) {
  std::vector<std::unique_ptr<GShape>> shapes;
  shapes.push_back(makeShape(65, 48, {{3, 4, false}}));
  openFont(std::move(shapes));
  TFmMainProbe::markFontItems(*window);
  ASSERT_EQ(marks(), "NMASCII N1212 NMFlagNormal");
  window->N120120Click(item("N120120"));
  EXPECT_EQ(marks(), "NMASCII N120120 NMFlagNormal");
  EXPECT_EQ(TFmMainProbe::gridSizeIndex(*window), 9);
  EXPECT_EQ(file_()->gridIndex(), 9);
  expectGrid(32, 16);

  // Clicked through its disabled item, the command runs the same way.
  item("N2424")->setEnabled(true);
  click("N2424");
  EXPECT_EQ(marks(), "NMASCII N2424 NMFlagNormal");
  EXPECT_EQ(TFmMainProbe::gridSizeIndex(*window), 1);
  EXPECT_EQ(file_()->gridIndex(), 1);
  expectGrid(32, 16);
  EXPECT_TRUE(prompts->questions.isEmpty());
  expectUnmodifiedCaption();
}

TEST_F(FontCommands, WithoutAFileNothingChanges) {
  const QString before = marks();
  ASSERT_EQ(before, "NMASCII N4848 NMFlagNormal");
  for (const char* name : fontItems) {
    item(name)->setEnabled(true);
    click(name);
    EXPECT_EQ(marks(), before) << name;
  }
  window->NMFlagLieClick(item("NMFlagLie"));
  window->N1212Click(item("N1212"));
  window->NMUNIFONTClick(item("NMUNIFONT"));
  EXPECT_EQ(marks(), before);
  EXPECT_EQ(TFmMainProbe::gridSizeIndex(*window), 3);
  EXPECT_EQ(TFmMainProbe::gridAbove(*window), 32);
  EXPECT_EQ(TFmMainProbe::gridBelow(*window), 16);
  EXPECT_TRUE(prompts->questions.isEmpty());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvane"));
}

TEST_F(FontCommands, MarksFollowTheOpenedFile) {
  openEmpty(80, 40, GShpFile::kindBigfont, 1, 9);
  EXPECT_EQ(marks(), "NMBIGFONT N120120 NMFlagLie");
  openEmpty(8, 4, GShpFile::kindAscii, 0, 0);
  EXPECT_EQ(marks(), "NMASCII N1212 NMFlagNormal");

  // A file without a kind, with an index out of range and an unknown direction keeps the
  // kind and direction marks and marks no size.
  openEmpty(32, 16, GShpFile::kindUnifont, 1);
  auto file = std::make_unique<GShpFile>();
  file->setGridIndex(12);
  file->setDirection(2);
  window->showShapeFile(std::move(file), "/tmp/t.shp");
  TFmMainProbe::markFontItems(*window);
  EXPECT_EQ(marks(), "NMUNIFONT NMFlagLie");

  // A refused click puts back exactly these marks, the empty size group too.
  file_()->addShape(makeShape(65, 48));
  item("NMASCII")->setEnabled(true);
  click("NMASCII");
  EXPECT_EQ(marks(), "NMUNIFONT NMFlagLie");
  EXPECT_EQ(prompts->questions, QStringList({refusal}));
}

}  // namespace

#include <QGroupBox>

#include "ui/main/file_fixture.h"

namespace {

const QString kOverwrite =
    QStringLiteral("您要创建的文件已存在，继续创建将会覆盖原来的文件，请确认");
const QString kSaveChanges = QStringLiteral("文件已修改,是否保存");

}  // namespace

TEST_F(FileCommandTest, NewOverAnExistingFileConfirmedWritesOnlyTheSettings) {
  const std::string shp = path("old.shp");
  writeBytes(shp, asciiFont());
  prompts->answers.push_back(Prompts::Answer::Ok);
  run("NMNew", shp);

  EXPECT_EQ(prompts->dialogTitles, QStringList{QStringLiteral("新建AutoCAD字体定义文件")});
  EXPECT_EQ(prompts->questions, QStringList{kOverwrite});
  EXPECT_EQ(prompts->questionKinds.at(0), Prompts::Question::OkCancelWarning);
  EXPECT_EQ(readBytes(shp), asciiFont());
  EXPECT_TRUE(fileExists(path("old.cfg")));
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + shp + " *"));
  EXPECT_EQ(list()->count(), 0);
  ASSERT_NE(file(), nullptr);
  EXPECT_EQ(file()->kind(), GShpFile::kindAscii);
  EXPECT_EQ(file()->fontName(), "old");
  EXPECT_EQ(file()->gridIndex(), 3);
  EXPECT_TRUE(enabled("NMSave"));
  EXPECT_FALSE(enabled("NMNew"));
}

TEST_F(FileCommandTest, NewOverAnExistingFileCancelledOpensNothing) {
  const std::string shp = path("old.shp");
  writeBytes(shp, asciiFont());
  prompts->answers.push_back(Prompts::Answer::Cancel);
  run("NMNew", shp);

  EXPECT_EQ(file(), nullptr);
  EXPECT_FALSE(fileExists(path("old.cfg")));
  EXPECT_FALSE(enabled("NMSave"));
  EXPECT_FALSE(enabled("NMSaveAs"));
  EXPECT_FALSE(enabled("NMClose"));
  EXPECT_TRUE(enabled("NMNew"));
}

TEST_F(FileCommandTest, NewWhoseSettingsCannotBeWrittenHoldsNoFileAndCanBeRunAgain) {
  const std::string shp = path("old.shp");
  writeBytes(shp, asciiFont());
  std::filesystem::create_directory(path("old.cfg"));
  prompts->answers.push_back(Prompts::Answer::Ok);
  run("NMNew", shp);

  EXPECT_EQ(prompts->errors,
            QStringList{QString::fromStdString("Unable to write to " + path("old.cfg"))});
  EXPECT_EQ(file(), nullptr);
  EXPECT_EQ(caption(), QStringLiteral("Kelvane  "));
  EXPECT_FALSE(enabled("NMClose"));
  run("NMNew", path("fresh.shp"));
  ASSERT_NE(file(), nullptr);
  EXPECT_EQ(TFmMainProbe::filePath(*window), path("fresh.shp"));
}

TEST_F(FileCommandTest, NewWithAFreshNameWritesNothingUntilSaved) {
  run("NMNew", path("fresh.shp"));
  EXPECT_TRUE(prompts->questions.isEmpty());
  EXPECT_EQ(tmp.entryCount(), 0);
  EXPECT_TRUE(caption().endsWith(QStringLiteral(" *")));
}

TEST_F(FileCommandTest, NewTakesTheFontNameInGbkAndReplacesWhatGbkCannotHold) {
  run("NMNew", path("字库\xF0\x9F\x98\x80.shp"));  // GBK has no emoji
  ASSERT_NE(file(), nullptr);
  EXPECT_EQ(file()->fontName(), "\xD7\xD6\xBF\xE2_");
}

TEST_F(FileCommandTest, CancelledDialogsChangeNothing) {
  prompts->files.push_back(std::nullopt);
  trigger("NMOpen");
  prompts->files.push_back(std::nullopt);
  trigger("NMNew");
  EXPECT_EQ(file(), nullptr);
  EXPECT_EQ(caption(), QStringLiteral("Kelvane"));
  EXPECT_EQ(prompts->dialogTitles, (QStringList{QStringLiteral("选择AutoCAD字体定义文件"),
                                                QStringLiteral("新建AutoCAD字体定义文件")}));
}

TEST_F(FileCommandTest, OpenSelectsTheLastCharacterOfTheSettings) {
  writeBytes(path("t.shp"), asciiFont());
  writeBytes(path("t.cfg"), "[REF]\r\nLASTCHAR=" + kZhong + "\r\n");
  run("NMOpen", path("t.shp"));

  EXPECT_TRUE(prompts->errors.isEmpty()) << prompts->errors.join('\n').toStdString();
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + path("t.shp")));
  ASSERT_EQ(list()->count(), 2);
  ASSERT_NE(list()->currentItem(), nullptr);
  EXPECT_EQ(list()->currentItem()->text(), QStringLiteral("中"));
  ASSERT_NE(TFmMainProbe::currentShape(*window), nullptr);
  EXPECT_EQ(TFmMainProbe::currentShape(*window)->code(), 54992);
  EXPECT_EQ(memoText(),
            QStringLiteral("*54992,17,0d6d0\n2,8,(3,4),1,9,(1,0),(0,1),(0,0),2,8,(44,-5),0"));
  EXPECT_TRUE(enabled("NMCut"));
  EXPECT_FALSE(TFmMainProbe::modified(*window));
}

TEST_F(FileCommandTest, OpenWithoutSettingsOrWithAnUnknownLastCharacterSelectsNothing) {
  writeBytes(path("t.shp"), asciiFont());
  writeBytes(path("u.shp"), asciiFont());
  writeBytes(path("u.cfg"), "[REF]\r\nLASTCHAR=Z\r\n");
  for (const char* name : {"t.shp", "u.shp"}) {
    run("NMOpen", path(name));
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->currentItem(), nullptr);
    EXPECT_EQ(TFmMainProbe::currentShape(*window), nullptr);
    EXPECT_TRUE(memoText().isEmpty());
    EXPECT_FALSE(enabled("NMCut"));
    trigger("NMClose");
  }
  EXPECT_TRUE(prompts->errors.isEmpty());
}

TEST_F(FileCommandTest, AFailedOpenLeavesNoFileHeld) {
  writeBytes(path("bad.shp"), asciiFont() + "*66,9,042 ;B\r\n1,8,(2,2),\r\n");
  run("NMOpen", path("bad.shp"));

  ASSERT_EQ(prompts->errors.size(), 1);
  const QString error = prompts->errors.first();
  EXPECT_TRUE(error.contains(QString::fromStdString(path("bad.shp")))) << error.toStdString();
  EXPECT_TRUE(error.contains(QStringLiteral("line 10"))) << error.toStdString();
  EXPECT_EQ(file(), nullptr);
  EXPECT_EQ(caption(), QStringLiteral("Kelvane  "));
  EXPECT_EQ(list()->count(), 0);
  EXPECT_TRUE(memoText().isEmpty());
  EXPECT_TRUE(enabled("NMNew"));
  EXPECT_TRUE(enabled("NMOpen"));
  EXPECT_FALSE(enabled("NMClose"));
}

TEST_F(FileCommandTest, OpenOfAMissingFileShowsItsName) {
  run("NMOpen", path("missing.shp"));
  ASSERT_EQ(prompts->errors.size(), 1);
  EXPECT_TRUE(prompts->errors.first().contains(QString::fromStdString(path("missing.shp"))));
  EXPECT_EQ(file(), nullptr);
  EXPECT_TRUE(enabled("NMOpen"));
}

TEST_F(FileCommandTest, SaveRemovesRepeatsAndShowsTheShortenedSource) {
  writeBytes(path("r.shp"),
             "*0,4,ASCII r BY MORVELIN 01/02/2026\r\n32,16,0,0\r\n\r\n"
             "*65,17,041 ;A\r\n2,8,(1,1),1,8,(0,0),1,8,(2,0),2,8,(21,-1),0\r\n");
  writeBytes(path("r.cfg"), "[REF]\r\nLASTCHAR=A\r\n");
  run("NMOpen", path("r.shp"));
  ASSERT_EQ(TFmMainProbe::currentShape(*window)->pointCount(), 3);
  TFmMainProbe::currentShape(*window)->first()->select();
  TFmMainProbe::hotPoint(*window) = TFmMainProbe::currentShape(*window)->next();
  TFmMainProbe::setModified(*window, true);
  child<ChoiceGroup>("RzRadioGroup1")->setItemIndex(1);

  trigger("NMSave");
  EXPECT_TRUE(prompts->errors.isEmpty()) << prompts->errors.join('\n').toStdString();
  const std::string saved = readBytes(path("r.shp"));
  EXPECT_NE(saved.find("*0,4,ASCII r BY MORVELIN "), std::string::npos);
  EXPECT_NE(saved.find("*65,13,041 ;A\r\n2,8,(1,1),1,8,(2,0),2,8,(21,-1),0\r\n"), std::string::npos)
      << saved;
  EXPECT_EQ(memoText(), QStringLiteral("*65,13,041 ;A\n2,8,(1,1),1,8,(2,0),2,8,(21,-1),0"));
  EXPECT_FALSE(TFmMainProbe::currentShape(*window)->first()->isSelected());
  EXPECT_EQ(TFmMainProbe::hotPoint(*window), nullptr);
  EXPECT_EQ(child<ChoiceGroup>("RzRadioGroup1")->itemIndex(), 0);
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + path("r.shp")));
}

TEST_F(FileCommandTest, CloseWithYesSavesWithoutRemovingRepeats) {
  writeBytes(path("r.shp"),
             "*0,4,ASCII r BY MORVELIN 01/02/2026\r\n32,16,0,0\r\n\r\n"
             "*65,17,041 ;A\r\n2,8,(1,1),1,8,(0,0),1,8,(2,0),2,8,(21,-1),0\r\n");
  run("NMOpen", path("r.shp"));
  TFmMainProbe::setModified(*window, true);
  prompts->answers.push_back(Prompts::Answer::Yes);
  trigger("NMClose");

  EXPECT_EQ(prompts->questions, QStringList{kSaveChanges});
  EXPECT_EQ(prompts->questionKinds.at(0), Prompts::Question::YesNoCancelWarning);
  const std::string saved = readBytes(path("r.shp"));
  EXPECT_NE(saved.find("*0,4,ASCII ASCII BY MORVELIN "), std::string::npos) << saved;
  EXPECT_NE(saved.find("*65,18,041 ;A\r\n2,8,(1,1),1,8,(0,0),9,(2,0),(0,0),2,8,(21,-1),0"),
            std::string::npos)
      << saved;
  EXPECT_TRUE(fileExists(path("r.cfg")));
  EXPECT_EQ(file(), nullptr);
  EXPECT_EQ(caption(), QStringLiteral("Kelvane  "));
}

TEST_F(FileCommandTest, CloseWithNoKeepsTheFileButWritesTheSettings) {
  writeBytes(path("t.shp"), asciiFont());
  writeBytes(path("t.cfg"), "[REF]\r\nLASTCHAR=A\r\nMODE=0\r\n");
  run("NMOpen", path("t.shp"));
  TFmMainProbe::setModified(*window, true);
  TFmMainProbe::hotPoint(*window) = TFmMainProbe::currentShape(*window)->first();
  TFmMainProbe::pendingInsert(*window) = PendingInsert::RealBefore;
  prompts->answers.push_back(Prompts::Answer::No);
  trigger("NMClose");

  EXPECT_EQ(readBytes(path("t.shp")), asciiFont());
  EXPECT_NE(readBytes(path("t.cfg")).find("SIZE=3"), std::string::npos);
  EXPECT_EQ(file(), nullptr);
  EXPECT_EQ(TFmMainProbe::currentShape(*window), nullptr);
  EXPECT_EQ(TFmMainProbe::hotPoint(*window), nullptr);
  EXPECT_EQ(TFmMainProbe::pendingInsert(*window), PendingInsert::None);
  EXPECT_EQ(list()->count(), 0);
  EXPECT_TRUE(memoText().isEmpty());
  EXPECT_TRUE(enabled("NMNew"));
  EXPECT_FALSE(enabled("NMSave"));
}

// A big font holding far fewer characters than its header counts was most likely cut short: the
// user hears of it. One short (a header counting the font's own record) is no warning.
TEST_F(FileCommandTest, AFontCutShortIsPointedOut) {
  const std::string records = "*0,5,B\r\n48,0,0,48,0\r\n*45217,5,0b0a1\r\n2,8,(48,0),0\r\n";
  writeBytes(path("cut.shp"), "*BIGFONT 6763,1,161,256\r\n" + records);
  run("NMOpen", path("cut.shp"));
  ASSERT_EQ(prompts->reports.size(), 2);
  EXPECT_TRUE(prompts->reports[0].contains(QStringLiteral("6763 个字符，文件中只有 1 个")));
  trigger("NMClose");
  writeBytes(path("whole.shp"), "*BIGFONT 2,1,161,256\r\n" + records);
  run("NMOpen", path("whole.shp"));
  EXPECT_EQ(prompts->reports.size(), 2);
}

// 取消 (or Esc) on the save question goes back to the font, on Close and on closing the window.
TEST_F(FileCommandTest, CancelOnTheSaveQuestionKeepsTheFontOpen) {
  writeBytes(path("t.shp"), asciiFont());
  run("NMOpen", path("t.shp"));
  TFmMainProbe::setModified(*window, true);
  prompts->answers.push_back(Prompts::Answer::Cancel);
  trigger("NMClose");
  ASSERT_NE(file(), nullptr);
  EXPECT_TRUE(TFmMainProbe::modified(*window));
  prompts->answers.push_back(Prompts::Answer::Cancel);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(readBytes(path("t.shp")), asciiFont());
  EXPECT_EQ(prompts->questions.size(), 2);
}

TEST_F(FileCommandTest, SaveAsWritesTheNewSettingsAndLeavesTheOld) {
  writeBytes(path("a.shp"), asciiFont());
  run("NMOpen", path("a.shp"));
  trigger("NMSave");
  const std::string oldSettings = readBytes(path("a.cfg"));
  ASSERT_FALSE(oldSettings.empty());

  TFmMainProbe::setCurrentChar(*window, "Q");
  run("NMSaveAs", path("e.SHP"));
  EXPECT_EQ(prompts->dialogTitles.last(), QStringLiteral("请选择文件夹"));
  EXPECT_EQ(readBytes(path("a.cfg")), oldSettings);
  EXPECT_NE(readBytes(path("e.cfg")).find("LASTCHAR=Q"), std::string::npos);
  EXPECT_NE(readBytes(path("e.SHP")).find("ASCII e BY MORVELIN"), std::string::npos);
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + path("e.SHP")));

  trigger("NMClose");
  EXPECT_NE(readBytes(path("e.cfg")).find("LASTCHAR=Q"), std::string::npos);
  EXPECT_EQ(readBytes(path("a.cfg")), oldSettings);
}

TEST_F(FileCommandTest, AFailedSaveAsKeepsTheFileAndItsName) {
  writeBytes(path("a.shp"), asciiFont());
  writeBytes(path("plain"), "not a directory");
  run("NMOpen", path("a.shp"));
  TFmMainProbe::setModified(*window, true);
  const QString captionBefore = caption();
  run("NMSaveAs", path("plain/b.shp"));

  ASSERT_EQ(prompts->errors.size(), 1);
  EXPECT_TRUE(prompts->errors.first().contains(QString::fromStdString(path("plain/b.shp"))))
      << prompts->errors.first().toStdString();
  EXPECT_TRUE(TFmMainProbe::modified(*window));
  EXPECT_EQ(TFmMainProbe::filePath(*window), path("a.shp"));
  EXPECT_EQ(caption(), captionBefore);
  EXPECT_EQ(readBytes(path("a.shp")), asciiFont());
  EXPECT_FALSE(fileExists(path("a.cfg")));
}

TEST_F(FileCommandTest, SaveAsWhoseSettingsCannotBeWrittenStillNamesTheNewFile) {
  writeBytes(path("a.shp"), asciiFont());
  std::filesystem::create_directory(path("b.cfg"));
  run("NMOpen", path("a.shp"));
  TFmMainProbe::setModified(*window, true);
  run("NMSaveAs", path("b.shp"));

  EXPECT_EQ(prompts->errors,
            QStringList{QString::fromStdString("Unable to write to " + path("b.cfg"))});
  EXPECT_NE(readBytes(path("b.shp")).find("ASCII b BY MORVELIN"), std::string::npos);
  EXPECT_EQ(TFmMainProbe::filePath(*window), path("b.shp"));
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + path("b.shp") + " *"));
}

TEST_F(FileCommandTest, AFailedSaveLeavesTheOldFileUntouched) {
  // A line break in the file name cannot go into the font header: the save is refused
  // before anything is written.
  const std::string shp = path("two\nlines.shp");
  writeBytes(shp, asciiFont());
  run("NMOpen", shp);
  ASSERT_TRUE(prompts->errors.isEmpty()) << prompts->errors.join('\n').toStdString();
  TFmMainProbe::setModified(*window, true);
  trigger("NMSave");

  ASSERT_EQ(prompts->errors.size(), 1);
  EXPECT_TRUE(prompts->errors.first().contains(QString::fromStdString(shp)))
      << prompts->errors.first().toStdString();
  EXPECT_TRUE(TFmMainProbe::modified(*window));
  EXPECT_EQ(readBytes(shp), asciiFont());
  EXPECT_FALSE(fileExists(path("two\nlines.cfg")));

  // Closing offers the save again; it fails the same way and the file stays open.
  prompts->answers.push_back(Prompts::Answer::Yes);
  trigger("NMClose");
  EXPECT_EQ(prompts->errors.size(), 2);
  EXPECT_NE(file(), nullptr);
  EXPECT_EQ(readBytes(shp), asciiFont());
}

TEST_F(FileCommandTest, ASettingsFileThatCannotBeWrittenIsReported) {
  writeBytes(path("a.shp"), asciiFont());
  std::filesystem::create_directory(path("a.cfg"));
  run("NMOpen", path("a.shp"));
  TFmMainProbe::setModified(*window, true);
  trigger("NMSave");

  ASSERT_EQ(prompts->errors.size(), 1);
  EXPECT_EQ(prompts->errors.first(), QString::fromStdString("Unable to write to " + path("a.cfg")));
  EXPECT_NE(readBytes(path("a.shp")).find("ASCII a BY MORVELIN"), std::string::npos);
  EXPECT_TRUE(TFmMainProbe::modified(*window));
}

TEST_F(FileCommandTest, ExitAnsweredNoWritesNothing) {
  writeBytes(path("a.shp"), asciiFont());
  run("NMOpen", path("a.shp"));
  TFmMainProbe::setModified(*window, true);
  prompts->answers.push_back(Prompts::Answer::No);
  trigger("NMExit");

  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(prompts->questions, QStringList{kSaveChanges});
  EXPECT_EQ(readBytes(path("a.shp")), asciiFont());
  EXPECT_FALSE(fileExists(path("a.cfg")));
}

TEST_F(FileCommandTest, ExitAnsweredYesSavesFileAndSettings) {
  run("NMNew", path("n.shp"));
  prompts->answers.push_back(Prompts::Answer::Yes);
  trigger("NMExit");
  EXPECT_FALSE(window->isVisible());
  EXPECT_NE(readBytes(path("n.shp")).find("*0,4,ASCII n BY MORVELIN"), std::string::npos);
  EXPECT_TRUE(fileExists(path("n.cfg")));
}

TEST_F(FileCommandTest, AFailedSaveWhileClosingKeepsTheWindowOpen) {
  run("NMNew", path("missing-dir/n.shp"));
  prompts->answers.push_back(Prompts::Answer::Yes);
  trigger("NMExit");
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(prompts->errors.size(), 1);
  EXPECT_TRUE(TFmMainProbe::modified(*window));
}

TEST_F(FileCommandTest, ExitWithoutChangesWritesNotEvenTheSettings) {
  writeBytes(path("a.shp"), asciiFont());
  run("NMOpen", path("a.shp"));
  trigger("NMExit");
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(prompts->questions.isEmpty());
  EXPECT_FALSE(fileExists(path("a.cfg")));
}

TEST_F(FileCommandTest, NewAndOpenNeverDropAnOpenFile) {
  run("NMNew", path("n.shp"));
  GShpFile* open = file();
  prompts->files.push_back(QString::fromStdString(path("other.shp")));
  window->NMNewClick();
  window->NMOpenClick();
  EXPECT_EQ(file(), open);
  EXPECT_TRUE(TFmMainProbe::modified(*window));
  EXPECT_EQ(prompts->dialogTitles.size(), 1);
}

#include <sys/stat.h>
#include <unistd.h>

#include <QSpinBox>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/file_replace.h"
#include "ui/main/file_fixture.h"

namespace {

// Fails one step of every replacement whose target ends in `suffix` while it lives.
class FailingReplace {
 public:
  FailingReplace(ReplaceStep failing, std::string suffix, int error) {
    setReplaceFaultHook([=](ReplaceStep step, const std::string& target) {
      const bool match = target.size() >= suffix.size() &&
                         target.compare(target.size() - suffix.size(), suffix.size(), suffix) == 0;
      return step == failing && match ? error : 0;
    });
  }
  ~FailingReplace() { setReplaceFaultHook({}); }
  FailingReplace(const FailingReplace&) = delete;
  FailingReplace& operator=(const FailingReplace&) = delete;
};

QString writeError(const std::string& file, int error) {
  return QString::fromStdString("\"" + file + "\": cannot write: " + std::strerror(error));
}

}  // namespace

TEST_F(FileCommandTest, ASaveThatFailsKeepsTheOldFontAndTheWindowModified) {
  writeBytes(path("a.shp"), asciiFont());
  writeBytes(path("a.cfg"), "[REF]\r\nLASTCHAR=A\r\n");
  run("NMOpen", path("a.shp"));
  trigger("NMDeleteAll");  // an undo step
  ASSERT_TRUE(caption().endsWith(QStringLiteral(" *")));
  const std::string settings = readBytes(path("a.cfg"));
  {
    const FailingReplace full(ReplaceStep::write, ".shp", ENOSPC);
    trigger("NMSave");
    run("NMSaveAs", path("b.shp"));
    prompts->answers.push_back(Prompts::Answer::Yes);
    trigger("NMClose");  // offers the save again, which fails again: the file stays open
  }
  EXPECT_EQ(prompts->errors,
            (QStringList{writeError(path("a.shp"), ENOSPC), writeError(path("b.shp"), ENOSPC),
                         writeError(path("a.shp"), ENOSPC)}));
  EXPECT_NE(file(), nullptr);
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + path("a.shp") + " *"));
  EXPECT_TRUE(TFmMainProbe::modified(*window));
  EXPECT_FALSE(TFmMainProbe::undoClean(*window));
  EXPECT_EQ(file()->fontName(), "a");  // Close would write it: not b, never written
  EXPECT_EQ(readBytes(path("a.shp")), asciiFont());
  EXPECT_EQ(readBytes(path("a.cfg")), settings);
  EXPECT_EQ(tmp.entryCount(), 2);  // no b.shp, no temporary file

  trigger("NMSave");
  EXPECT_EQ(prompts->errors.size(), 3);
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + path("a.shp")));
  EXPECT_TRUE(TFmMainProbe::undoClean(*window));
}

TEST_F(FileCommandTest, AfterAFailedSaveTheSourceViewShowsTheFontWithoutRepeats) {
  const std::string font =
      "*0,4,ASCII r BY MORVELIN 01/02/2026\r\n32,16,0,0\r\n\r\n"
      "*65,17,041 ;A\r\n2,8,(1,1),1,8,(0,0),1,8,(2,0),2,8,(21,-1),0\r\n";
  const std::string settings = "[REF]\r\nLASTCHAR=A\r\n";
  writeBytes(path("r.shp"), font);
  writeBytes(path("r.cfg"), settings);
  run("NMOpen", path("r.shp"));
  TFmMainProbe::setModified(*window, true);
  const QString shortened = QStringLiteral("*65,13,041 ;A\n2,8,(1,1),1,8,(2,0),2,8,(21,-1),0");
  {
    const FailingReplace font(ReplaceStep::sync, ".shp", EIO);
    trigger("NMSave");
  }
  EXPECT_EQ(prompts->errors, QStringList{writeError(path("r.shp"), EIO)});
  EXPECT_EQ(readBytes(path("r.shp")), font);
  EXPECT_EQ(memoText(), shortened);

  // The font is written, its settings are not: the message names the settings file, and
  // the window stays modified, so the save is offered again.
  {
    const FailingReplace settingsFile(ReplaceStep::rename, ".cfg", EROFS);
    trigger("NMSave");
  }
  ASSERT_EQ(prompts->errors.size(), 2);
  EXPECT_EQ(prompts->errors.last(), QString::fromStdString("Unable to write to " + path("r.cfg")));
  EXPECT_NE(readBytes(path("r.shp")).find("*65,13,041 ;A\r\n"), std::string::npos);
  EXPECT_EQ(readBytes(path("r.cfg")), settings);
  EXPECT_EQ(memoText(), shortened);
  EXPECT_TRUE(caption().endsWith(QStringLiteral(" *")));
  EXPECT_EQ(tmp.entryCount(), 2);
}

// Each font that cannot be read comes with settings that would change the window; none of
// them may stay applied.
TEST_F(FileCommandTest, AFontThatCannotBeOpenedLeavesTheWindowAsBefore) {
  const std::string font = asciiFont();
  writeBytes(path("cut.shp"), font.substr(0, font.find("(3,4)") + 3));  // inside "中"
  std::filesystem::create_directory(path("folder.shp"));
  const std::string cfg =
      "[REF]\r\nMODE=1\r\nFONTSIZE=500\r\nLASTCHAR=A\r\n[OTHER]\r\nLISTWIDTH=230\r\n"
      "[WINDOW]\r\nLEFT=5\r\nTOP=6\r\nWIDTH=1000\r\nHEIGHT=800\r\n[FONT]\r\nFLAG=1\r\nSIZE=7\r\n";
  writeBytes(path("cut.cfg"), cfg);
  writeBytes(path("folder.cfg"), cfg);

  const QRect geometry = window->geometry();
  const int listWidth = list()->width();
  const int faceRow = child<QListWidget>("RzFontListBox1")->currentRow();
  const int refSize = child<QSpinBox>("RzSpinEdit1")->value();
  const struct {
    const char* name;
    const char* says;
  } cases[] = {
      {"cut.shp", "\", line 7: the file ends inside this record"},
      {"folder.shp", "\": cannot open: it is a directory, not a file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    prompts->errors.clear();
    run("NMOpen", path(c.name));
    ASSERT_EQ(prompts->errors.size(), 1);
    EXPECT_TRUE(
        prompts->errors.first().startsWith(QString::fromStdString("\"" + path(c.name) + c.says)))
        << prompts->errors.first().toStdString();
    EXPECT_EQ(file(), nullptr);
    EXPECT_EQ(caption(), QStringLiteral("Kelvane  "));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(memoText().isEmpty());
    EXPECT_TRUE(enabled("NMOpen"));
    EXPECT_FALSE(enabled("NMSave") || enabled("NMClose") || enabled("NMCut"));
    EXPECT_EQ(TFmMainProbe::refMode(*window), 0);
    EXPECT_EQ(child<ChoiceGroup>("RzRadioGroup3")->itemIndex(), 0);
    EXPECT_EQ(child<QListWidget>("RzFontListBox1")->currentRow(), faceRow);
    EXPECT_EQ(child<QSpinBox>("RzSpinEdit1")->value(), refSize);
    EXPECT_EQ(TFmMainProbe::currentChar(*window), "");
    EXPECT_EQ(TFmMainProbe::gridSizeIndex(*window), 3);
    EXPECT_EQ(TFmMainProbe::directionFlag(*window), 0);
    EXPECT_EQ(list()->width(), listWidth);
    EXPECT_EQ(window->geometry(), geometry);
  }
  // A new font takes the window's grid, not the one the failed font's settings named.
  run("NMNew", path("new.shp"));
  ASSERT_NE(file(), nullptr);
  EXPECT_EQ(file()->gridIndex(), 3);
}

TEST_F(FileCommandTest, AFontWithoutReadPermissionIsReportedByName) {
  const std::string shp = path("locked.shp");
  writeBytes(shp, asciiFont());
  ASSERT_EQ(::chmod(shp.c_str(), 0), 0);
  ASSERT_EQ(::chmod(tmp.dir().c_str(), 0755), 0);
  // Root reads every file whatever its mode; the open runs as the user nobody instead.
  const bool root = ::geteuid() == 0;
  if (root && ::seteuid(65534) != 0) {
    GTEST_SKIP() << "running as root, which reads every file, and cannot switch to another "
                    "user ("
                 << std::strerror(errno) << ")";
  }
  run("NMOpen", shp);
  if (root) {
    ASSERT_EQ(::seteuid(0), 0);
  }

  EXPECT_EQ(prompts->errors, QStringList{QString::fromStdString(
                                 "\"" + shp + "\": cannot open: " + std::strerror(EACCES))});
  EXPECT_EQ(file(), nullptr);
  EXPECT_EQ(caption(), QStringLiteral("Kelvane  "));
  EXPECT_TRUE(enabled("NMOpen"));
}

TEST_F(FileCommandTest, APathWithChineseAndBlanksOpensAndSaves) {
  const std::string dir = path("字体 文件");
  std::filesystem::create_directory(dir);
  const std::string shp = dir + "/中文 字体.shp";
  writeBytes(shp, asciiFont());
  run("NMOpen", shp);

  ASSERT_TRUE(prompts->errors.isEmpty()) << prompts->errors.join('\n').toStdString();
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + shp));
  EXPECT_EQ(list()->count(), 2);
  TFmMainProbe::setModified(*window, true);
  trigger("NMSave");

  ASSERT_TRUE(prompts->errors.isEmpty()) << prompts->errors.join('\n').toStdString();
  EXPECT_EQ(readBytes(shp).rfind("*0,4,ASCII \xD6\xD0\xCE\xC4 \xD7\xD6\xCC\xE5 BY MORVELIN", 0),
            0u);  // the font name in GBK
  EXPECT_TRUE(fileExists(dir + "/中文 字体.cfg"));
  EXPECT_EQ(caption(), QString::fromStdString("Kelvane  " + shp));
  trigger("NMClose");
  run("NMOpen", shp);
  EXPECT_TRUE(prompts->errors.isEmpty());
  EXPECT_EQ(list()->count(), 2);
}

#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "platform/temp_dir.h"

namespace {

using namespace std::string_view_literals;
using IniFileTest = TempDirTest;

std::string writeMessage(const std::function<void()>& write) {
  try {
    write();
  } catch (const IniWriteError& e) {
    return e.what();
  }
  return "(nothing raised)";
}

TEST_F(IniFileTest, MissingFileReadsDefaultsAndCreatesNothing) {
  IniFile ini(path("hz.cfg"));
  EXPECT_EQ(ini.readString("REF", "FONTNAME", "宋体"), "宋体");
  EXPECT_EQ(ini.readInteger("FONT", "SIZE", 3), 3);
  EXPECT_EQ(entryCount(), 0);
}

TEST_F(IniFileTest, ADirectoryReadsDefaultsAndCannotBeWritten) {
  std::filesystem::create_directory(path("d.cfg"));
  IniFile ini(path("d.cfg"));
  EXPECT_EQ(ini.readInteger("FONT", "SIZE", 3), 3);
  ini.writeInteger("FONT", "SIZE", 5);
  EXPECT_EQ(writeMessage([&] { ini.save(); }), "Unable to write to " + path("d.cfg"));
}

TEST_F(IniFileTest, MissingKeyOrSectionReadsDefault) {
  writeBytes(path("a.cfg"), "TOP=9\r\n[REF]\r\nMODE=1\r\n[OTHER]\r\nLEFT=5\r\n");
  IniFile ini(path("a.cfg"));
  EXPECT_EQ(ini.readInteger("REF", "MODE", 7), 1);
  EXPECT_EQ(ini.readInteger("REF", "LEFT", 7), 7);  // only in another section
  EXPECT_EQ(ini.readInteger("REF", "TOP", 7), 7);   // above every section
  EXPECT_EQ(ini.readInteger("WINDOW", "MODE", 7), 7);
  EXPECT_EQ(ini.readString("REF", "MODE", "x"), "1");
}

TEST_F(IniFileTest, IntegerValues) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"16", 16},
      {"-42", -42},
      {"+5", 5},
      {"0", 0},
      {"0x10", 16},
      {"0X1f", 31},
      {"0xFFFFFFFF", -1},
      {"  7\t", 7},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      // Not whole numbers: the default.
      {"0x", -9},
      {"0X", -9},
      {"0xZZ", -9},
      {"0x-1", -9},
      {"0x100000000", -9},
      {"12abc", -9},
      {"", -9},
      {"abc", -9},
      {"1.5", -9},
      {"- 5", -9},
      {"+-5", -9},
      {"2147483648", -9},
      {"1 2", -9},
  };
  std::string text = "[T]\r\n";
  for (size_t i = 0; i < cases.size(); ++i)
    text += "K" + std::to_string(i) + "=" + cases[i].first + "\r\n";
  writeBytes(path("n.cfg"), text);
  IniFile ini(path("n.cfg"));
  for (size_t i = 0; i < cases.size(); ++i)
    EXPECT_EQ(ini.readInteger("T", "K" + std::to_string(i), -9), cases[i].second)
        << "value \"" << cases[i].first << "\"";
}

TEST_F(IniFileTest, WritingCreatesFileSectionsAndKeysInOrder) {
  IniFile ini(path("hz.cfg"));
  ini.writeInteger("REF", "MODE", 0);
  ini.writeString("REF", "LASTCHAR", "");
  ini.writeInteger("OTHER", "LISTWIDTH", 104);
  ini.writeInteger("REF", "FONTSIZE", -240);
  ini.writeInteger("FONT", "SIZE", 3);
  EXPECT_EQ(entryCount(), 0);  // nothing is written before save
  ini.save();
  EXPECT_EQ(readBytes(path("hz.cfg")),
            "[REF]\r\nMODE=0\r\nLASTCHAR=\r\nFONTSIZE=-240\r\n"
            "[OTHER]\r\nLISTWIDTH=104\r\n[FONT]\r\nSIZE=3\r\n");
  EXPECT_EQ(ini.readString("REF", "LASTCHAR", "x"), "");  // present though empty
  IniFile again(path("hz.cfg"));
  EXPECT_EQ(again.readInteger("REF", "FONTSIZE", 0), -240);
  EXPECT_EQ(again.readInteger("OTHER", "LISTWIDTH", 0), 104);
}

TEST_F(IniFileTest, ReplacingValuesKeepsEveryOtherByte) {
  // Hand-written: comments, blank and foreign lines, LF and CR endings, blanks around '=',
  // GBK bytes (中 and a character whose second byte is '\'), no final line break.
  const std::string before =
      "; 字库设置\n"
      "[REF]\n"
      "  Mode = 1  \n"
      "FONTNAME=\xCB\xCE\xCC\xE5\r"
      "note without equals sign\r\n"
      "\r\n"
      "# trailing comment\r\n"
      "[MINE]\r\n"
      "LASTCHAR=\xD6\xD0\r\n"
      "X=\x95\x5C";
  writeBytes(path("h.cfg"), before);
  IniFile ini(path("h.cfg"));
  EXPECT_EQ(ini.readString("REF", "FONTNAME", ""), "\xCB\xCE\xCC\xE5");
  EXPECT_EQ(ini.readString("MINE", "X", ""), "\x95\x5C");

  ini.writeInteger("ref", "MODE", 2);
  ini.writeString("REF", "FONTNAME", "\xBA\xDA\xCC\xE5");
  ini.save();
  EXPECT_EQ(readBytes(path("h.cfg")),
            "; 字库设置\n"
            "[REF]\n"
            "  Mode = 2\n"
            "FONTNAME=\xBA\xDA\xCC\xE5\r"
            "note without equals sign\r\n"
            "\r\n"
            "# trailing comment\r\n"
            "[MINE]\r\n"
            "LASTCHAR=\xD6\xD0\r\n"
            "X=\x95\x5C");

  // A new key goes after the section's last key, before its foreign lines and comments;
  // a new section after an unterminated last line gives that line its CR LF.
  ini.writeInteger("REF", "TOP", 3);
  ini.writeInteger("FONT", "FLAG", 1);
  ini.save();
  EXPECT_EQ(readBytes(path("h.cfg")),
            "; 字库设置\n"
            "[REF]\n"
            "  Mode = 2\n"
            "FONTNAME=\xBA\xDA\xCC\xE5\r"
            "TOP=3\r\n"
            "note without equals sign\r\n"
            "\r\n"
            "# trailing comment\r\n"
            "[MINE]\r\n"
            "LASTCHAR=\xD6\xD0\r\n"
            "X=\x95\x5C\r\n"
            "[FONT]\r\n"
            "FLAG=1\r\n");
}

TEST_F(IniFileTest, NamesMatchCaseInsensitivelyAndTheFirstOfRepeatsCounts) {
  writeBytes(path("d.cfg"),
             "[ Font ]\r\nsize=5\r\nSIZE=6\r\n[OTHER]\r\nSIZE=7\r\n[FONT]\r\nSIZE=8\r\nFLAG=1\r\n");
  IniFile ini(path("d.cfg"));
  EXPECT_EQ(ini.readInteger("FONT", "Size", 0), 5);
  EXPECT_EQ(ini.readInteger("font", "FLAG", 0), 1);  // repeated section still searched
  ini.writeInteger("FONT", "SIZE", 9);
  ini.writeInteger("FONT", "NEW", 4);
  ini.save();
  EXPECT_EQ(readBytes(path("d.cfg")),
            "[ Font ]\r\nsize=9\r\nSIZE=6\r\nNEW=4\r\n[OTHER]\r\nSIZE=7\r\n[FONT]\r\nSIZE=8\r\n"
            "FLAG=1\r\n");
  EXPECT_EQ(ini.readInteger("FONT", "SIZE", 0), 9);
}

TEST_F(IniFileTest, KeepsTheFilesPermissions) {
  writeBytes(path("p.cfg"), "[A]\r\nB=1\r\n");
  std::filesystem::permissions(path("p.cfg"), std::filesystem::perms(0640));
  IniFile ini(path("p.cfg"));
  ini.writeInteger("A", "B", 2);
  ini.save();
  EXPECT_EQ(std::filesystem::status(path("p.cfg")).permissions(), std::filesystem::perms(0640));
  EXPECT_EQ(entryCount(), 1);
}

TEST_F(IniFileTest, WriteIntoAMissingDirectoryOrUnderAFileFails) {
  writeBytes(path("plain"), "x");
  for (const std::string& target : {path("missing/hz.cfg"), path("plain/hz.cfg")}) {
    IniFile ini(target);
    ini.writeInteger("REF", "MODE", 1);
    EXPECT_EQ(writeMessage([&] { ini.save(); }), "Unable to write to " + target);
    EXPECT_EQ(ini.readInteger("REF", "MODE", -1), 1);  // still held for another try
  }
  EXPECT_EQ(entryCount(), 1);
  EXPECT_EQ(readBytes(path("plain")), "x");
}

// A file-size limit makes the write itself fail halfway, as a full disk would.
TEST_F(IniFileTest, FailedWriteLeavesTheOldFileAndNoTemporary) {
  const std::string before = "[REF]\r\nMODE=1\r\n; " + std::string(200, 'c') + "\r\n";
  writeBytes(path("hz.cfg"), before);
  IniFile ini(path("hz.cfg"));

  rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 64;
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  ini.writeInteger("REF", "MODE", 2);
  std::string message = writeMessage([&] { ini.save(); });
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(message, "Unable to write to " + path("hz.cfg"));
  EXPECT_EQ(readBytes(path("hz.cfg")), before);
  EXPECT_EQ(entryCount(), 1);
  // The object keeps what it held, so the same save works once there is room.
  EXPECT_EQ(ini.readInteger("REF", "MODE", 0), 2);
  ini.save();
  EXPECT_EQ(IniFile(path("hz.cfg")).readInteger("REF", "MODE", 0), 2);
}

TEST_F(IniFileTest, RefusesTextThatWouldBreakTheLines) {
  const std::string before = "[REF]\r\nMODE=1\r\n";
  writeBytes(path("r.cfg"), before);
  IniFile ini(path("r.cfg"));
  const std::string prefix = "Unable to write to " + path("r.cfg") + ": ";
  EXPECT_EQ(writeMessage([&] { ini.writeString("REF", "FONTNAME", "a\r\nMODE=2"); }),
            prefix + "a line break");
  EXPECT_EQ(writeMessage([&] { ini.writeString("REF", "A=B", "1"); }), prefix + "bad key name");
  EXPECT_EQ(writeMessage([&] { ini.writeString("REF", " ", "1"); }), prefix + "bad key name");
  EXPECT_EQ(writeMessage([&] { ini.writeString("R]", "A", "1"); }), prefix + "bad section name");
  ini.save();
  EXPECT_EQ(readBytes(path("r.cfg")), before);
}

// Bytes given to the object read as the file would; save writes them to its path, and a
// damaged file reads as lines and defaults, never as an error.
TEST_F(IniFileTest, ReadsGivenBytesLikeAFile) {
  IniFile ini(path("b.cfg"), "[REF]\rMODE=2\n\0junk\xFF\xFE=\r\n[REF]\r\nLEFT=0x\0\r\nTOP=4"sv);
  EXPECT_EQ(entryCount(), 0);
  EXPECT_EQ(ini.readInteger("REF", "MODE", 0), 2);
  EXPECT_EQ(ini.readInteger("REF", "LEFT", 7), 7);
  EXPECT_EQ(ini.readInteger("REF", "TOP", 0), 4);
  ini.writeInteger("REF", "TOP", 5);
  EXPECT_EQ(ini.content(), "[REF]\rMODE=2\n\0junk\xFF\xFE=\r\n[REF]\r\nLEFT=0x\0\r\nTOP=5"sv);
  ini.save();
  EXPECT_EQ(readBytes(path("b.cfg")), ini.content());

  const std::string huge = "[REF]\r\nFONTNAME=" + std::string(1 << 20, '\xD6') + "\r\nMODE=1";
  IniFile big(path("c.cfg"), huge);
  EXPECT_EQ(big.readString("REF", "FONTNAME", "").size(), size_t{1} << 20);
  EXPECT_EQ(big.readInteger("REF", "MODE", 0), 1);
}

}  // namespace

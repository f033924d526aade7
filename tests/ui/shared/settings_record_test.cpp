#include "ui/shared/settings_record.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <string>
#include <vector>

#include "platform/ini_file.h"
#include "platform/temp_dir.h"

namespace {

using namespace std::string_literals;

SettingsRecord readFrom(const std::string& bytes, const SettingsRecord& current) {
  SettingsRecord record = current;
  readSettings(IniFile("x.cfg", bytes), record);
  return record;
}

}  // namespace

// Values a damaged file holds where this program writes something else read as missing;
// readable neighbours still count.
TEST(SettingsRecord, UnreadableValuesKeepTheCurrentOnes) {
  SettingsRecord current;
  current.lastChar = "A";
  current.listWidth = 150;
  current.windowLeft = 30;
  current.windowWidth = 900;

  const SettingsRecord damaged =
      readFrom("[REF]\r\nMODE=1\r\nLASTCHAR=" + std::string(5000, '\xD6') +
                   "\r\n[OTHER]\r\nLISTWIDTH=2147483647\r\nMEMOHEIGHT=-1\r\n"
                   "[WINDOW]\r\nLEFT=-40000\r\nTOP=-32768\r\nWIDTH=32768\r\nHEIGHT=0x7fff\r\n",
               current);
  EXPECT_EQ(damaged.refMode, 1);
  EXPECT_EQ(damaged.lastChar, "A");
  EXPECT_EQ(damaged.listWidth, 150);
  EXPECT_EQ(damaged.memoHeight, 104);
  EXPECT_EQ(damaged.windowLeft, 30);
  EXPECT_EQ(damaged.windowTop, -32768);
  EXPECT_EQ(damaged.windowWidth, 900);
  EXPECT_EQ(damaged.windowHeight, 32767);

  // Binary junk with NUL bytes, a repeated section and a huge line: the first REF counts.
  std::string junk = "\x89PNG\0\0\xFF[REF]\r\n[REF]\nMODE=2\n[REF]\nMODE=0\r"s;
  junk += std::string(1 << 20, 'z') + "\nLASTCHAR=\xD6\xD0\n\0\0[FONT]\r\nSIZE=\0\r\n"s;
  const SettingsRecord garbage = readFrom(junk, current);
  EXPECT_EQ(garbage.refMode, 2);
  EXPECT_EQ(garbage.lastChar, "\xD6\xD0");
  EXPECT_EQ(garbage.fontSize, 3);
  EXPECT_EQ(garbage.windowWidth, 900);  // no WINDOW section
}

// The fourteen keys go out in one replacement: a write that fails part way leaves no file
// with only the first keys in it.
TEST(SettingsRecord, AFailedSaveWritesNoKeyAtAll) {
  TempDir tmp;
  IniFile ini(tmp.path("hz.cfg"));
  SettingsRecord record;
  record.refFontName = std::string(300, 'n');

  rlimit saved;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 100;
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string message;
  try {
    writeSettings(ini, record);
  } catch (const IniWriteError& e) {
    message = e.what();
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(message, "Unable to write to " + tmp.path("hz.cfg"));
  EXPECT_EQ(tmp.entryCount(), 0);
  writeSettings(ini, record);
  SettingsRecord back;
  readSettings(IniFile(tmp.path("hz.cfg")), back);
  EXPECT_EQ(back.refFontName, record.refFontName);
  EXPECT_EQ(back.fontSize, 3);
}

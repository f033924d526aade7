#include "platform/text_lines.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include "platform/temp_dir.h"

namespace {

using Lines = std::vector<std::string>;

using TextLines = TempDirTest;

}  // namespace

TEST(SplitLines, BreaksAtCrLfLoneLfAndLoneCr) {
  EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\n\rb"), (Lines{"a", "", "b"}));  // LF then CR: two breaks
  EXPECT_EQ(splitLines("a\r\r\nb"), (Lines{"a", "", "b"}));
}

TEST(SplitLines, AFinalBreakStartsNoLine) {
  EXPECT_EQ(splitLines(""), Lines{});
  EXPECT_EQ(splitLines("\r\n"), Lines{""});
  EXPECT_EQ(splitLines("a\r\n"), Lines{"a"});
  EXPECT_EQ(splitLines("a\r"), Lines{"a"});
  EXPECT_EQ(splitLines("a\r\n\r\n"), (Lines{"a", ""}));
}

TEST(SplitLines, KeepsEveryOtherByte) {
  const std::string bytes("\xb0\xa1\0\x7f\xff", 5);
  EXPECT_EQ(splitLines(bytes + "\n" + bytes), (Lines{bytes, bytes}));
}

TEST_F(TextLines, WritesEveryLineEndedByCrLf) {
  const std::string file = path("out.shp");
  writeLines(file, {"*0,4,x", "", "\xb0\xa1"});
  EXPECT_EQ(readFileBytes(file), "*0,4,x\r\n\r\n\xb0\xa1\r\n");
  EXPECT_EQ(readLines(file), (Lines{"*0,4,x", "", "\xb0\xa1"}));
  writeLines(file, {});
  EXPECT_EQ(readFileBytes(file), "");
}

TEST_F(TextLines, ReplacingAFileKeepsItsAccessRightsAndLeavesNoTemporaryFile) {
  const std::string file = path("font.shp");
  writeBytes(file, "old");
  ::chmod(file.c_str(), 0640);
  writeLines(file, {"new"});
  EXPECT_EQ(readFileBytes(file), "new\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(entryCount(), 1);
}

TEST_F(TextLines, ASymbolicLinkKeepsPointingAtTheRewrittenFile) {
  const std::string real = path("real.shp");
  const std::string link = path("link.shp");
  writeBytes(real, "old");
  std::filesystem::create_symlink(real, link);
  writeLines(link, {"new"});
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(readFileBytes(real), "new\r\n");
}

TEST_F(TextLines, AWriteThatRunsOutOfSpaceLeavesTheOldFileAsItWas) {
  const std::string file = path("font.shp");
  writeBytes(file, "old text");
  // A file size limit makes the write fail part way, as a full disk would.
  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  bool threw = false;
  try {
    writeLines(file, Lines(10000, "2,8,(1,1),0"));
  } catch (const FileError& e) {
    threw = true;
    EXPECT_EQ(e.path(), file);
    EXPECT_NE(std::string(e.what()).find(file), std::string::npos);
  }
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_TRUE(threw);
  EXPECT_EQ(readFileBytes(file), "old text");
  EXPECT_EQ(entryCount(), 1);
}

TEST_F(TextLines, FailuresNameTheFile) {
  const std::string missingDir = path("none/font.shp");
  try {
    writeLines(missingDir, {"x"});
    FAIL() << "wrote into a missing directory";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("\"" + missingDir + "\": cannot write: ", 0), 0u)
        << e.what();
  }
  EXPECT_THROW(readFileBytes(path("missing.shp")), FileError);
  EXPECT_THROW(readFileBytes(tmp_.dir()), FileError);  // a directory reads as an error
}

TEST_F(TextLines, OnlyPlainFilesAreRead) {
  const std::string dir = path("fonts.shp");
  std::filesystem::create_directory(dir);
  const std::string fifo = path("pipe.shp");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto messageOf = [](const std::string& file) {
    try {
      readFileBytes(file);
    } catch (const FileError& e) {
      return std::string(e.what());
    }
    return std::string("(read)");
  };
  EXPECT_EQ(messageOf(dir), "\"" + dir + "\": cannot open: it is a directory, not a file");
  // A named pipe with no writer would block the open and the read for ever.
  EXPECT_EQ(messageOf(fifo), "\"" + fifo + "\": cannot open: it is not a regular file");
}

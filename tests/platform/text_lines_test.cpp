#include "platform/text_lines.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

namespace {

using Lines = std::vector<std::string>;

class TextLines : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("kelvane-lines-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
            std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string file(const std::string& name) const { return (dir_ / name).string(); }
  size_t entries() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir_),
                                             std::filesystem::directory_iterator()));
  }

  std::filesystem::path dir_;
};

void writeRaw(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

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
  const std::string path = file("out.shp");
  writeLines(path, {"*0,4,x", "", "\xb0\xa1"});
  EXPECT_EQ(readFileBytes(path), "*0,4,x\r\n\r\n\xb0\xa1\r\n");
  EXPECT_EQ(readLines(path), (Lines{"*0,4,x", "", "\xb0\xa1"}));
  writeLines(path, {});
  EXPECT_EQ(readFileBytes(path), "");
}

TEST_F(TextLines, ReplacingAFileKeepsItsAccessRightsAndLeavesNoTemporaryFile) {
  const std::string path = file("font.shp");
  writeRaw(path, "old");
  ::chmod(path.c_str(), 0640);
  writeLines(path, {"new"});
  EXPECT_EQ(readFileBytes(path), "new\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(entries(), 1u);
}

TEST_F(TextLines, ASymbolicLinkKeepsPointingAtTheRewrittenFile) {
  const std::string real = file("real.shp");
  const std::string link = file("link.shp");
  writeRaw(real, "old");
  std::filesystem::create_symlink(real, link);
  writeLines(link, {"new"});
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(readFileBytes(real), "new\r\n");
}

TEST_F(TextLines, AWriteThatRunsOutOfSpaceLeavesTheOldFileAsItWas) {
  const std::string path = file("font.shp");
  writeRaw(path, "old text");
  // A file size limit makes the write fail part way, as a full disk would.
  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  bool threw = false;
  try {
    writeLines(path, Lines(10000, "2,8,(1,1),0"));
  } catch (const FileError& e) {
    threw = true;
    EXPECT_EQ(e.path(), path);
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
  }
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_TRUE(threw);
  EXPECT_EQ(readFileBytes(path), "old text");
  EXPECT_EQ(entries(), 1u);
}

TEST_F(TextLines, FailuresNameTheFile) {
  const std::string missingDir = file("none/font.shp");
  try {
    writeLines(missingDir, {"x"});
    FAIL() << "wrote into a missing directory";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("\"" + missingDir + "\": cannot write: ", 0), 0u)
        << e.what();
  }
  EXPECT_THROW(readFileBytes(file("missing.shp")), FileError);
  EXPECT_THROW(readFileBytes(dir_.string()), FileError);  // a directory reads as an error
}

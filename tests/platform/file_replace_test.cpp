#include "platform/file_replace.h"

#include <gtest/gtest.h>
#include <sys/mount.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/ini_file.h"
#include "platform/temp_dir.h"
#include "platform/text_lines.h"

namespace {

using ReplaceFaults = TempDirTest;

// Makes one step fail for every replacement while it lives, and records the steps asked.
class InjectedFault {
 public:
  InjectedFault(ReplaceStep failing, int error) {
    setReplaceFaultHook([this, failing, error](ReplaceStep step, const std::string&) {
      asked.push_back(step);
      return step == failing ? error : 0;
    });
  }
  ~InjectedFault() { setReplaceFaultHook({}); }
  InjectedFault(const InjectedFault&) = delete;
  InjectedFault& operator=(const InjectedFault&) = delete;

  std::vector<ReplaceStep> asked;
};

std::string messageOf(const std::function<void()>& write) {
  try {
    write();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}

const std::string kOldFont = "*0,4,ASCII old\r\n32,16,0,0\r\n";

}  // namespace

TEST_F(ReplaceFaults, AFailureAtAnyStepLeavesTheOldFileAndNoTemporaryFile) {
  struct Case {
    ReplaceStep step;
    int error;
  };
  const Case cases[] = {
      {ReplaceStep::create, EACCES}, {ReplaceStep::permissions, EPERM},
      {ReplaceStep::write, ENOSPC},  {ReplaceStep::sync, EIO},
      {ReplaceStep::close, EDQUOT},  {ReplaceStep::rename, EXDEV},
  };
  const std::string font = path("font.shp");
  const std::string settings = path("font.cfg");
  const std::string fresh = path("fresh.shp");
  const std::vector<std::string> lines(2000, "2,8,(1,1),0");
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.step));
    writeBytes(font, kOldFont);
    writeBytes(settings, "[FONT]\r\nSIZE=3\r\n");
    InjectedFault fault(c.step, c.error);

    EXPECT_EQ(messageOf([&] { writeLines(font, lines); }),
              "\"" + font + "\": cannot write: " + std::strerror(c.error));
    // The step was reached, and the replacement stopped there.
    const auto asked = [&](ReplaceStep step) {
      return std::find(fault.asked.begin(), fault.asked.end(), step) != fault.asked.end();
    };
    EXPECT_TRUE(asked(c.step));
    EXPECT_EQ(asked(ReplaceStep::rename), c.step == ReplaceStep::rename);
    EXPECT_EQ(readBytes(font), kOldFont);

    EXPECT_EQ(messageOf([&] {
                IniFile ini(settings);
                ini.writeInteger("FONT", "SIZE", 5);
                ini.save();
              }),
              "Unable to write to " + settings);
    EXPECT_EQ(readBytes(settings),
              "[FONT]\r\n"
              "SIZE=3\r\n");

    // A file written for the first time does not appear at all.
    EXPECT_THROW(writeLines(fresh, lines), FileError);
    EXPECT_FALSE(std::filesystem::exists(fresh));
    EXPECT_EQ(entryCount(), 2);
  }
  writeLines(font, {"new"});  // with the hook gone, writing works again
  EXPECT_EQ(readBytes(font), "new\r\n");
}

// A real full file system, where the machine lets the test mount one.
TEST_F(ReplaceFaults, AFullFileSystemLeavesTheOldFileAsItWas) {
  const std::string mountPoint = path("small");
  std::filesystem::create_directory(mountPoint);
  if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "cannot mount a small tmpfs (" << std::strerror(errno)
                 << "; needs root with CAP_SYS_ADMIN); injected faults cover a full disk";
  }
  struct Unmount {
    std::string dir;
    ~Unmount() { ::umount2(dir.c_str(), MNT_DETACH); }
  } unmount{mountPoint};

  const std::string font = mountPoint + "/font.shp";
  const std::vector<std::string> oldLines(2000, "1,8,(2,2),0");  // about 26 KiB
  writeLines(font, oldLines);
  const std::string oldBytes = readBytes(font);
  const std::vector<std::string> bigger(4000, "2,8,(-1,1),0");  // about 56 KiB: no room

  const std::string message = messageOf([&] { writeLines(font, bigger); });
  EXPECT_EQ(message, "\"" + font + "\": cannot write: " + std::strerror(ENOSPC));
  EXPECT_EQ(readBytes(font), oldBytes);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(mountPoint),
                          std::filesystem::directory_iterator()),
            1);
}

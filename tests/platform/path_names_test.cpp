#include "platform/path_names.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/temp_dir.h"

namespace {

struct PathCase {
  const char* path;
  const char* fileName;
  const char* directory;
  const char* baseName;
  const char* extension;
  const char* settings;
};

TEST(PathNames, PartsOfAPath) {
  const PathCase cases[] = {
      {"/home/u/字库/hz.shp", "hz.shp", "/home/u/字库", "hz", ".shp", "/home/u/字库/hz.cfg"},
      {"a/b/HZ.SHP", "HZ.SHP", "a/b", "HZ", ".SHP", "a/b/HZ.cfg"},
      {"hz.shp", "hz.shp", "", "hz", ".shp", "hz.cfg"},
      {"/hz.shp", "hz.shp", "/", "hz", ".shp", "/hz.cfg"},
      {"a/font.v2.shp", "font.v2.shp", "a", "font.v2", ".shp", "a/font.v2.cfg"},
      {"my.fonts/hz", "hz", "my.fonts", "hz", "", "my.fonts/hz.cfg"},
      {"my.fonts/", "", "my.fonts", "", "", "my.fonts/.cfg"},
      {"a//hz", "hz", "a", "hz", "", "a//hz.cfg"},
      {"a/hz.", "hz.", "a", "hz", ".", "a/hz.cfg"},
      {"a/.shp", ".shp", "a", "", ".shp", "a/.cfg"},
      {"", "", "", "", "", ".cfg"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(fileNameOf(c.path), c.fileName);
    EXPECT_EQ(directoryOf(c.path), c.directory);
    EXPECT_EQ(baseNameOf(c.path), c.baseName);
    EXPECT_EQ(extensionOf(c.path), c.extension);
    EXPECT_EQ(settingsPathOf(c.path), c.settings);
  }
}

TEST(PathNames, ReplaceExtensionTakesAnyExtension) {
  EXPECT_EQ(replaceExtension("d/e", ".SHP"), "d/e.SHP");
  EXPECT_EQ(replaceExtension("d.x/e.shp", ".SHP"), "d.x/e.SHP");
  EXPECT_EQ(replaceExtension("d/e.shp", ""), "d/e");
}

using FileExists = TempDirTest;

TEST_F(FileExists, OnlyForFiles) {
  writeBytes(path("hz.shp"), "");
  std::filesystem::create_directory(path("dir.shp"));
  std::filesystem::create_symlink(path("hz.shp"), path("link.shp"));
  std::filesystem::create_symlink(path("gone.shp"), path("dangling.shp"));
  EXPECT_TRUE(fileExists(path("hz.shp")));
  EXPECT_TRUE(fileExists(path("link.shp")));
  EXPECT_FALSE(fileExists(path("dir.shp")));
  EXPECT_FALSE(fileExists(path("dangling.shp")));
  EXPECT_FALSE(fileExists(path("gone.shp")));
  EXPECT_FALSE(fileExists(path("hz.shp/x")));
  EXPECT_FALSE(fileExists(""));
}

}  // namespace

#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/text_lines.h"
#include "shapefile/shpfile.h"

// A directory of its own for one test, removed afterwards.
class TempDir {
 public:
  TempDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("kelvane-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
             std::to_string(::getpid()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Reads shape source text as a file named font.shp would be read.
inline void loadText(GShpFile& font, const std::string& text) {
  font.loadLines(splitLines(text), "font.shp");
}

struct PathPoint {
  int32_t x, y;
  bool isVirtual;
  bool operator==(const PathPoint&) const = default;
};

inline std::vector<PathPoint> pathOf(const GShape& shape) {
  std::vector<PathPoint> path;
  for (int i = 0; i < shape.pointCount(); ++i) {
    const GPoint* p = shape.pointAtIndex(i);
    path.push_back({p->x, p->y, p->isVirtual != 0});
  }
  return path;
}

inline void PrintTo(const PathPoint& p, std::ostream* os) {
  *os << "(" << p.x << "," << p.y << (p.isVirtual ? " virtual)" : " real)");
}

// Replays every committed corpus file of each fuzz target through its entry function, so
// an input that once crashed, hung or failed a check is tried again on every test run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/text_lines.h"

// The entry functions, each compiled under its own name in this program.
extern "C" int kelvaneFuzzShapeFile(const uint8_t* data, size_t size);
extern "C" int kelvaneFuzzDefinition(const uint8_t* data, size_t size);
extern "C" int kelvaneFuzzSettings(const uint8_t* data, size_t size);
extern "C" int kelvaneFuzzShxFile(const uint8_t* data, size_t size);
extern "C" int kelvaneFuzzShapeSource(const uint8_t* data, size_t size);
extern "C" int kelvaneFuzzLff(const uint8_t* data, size_t size);
extern "C" int kelvaneFuzzJhf(const uint8_t* data, size_t size);
extern "C" int kelvaneFuzzStrokeData(const uint8_t* data, size_t size);
#ifdef KELVANE_FUZZ_JPEG
extern "C" int kelvaneFuzzJpeg(const uint8_t* data, size_t size);
#endif

namespace {

using Entry = int (*)(const uint8_t*, size_t);

// Returns how many files were replayed.
size_t replay(const std::string& target, Entry entry) {
  const std::filesystem::path dir = std::filesystem::path(KELVANE_FUZZ_CORPUS) / target;
  std::vector<std::filesystem::path> files;
  for (const auto& item : std::filesystem::directory_iterator(dir)) {
    if (item.is_regular_file()) files.push_back(item.path());
  }
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    // A crash ends the program: the last name printed is the input that caused it.
    std::fprintf(stderr, "replaying %s\n", file.c_str());
    const std::string bytes = readFileBytes(file.string());
    EXPECT_EQ(entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0)
        << file.string();
  }
  return files.size();
}

}  // namespace

TEST(FuzzCorpus, ShapeFile) { EXPECT_GE(replay("shape_file", kelvaneFuzzShapeFile), 10u); }
TEST(FuzzCorpus, Definition) { EXPECT_GE(replay("definition", kelvaneFuzzDefinition), 10u); }
TEST(FuzzCorpus, Settings) { EXPECT_GE(replay("settings", kelvaneFuzzSettings), 10u); }
TEST(FuzzCorpus, ShxFile) { EXPECT_GE(replay("shx_file", kelvaneFuzzShxFile), 10u); }
TEST(FuzzCorpus, ShapeSource) { EXPECT_GE(replay("shape_source", kelvaneFuzzShapeSource), 10u); }
TEST(FuzzCorpus, Lff) { EXPECT_GE(replay("lff", kelvaneFuzzLff), 10u); }
TEST(FuzzCorpus, Jhf) { EXPECT_GE(replay("jhf", kelvaneFuzzJhf), 10u); }
TEST(FuzzCorpus, StrokeData) { EXPECT_GE(replay("stroke_data", kelvaneFuzzStrokeData), 10u); }
#ifdef KELVANE_FUZZ_JPEG
TEST(FuzzCorpus, Jpeg) { EXPECT_GE(replay("jpeg", kelvaneFuzzJpeg), 10u); }
#endif

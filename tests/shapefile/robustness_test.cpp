#include <gtest/gtest.h>

#include <random>

#include "sample_fonts.h"
#include "shapefile/read_error.h"
#include "test_support.h"

namespace {

// Loads the text; it either loads or fails with the reader's own error.
void expectLoadsOrFailsClearly(const std::string& text) {
  GShpFile font;
  try {
    loadText(font, text);
  } catch (const ShpReadError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("\"font.shp\", line ", 0), 0u) << e.what();
    EXPECT_GE(e.line(), 1);
  } catch (const std::exception& e) {
    ADD_FAILURE() << "unexpected error: " << e.what()
                  << "\ninput: " << ::testing::PrintToString(text);
  }
}

// Bytes that mean something to the reader, with the odd arbitrary one.
char interestingByte(std::mt19937& rng) {
  static const std::string alphabet = "*,()-+0123456789 \r\n\tBUI;9812";
  if (rng() % 8 == 0) return static_cast<char>(rng() & 0xFF);
  return alphabet[rng() % alphabet.size()];
}

}  // namespace

TEST(ShpReaderRobustness, RandomTextNeverCrashes) {
  std::mt19937 rng(20240228);
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const size_t length = rng() % 200;
    for (size_t i = 0; i < length; ++i) text += interestingByte(rng);
    if (round % 3 == 0) text = "*0,4,x\r\n32,16,0,0\r\n" + text;
    expectLoadsOrFailsClearly(text);
  }
}

using ShpReaderMutations = TempDirTest;

TEST_F(ShpReaderMutations, MutatedFontsNeverCrash) {
  std::mt19937 rng(7);
  for (uint8_t kind : {GShpFile::kindAscii, GShpFile::kindUnifont, GShpFile::kindBigfont}) {
    sampleFont(kind, 3)->save(path("sample.shp"), LocalDate{1, 1, 2024});
    const std::string original = readFileBytes(path("sample.shp"));
    for (int round = 0; round < 400; ++round) {
      std::string text = original;
      for (int edits = 1 + static_cast<int>(rng() % 6); edits > 0; --edits) {
        const size_t at = rng() % text.size();
        switch (rng() % 4) {
          case 0:
            text[at] = interestingByte(rng);
            break;
          case 1:
            text.insert(at, 1, interestingByte(rng));
            break;
          case 2:
            text.erase(at, rng() % 40);
            break;
          default:
            text.insert(at, text.substr(rng() % text.size(), rng() % 60));
            break;
        }
        if (text.empty()) text = "*";
      }
      expectLoadsOrFailsClearly(text);
    }
  }
}

#include <cstdio>

#include "platform/text_lines.h"
#include "shapefile/shpfile.h"

namespace {

constexpr size_t maxFontName = 255;

// The header lines are short runs of numbers.
template <typename... Numbers>
std::string format(const char* pattern, Numbers... numbers) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, pattern, static_cast<int>(numbers)...);
  return buffer;
}

// The font name followed by the signature and the date of writing.
std::string signedName(const std::string& fontName, const LocalDate& date) {
  return fontName + format(" BY MORVELIN %02d/%02d/%04d", date.day, date.month, date.year);
}

// A name the reader could not take back, or one that would break the header
// line in two, is refused before anything is written.
void checkFontName(const std::string& path, const std::string& name) {
  if (name.size() > maxFontName) {
    throw FileError(path, "cannot write the font name: it is longer than " +
                              std::to_string(maxFontName) + " bytes");
  }
  if (name.find_first_of("\r\n") != std::string::npos) {
    throw FileError(path, "cannot write the font name: it holds a line break");
  }
}

}  // namespace

void GShpFile::save(const std::string& path) const { save(path, localDate()); }

void GShpFile::save(const std::string& path, const LocalDate& date) const {
  checkFontName(path, fontName_);
  std::vector<std::string> lines;
  switch (kind_) {
    case kindUnifont:
      lines.push_back("*UNIFONT,6," + signedName(fontName_, date));
      lines.push_back(format("%d,%d,0,0,0,0", above_, below_));
      break;
    case kindBigfont:
      lines.push_back(format("*BIGFONT %d,1,161,256", characterCount_));
      lines.push_back("*0,5," + signedName(fontName_, date));
      lines.push_back(format("%d,0,0,%d,0", height_, width_));
      break;
    default:
      // A font of no kind yet is written as an ASCII font: without a header the
      // reader would take the first shape for one.
      lines.push_back("*0,4,ASCII " + signedName(fontName_, date));
      lines.push_back(format("%d,%d,0,0", above_, below_));
      break;
  }
  lines.emplace_back();
  if (shapes_) {
    for (const auto& shape : *shapes_) {
      shape->writeTo(lines);
      lines.emplace_back();
    }
  }
  writeLines(path, lines);
}

#include <cstdio>
#include <functional>
#include <thread>

#include "platform/text_lines.h"
#include "shapefile/shpfile.h"

namespace {

constexpr size_t maxFontName = 255;
constexpr size_t pointsWorthASecondThread = 100'000;

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
  writeFileBytes(path, encode(date));
}

std::string GShpFile::encodeHeader(const LocalDate& date) const {
  std::string text;
  auto line = [&text](const std::string& header) {
    text += header;
    text += "\r\n";
  };
  switch (kind_) {
    case kindUnifont:
      line("*UNIFONT,6," + signedName(fontName_, date));
      line(format("%d,%d,0,0,0,0", above_, below_));
      break;
    case kindBigfont: {
      // A GB2312 font keeps the header it always had; lower lead bytes (GBK) need their range.
      auto [first, last] = leadByteRange();
      if (first == bigfontEscapeFirst) last = bigfontEscapeLast;
      line(format("*BIGFONT %d,1,%d,%d", characterCount_, first, last));
      line("*0,5," + signedName(fontName_, date));
      line(format("%d,0,0,%d,0", height_, width_));
      break;
    }
    default:
      // A font of no kind yet is written as an ASCII font: without a header the
      // reader would take the first shape for one.
      line("*0,4,ASCII " + signedName(fontName_, date));
      line(format("%d,%d,0,0", above_, below_));
      break;
  }
  return text;
}

std::string GShpFile::encode(const LocalDate& date) const {
  std::string text;
  size_t points = 0;
  if (shapes_) {
    for (const auto& shape : *shapes_) points += static_cast<size_t>(shape->pointCount());
    // About eight bytes a point and fifty a shape: one allocation for most fonts.
    text.reserve(points * 8 + shapes_->size() * 50 + 256);
  }
  text += encodeHeader(date);
  text += "\r\n";
  if (!shapes_) return text;

  // A large font is written in two halves at once, the second into its own text.
  const ShapeList& shapes = *shapes_;
  auto appendShapes = [&shapes](std::string& out, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
      shapes[i]->appendText(out);
      out += "\r\n";
    }
  };
  size_t half = shapes.size();
  if (points >= pointsWorthASecondThread && std::thread::hardware_concurrency() > 1) {
    size_t counted = 0;
    for (half = 0; half < shapes.size() && counted < points / 2; ++half) {
      counted += static_cast<size_t>(shapes[half]->pointCount());
    }
  }
  std::string secondHalf;
  std::thread helper;
  if (half < shapes.size()) {
    secondHalf.reserve(text.capacity() / 2);
    helper = std::thread(appendShapes, std::ref(secondHalf), half, shapes.size());
  }
  appendShapes(text, 0, half);
  if (helper.joinable()) {
    helper.join();
    text += secondHalf;
  }
  return text;
}

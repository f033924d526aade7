#include <algorithm>
#include <charconv>
#include <filesystem>
#include <optional>

#include "formats/hershey_format.h"
#include "platform/reader_language.h"

namespace {

constexpr int baselineRow = 9;
constexpr double romanCapitalHeight = 21;
constexpr char32_t firstCode = 0x20;
constexpr char32_t lastCode = 0x7E;

int coordinateOf(char c) { return static_cast<unsigned char>(c) - 'R'; }

class JhfReader {
 public:
  JhfReader(std::string_view bytes, const std::string& sourceName)
      : bytes_(bytes), source_(sourceName) {
    font_.name = std::filesystem::path(sourceName).stem().string();
    font_.capitalHeight = romanCapitalHeight;
    size_t extra = 0;
    while (skipBreaks()) {
      std::optional<StrokeGlyph> glyph = record();
      if (!glyph) break;
      if (next_ > lastCode) {
        ++extra;
      } else {
        glyph->unicode = next_;
        font_.glyphs.push_back(std::move(*glyph));
      }
      ++next_;
    }
    if (extra > 0) {
      const std::string count = std::to_string(extra);
      font_.problems.push_back(
          inReaderLanguage("可打印ASCII字符之后的 " + count + " 个记录已略去",
                           count + " records after the printable ASCII characters are left out"));
    }
  }

  StrokeFont font() && {
    if (font_.glyphs.empty()) {
      throw FormatError(
          source_ + inReaderLanguage("：没有Hershey字形记录", ": no Hershey glyph record found"));
    }
    double lowest = 0;
    for (const StrokeGlyph& glyph : font_.glyphs) {
      for (const Stroke& stroke : glyph.strokes) {
        for (const StrokePoint& p : stroke) lowest = std::min(lowest, p.y);
      }
    }
    font_.descent = -lowest;
    return std::move(font_);
  }

 private:
  // Moves past blank lines; false at the end of the input.
  bool skipBreaks() {
    while (at_ < bytes_.size()) {
      const size_t end = std::min(bytes_.find('\n', at_), bytes_.size());
      if (bytes_.substr(at_, end - at_).find_first_not_of(" \t\r") != std::string_view::npos)
        return true;
      at_ = end + 1;
      ++line_;
    }
    return false;
  }

  // The record at the start of a line, or nothing (and a problem noted) where the rest of the
  // input cannot be read as records.
  std::optional<StrokeGlyph> record() {
    const int line = line_;
    const size_t lineEnd = std::min(bytes_.find_first_of("\r\n", at_), bytes_.size());
    const std::string_view header = bytes_.substr(at_, std::min<size_t>(8, lineEnd - at_));
    unsigned count = 0;
    const std::string_view countText = header.size() == 8 ? header.substr(5) : "";
    const size_t digits = countText.find_first_not_of(' ');
    const auto [end, ec] = std::from_chars(countText.data() + std::min(digits, countText.size()),
                                           countText.data() + countText.size(), count);
    if (digits == std::string_view::npos || ec != std::errc() ||
        end != countText.data() + countText.size() || count == 0) {
      const std::string text(header);
      note(line, inReaderLanguage("“" + text + "”不是记录的开头（编号和顶点数），读入到此为止",
                                  "\"" + text +
                                      "\" does not start a record (number and vertex count); "
                                      "reading stops"));
      return std::nullopt;
    }
    at_ += 8;
    std::string pairs;
    pairs.reserve(2 * count);
    while (pairs.size() < 2 * count && at_ < bytes_.size()) {
      const char c = bytes_[at_++];
      if (c == '\n') {
        ++line_;
      } else if (c != '\r') {
        pairs += c;
      }
    }
    if (pairs.size() < 2 * count) {
      const std::string read = std::to_string(pairs.size() / 2), all = std::to_string(count);
      note(line, inReaderLanguage("记录的 " + all + " 个顶点只有 " + read + " 个，读入到此为止",
                                  "the record ends after " + read + " of its " + all +
                                      " vertices; reading stops"));
      return std::nullopt;
    }
    skipRestOfLine(line);
    return glyphOf(pairs);
  }

  void skipRestOfLine(int line) {
    const size_t end = std::min(bytes_.find('\n', at_), bytes_.size());
    if (bytes_.substr(at_, end - at_).find_first_not_of(" \t\r") != std::string_view::npos)
      note(line, inReaderLanguage("记录的顶点之后的字符已忽略",
                                  "characters after the record's vertices are ignored"));
    at_ = end;
  }

  // The bearings come first; x is shifted so that the left one is 0.
  static StrokeGlyph glyphOf(std::string_view pairs) {
    const int left = coordinateOf(pairs[0]);
    StrokeGlyph glyph;
    glyph.advance = coordinateOf(pairs[1]) - left;
    Stroke stroke;
    for (size_t i = 2; i < pairs.size(); i += 2) {
      if (pairs[i] == ' ' && pairs[i + 1] == 'R') {
        if (!stroke.empty()) glyph.strokes.push_back(std::move(stroke));
        stroke.clear();
      } else {
        stroke.push_back({static_cast<double>(coordinateOf(pairs[i]) - left),
                          static_cast<double>(baselineRow - coordinateOf(pairs[i + 1])), 0});
      }
    }
    if (!stroke.empty()) glyph.strokes.push_back(std::move(stroke));
    return glyph;
  }

  void note(int line, const std::string& what) { font_.problems.push_back(lineLabel(line) + what); }

  std::string_view bytes_;
  const std::string& source_;
  StrokeFont font_;
  size_t at_ = 0;
  int line_ = 1;
  char32_t next_ = firstCode;
};

// The height of an 'A' that stands on the baseline, if the font has one.
std::optional<double> capitalHeightOf(const StrokeFont& font) {
  const auto a = std::find_if(font.glyphs.begin(), font.glyphs.end(),
                              [](const StrokeGlyph& glyph) { return glyph.unicode == 'A'; });
  if (a == font.glyphs.end() || a->strokes.empty()) return std::nullopt;
  double bottom = a->strokes[0][0].y, top = bottom;
  for (const Stroke& stroke : a->strokes) {
    for (const StrokePoint& p : stroke) {
      bottom = std::min(bottom, p.y);
      top = std::max(top, p.y);
    }
  }
  if (bottom != 0 || top <= 0) return std::nullopt;
  return top;
}

}  // namespace

StrokeFont readJhf(std::string_view bytes, const std::string& sourceName) {
  StrokeFont font = JhfReader(bytes, sourceName).font();
  if (const std::optional<double> height = capitalHeightOf(font)) font.capitalHeight = *height;
  return font;
}

StrokeFormat hersheyFormat() { return StrokeFormat{readJhf, {}}; }

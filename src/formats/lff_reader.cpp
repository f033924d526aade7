#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <unordered_map>
#include <variant>

#include "formats/lff_format.h"
#include "platform/reader_language.h"
#include "platform/text_lines.h"

namespace {

// LibreCAD draws its capitals nine units high.
constexpr double lffCapitalHeight = 9;
// No drawing anyone made has larger coordinates or bulges; such numbers would only overflow
// the sums that measure and scale a glyph.
constexpr double largestNumber = 1e9;
// References can multiply strokes without end (each glyph including the one before twice),
// so the font stops growing at this many points, eight times Debian's largest font.
constexpr size_t mostPoints = 4'000'000;

std::optional<double> numberOf(std::string_view text) {
  text = trimmedBlanks(text);
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !(std::abs(value) <= largestNumber))
    return std::nullopt;
  return value;
}

// A code point written in hexadecimal, at most U+10FFFF and no surrogate.
std::optional<char32_t> codeOf(std::string_view hex) {
  if (hex.empty() || hex.size() > 8) return std::nullopt;
  uint32_t value = 0;
  const auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
  if (ec != std::errc() || end != hex.data() + hex.size() || value > 0x10FFFF ||
      (value >= 0xD800 && value <= 0xDFFF))
    return std::nullopt;
  return value;
}

std::string codeName(char32_t code) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
  return text;
}

bool isUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80                   ? 1
                          : lead >= 0xC2 && lead < 0xE0 ? 2
                          : lead >= 0xE0 && lead < 0xF0 ? 3
                          : lead >= 0xF0 && lead < 0xF5 ? 4
                                                        : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

struct Reference {
  char32_t target;
  int line;
};

// A glyph block as written: its polylines and references in the order of their lines.
struct Block {
  char32_t code;
  std::vector<std::variant<Stroke, Reference>> items;
};

class LffReader {
 public:
  LffReader(std::string_view bytes, const std::string& sourceName) : source_(sourceName) {
    font_.name = std::filesystem::path(sourceName).stem().string();
    font_.capitalHeight = lffCapitalHeight;
    font_.letterSpacing = 3;
    font_.wordSpacing = 6.75;
    font_.lineSpacingFactor = 1;
    const std::vector<std::string_view> lines = splitLineViews(bytes);
    for (size_t i = 0; i < lines.size(); ++i)
      readLine(trimmedBlanks(lines[i]), static_cast<int>(i + 1));
  }

  StrokeFont font() && {
    if (blocks_.empty()) {
      throw FormatError(source_ + inReaderLanguage("：没有字形块“[XXXX]”，不是LibreCAD字体",
                                                   ": no glyph block \"[XXXX]\" found, not a "
                                                   "LibreCAD font"));
    }
    takeGlyphs(resolve());
    return std::move(font_);
  }

 private:
  void readLine(std::string_view line, int number) {
    if (line.empty()) return;
    if (line[0] == '[') {
      sawBlock_ = true;
      startBlock(line, number);
    } else if (line[0] == '#') {
      if (!sawBlock_) readHeader(line.substr(1), number);
    } else if (current_ != nullptr) {
      readGlyphLine(line, number);
    } else if (!sawBlock_) {
      const std::string text(line.substr(0, 40));
      note(number, inReaderLanguage("“" + text + "”不在任何字形块内",
                                    "\"" + text + "\" is outside any glyph block"));
    }
    // Lines of a block whose header could not be read were named with that header.
  }

  void readHeader(std::string_view comment, int number) {
    const size_t colon = comment.find(':');
    if (colon == std::string_view::npos) return;
    const std::string_view key = trimmedBlanks(comment.substr(0, colon));
    const std::string_view value = trimmedBlanks(comment.substr(colon + 1));
    if (key == "Name") {
      if (isUtf8(value) && !value.empty()) {
        font_.name = value;
      } else {
        note(number, inReaderLanguage("字体名不是UTF-8文本", "the name is not UTF-8 text"));
      }
      return;
    }
    double* field = key == "LetterSpacing"       ? &font_.letterSpacing
                    : key == "WordSpacing"       ? &font_.wordSpacing
                    : key == "LineSpacingFactor" ? &font_.lineSpacingFactor
                                                 : nullptr;
    if (field == nullptr) return;
    if (const std::optional<double> n = numberOf(value)) {
      *field = *n;
    } else {
      const std::string name(key), text(value);
      note(number, inReaderLanguage(name + "“" + text + "”不是数字",
                                    name + " \"" + text + "\" is not a number"));
    }
  }

  // "[XXXX] c"; some fonts write "[#XXXX]" or a doubled bracket. The character after the
  // bracket is not needed: the number says which it is.
  void startBlock(std::string_view line, int number) {
    current_ = nullptr;
    const size_t digits = line.find_first_not_of("[#");
    const size_t close = line.find(']');
    const std::optional<char32_t> code = close == std::string_view::npos || digits > close
                                             ? std::nullopt
                                             : codeOf(line.substr(digits, close - digits));
    if (!code) {
      const std::string text(line.substr(0, 40));
      note(number, inReaderLanguage("“" + text + "”不是字形块头 [XXXX]",
                                    "\"" + text + "\" is not a glyph header [XXXX]"));
      return;
    }
    if (!blockOf_.emplace(*code, blocks_.size()).second) {
      note(number, codeName(*code) + inReaderLanguage(" 重复定义，略去此块",
                                                      " is defined again, this block is skipped"));
      return;
    }
    blocks_.push_back(Block{*code, {}});
    current_ = &blocks_.back();
    blockLines_.push_back(number);
  }

  void readGlyphLine(std::string_view line, int number) {
    if (line[0] == 'C' || line[0] == 'c') {
      if (const std::optional<char32_t> target = codeOf(trimmedBlanks(line.substr(1)))) {
        current_->items.emplace_back(Reference{*target, number});
      } else {
        const std::string text(line.substr(0, 40));
        note(number, inReaderLanguage("“" + text + "”不是引用 C<十六进制数>",
                                      "\"" + text + "\" is not a reference C<hex>"));
      }
    } else if (std::optional<Stroke> stroke = strokeOf(line, number)) {
      current_->items.emplace_back(std::move(*stroke));
    }
  }

  // "x,y;x,y,A<bulge>;..." with room for a trailing ";" and a bulge written without its comma.
  std::optional<Stroke> strokeOf(std::string_view line, int number) {
    Stroke stroke;
    while (!line.empty()) {
      const size_t semicolon = line.find(';');
      const std::string_view vertex = trimmedBlanks(line.substr(0, semicolon));
      line = semicolon == std::string_view::npos ? std::string_view{} : line.substr(semicolon + 1);
      if (vertex.empty()) continue;
      const std::optional<StrokePoint> point = pointOf(vertex);
      if (!point) {
        const std::string text(vertex.substr(0, 40));
        note(number,
             inReaderLanguage("“" + text + "”不是点 x,y", "\"" + text + "\" is not a point x,y"));
        return std::nullopt;
      }
      stroke.push_back(*point);
    }
    if (stroke.empty()) return std::nullopt;
    stroke.front().bulge = 0;  // a bulge belongs to the segment before its point
    return stroke;
  }

  static std::optional<StrokePoint> pointOf(std::string_view vertex) {
    const size_t comma = vertex.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    std::string_view rest = vertex.substr(comma + 1);
    const size_t arc = rest.find_first_of("Aa");
    const std::string_view yText = rest.substr(0, arc);
    std::string_view bulgeText;
    if (arc != std::string_view::npos) {
      bulgeText = rest.substr(arc + 1);
      rest = trimmedBlanks(yText);
      if (!rest.empty() && rest.back() == ',') rest.remove_suffix(1);
    } else {
      rest = yText;
    }
    const std::optional<double> x = numberOf(vertex.substr(0, comma));
    const std::optional<double> y = numberOf(rest);
    const std::optional<double> bulge =
        arc == std::string_view::npos ? std::optional<double>(0) : numberOf(bulgeText);
    if (!x || !y || !bulge) return std::nullopt;
    return StrokePoint{*x, *y, *bulge};
  }

  // Each glyph gets its own strokes and, in place of each reference, the strokes its target
  // ends up with. A reference back into a glyph still being resolved is a loop. The walk keeps
  // its own stack, so a long chain of references cannot exhaust the program's.
  std::vector<std::vector<Stroke>> resolve() {
    enum class State { waiting, resolving, done };
    std::vector<State> state(blocks_.size(), State::waiting);
    std::vector<std::vector<Stroke>> strokes(blocks_.size());
    struct Step {
      size_t block;
      size_t next = 0;
    };
    std::vector<Step> stack;
    for (size_t start = 0; start < blocks_.size(); ++start) {
      if (state[start] != State::waiting) continue;
      state[start] = State::resolving;
      stack.push_back({start});
      while (!stack.empty()) {
        const size_t block = stack.back().block;
        if (stack.back().next == blocks_[block].items.size()) {
          state[block] = State::done;
          stack.pop_back();
          continue;
        }
        auto& item = blocks_[block].items[stack.back().next++];
        // A block's own strokes are taken once, by its own resolution; others include its result.
        if (Stroke* own = std::get_if<Stroke>(&item)) {
          if (fits(own->size(), blockLines_[block], blocks_[block].code)) {
            strokes[block].push_back(std::move(*own));
          }
          continue;
        }
        const Reference& ref = std::get<Reference>(item);
        const auto found = blockOf_.find(ref.target);
        const auto skip = [&](const char* chinese, const char* english) {
          const std::string from = codeName(blocks_[block].code), to = codeName(ref.target);
          note(ref.line,
               inReaderLanguage(from + "：对 " + to + chinese + "，已略去",
                                from + ": the reference to " + to + english + ", left out"));
        };
        if (found == blockOf_.end()) {
          skip(" 的引用找不到字形", " names no glyph of the font");
        } else if (state[found->second] == State::resolving) {
          skip(" 的引用又引回自身", " leads back to itself");
        } else if (state[found->second] == State::waiting) {
          --stack.back().next;  // taken again once the target is resolved
          state[found->second] = State::resolving;
          stack.push_back({found->second});
        } else {
          const std::vector<Stroke>& included = strokes[found->second];
          size_t count = 0;
          for (const Stroke& stroke : included) count += stroke.size();
          if (fits(count, ref.line, blocks_[block].code)) {
            strokes[block].insert(strokes[block].end(), included.begin(), included.end());
          }
        }
      }
    }
    return strokes;
  }

  // The glyphs in code point order, each advancing past its rightmost point by the letter
  // spacing; one without strokes is a word space.
  void takeGlyphs(std::vector<std::vector<Stroke>> strokes) {
    std::vector<size_t> order(blocks_.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b) { return blocks_[a].code < blocks_[b].code; });
    double lowest = 0;
    for (size_t i : order) {
      StrokeGlyph glyph{blocks_[i].code, font_.wordSpacing, std::move(strokes[i])};
      if (!glyph.strokes.empty()) {
        double right = -largestNumber;
        for (const Stroke& stroke : glyph.strokes) {
          for (const StrokePoint& p : stroke) {
            right = std::max(right, p.x);
            lowest = std::min(lowest, p.y);
          }
        }
        glyph.advance = right + font_.letterSpacing;
      }
      font_.glyphs.push_back(std::move(glyph));
    }
    font_.descent = -lowest;
  }

  bool fits(size_t points, int line, char32_t code) {
    if (points <= mostPoints - points_) {
      points_ += points;
      return true;
    }
    const std::string most = std::to_string(mostPoints);
    note(line, codeName(code) + inReaderLanguage("：已略去，字体将超过 " + most + " 个点",
                                                 ": left out, the font would hold more than " +
                                                     most + " points"));
    return false;
  }

  void note(int line, const std::string& what) { font_.problems.push_back(lineLabel(line) + what); }

  const std::string& source_;
  StrokeFont font_;
  bool sawBlock_ = false;
  std::vector<Block> blocks_;
  std::vector<int> blockLines_;  // of each block's header
  std::unordered_map<char32_t, size_t> blockOf_;
  Block* current_ = nullptr;
  size_t points_ = 0;
};

}  // namespace

StrokeFont readLff(std::string_view bytes, const std::string& sourceName) {
  return LffReader(bytes, sourceName).font();
}

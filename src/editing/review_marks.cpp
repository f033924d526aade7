#include "editing/review_marks.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "model/shape.h"

namespace {

constexpr std::string_view kSignature = "KELVANE REVIEW 1";
constexpr size_t kMostMarks = 65536;  // one per code at most

void mix(uint64_t& hash, uint64_t value) {
  for (int i = 0; i < 8; ++i) {
    hash ^= (value >> (8 * i)) & 0xFF;
    hash *= 0x100000001B3ull;  // FNV-1a
  }
}

template <typename T>
bool parseHex(std::string_view text, T& value) {
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

uint64_t ReviewMarks::fingerprintOf(const GShape& shape) {
  uint64_t hash = 0xCBF29CE484222325ull;
  mix(hash, shape.width());
  for (const GPoint& p : shape.points()) {
    mix(hash, static_cast<uint32_t>(p.x));
    mix(hash, static_cast<uint32_t>(p.y));
    mix(hash, p.isVirtual ? 1 : 0);
  }
  return hash;
}

void ReviewMarks::mark(const GShape& shape) { seen_[shape.code()] = fingerprintOf(shape); }

bool ReviewMarks::isSeen(const GShape& shape) const {
  const auto found = seen_.find(shape.code());
  return found != seen_.end() && found->second == fingerprintOf(shape);
}

std::string ReviewMarks::encode() const {
  std::vector<std::pair<uint16_t, uint64_t>> marks(seen_.begin(), seen_.end());
  std::sort(marks.begin(), marks.end());
  std::string text(kSignature);
  text += '\n';
  char buffer[32];
  for (const auto& [code, fingerprint] : marks) {
    char* end = std::to_chars(buffer, buffer + sizeof buffer, code, 16).ptr;
    *end++ = ' ';
    end = std::to_chars(end, buffer + sizeof buffer, fingerprint, 16).ptr;
    text.append(buffer, end);
    text += '\n';
  }
  return text;
}

bool ReviewMarks::decode(std::string_view text) {
  seen_.clear();
  std::unordered_map<uint16_t, uint64_t> read;
  // Every line, the last included, ends with a line feed: a file cut short misses it.
  if (text.empty() || text.back() != '\n') return false;
  size_t at = 0;
  bool first = true;
  while (at < text.size()) {
    const size_t end = text.find('\n', at);
    // Lines edited by hand may end in CR LF or carry blanks; a blank line says nothing.
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
      line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.empty() && !first) continue;
    if (first) {
      if (line != kSignature) return false;
      first = false;
      continue;
    }
    const size_t space = line.find(' ');
    uint16_t code = 0;
    uint64_t fingerprint = 0;
    if (space == std::string_view::npos || !parseHex(line.substr(0, space), code) ||
        !parseHex(line.substr(space + 1), fingerprint) || read.size() >= kMostMarks ||
        !read.emplace(code, fingerprint).second) {
      return false;
    }
  }
  seen_ = std::move(read);
  return true;
}

std::string ReviewMarks::pathBeside(const std::string& fontPath) { return fontPath + ".review"; }

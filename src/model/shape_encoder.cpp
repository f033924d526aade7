// Encoding of a GShape as shape definition source text: a header line and
// definition lines of at most 100 characters, each cut after a comma.
#include <charconv>
#include <cstring>
#include <string>

#include "model/shape.h"

namespace {

constexpr size_t maxLineLength = 100;

void appendNumber(std::string& text, int64_t n) {
  char digits[24];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, n);
  text.append(digits, end);
}

// Lower-case hexadecimal, padded with blanks to the width, as printf's %<width>x does.
void appendHex(std::string& text, unsigned n, int width) {
  char digits[8];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, n, 16);
  for (auto length = end - digits; length < width; ++length) text += ' ';
  text.append(digits, end);
}

// The codes that open a step of the path, as the text and the compiled bytes write them.
enum class Opening : uint8_t { liftedMove, downMove, downRun, run };

struct OpeningForms {
  std::string_view text;
  int items;
  uint8_t bytes[2];
};
constexpr OpeningForms openingForms[] = {
    {"2,8,", 2, {2, 8}}, {"1,8,", 2, {1, 8}}, {"1,9,", 2, {1, 9}}, {"9,", 1, {9, 0}}};

// Writes the definition text into a buffer that holds enough room for the whole path: no
// point writes more than maxBytesPerPoint bytes.
class DefinitionWriter {
 public:
  static constexpr size_t maxBytesPerPoint = 64;

  DefinitionWriter(std::string& buffer, size_t points) {
    const size_t needed = (points + 2) * maxBytesPerPoint;
    if (buffer.size() < needed) buffer.resize(needed);
    begin_ = at_ = buffer.data();
  }
  void open(Opening opening) {
    const OpeningForms& form = openingForms[static_cast<int>(opening)];
    std::memcpy(at_, form.text.data(), form.text.size());
    at_ += form.text.size();
    count_ += form.items;
  }
  // Bytes go through a local pointer: a char store may alias any member, so writing through
  // at_ itself would reload and store it for every byte.
  [[gnu::always_inline]] void pair(int32_t dx, int32_t dy) {
    char* p = at_;
    *p++ = '(';
    p = number(p, dx);
    *p++ = ',';
    p = number(p, dy);
    *p++ = ')';
    *p++ = ',';
    at_ = p;
    count_ += 2;
  }
  void end() {
    *at_++ = '0';
    count_ += 1;
  }
  std::string_view text() const { return {begin_, static_cast<size_t>(at_ - begin_)}; }
  int count() const { return count_; }

 private:
  // The digits of 0 to 999, four bytes each (the last one unused), and their number.
  struct ShortNumbers {
    char digits[1000][4];
    uint8_t length[1000];
  };
  static constexpr ShortNumbers shortNumbers = [] {
    ShortNumbers table{};
    for (int n = 0; n < 1000; ++n) {
      int length = n >= 100 ? 3 : n >= 10 ? 2 : 1;
      table.length[n] = static_cast<uint8_t>(length);
      for (int i = length - 1, rest = n; i >= 0; --i, rest /= 10) {
        table.digits[n][i] = static_cast<char>('0' + rest % 10);
      }
    }
    return table;
  }();

  // Most displacements are short: those below 1000 are copied from the table, four bytes at
  // once (the buffer has room past every number).
  [[gnu::always_inline]] static char* number(char* p, int32_t n) {
    const uint32_t magnitude = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
    if (magnitude >= 1000) return std::to_chars(p, p + 12, n).ptr;
    if (n < 0) *p++ = '-';
    std::memcpy(p, shortNumbers.digits[magnitude], 4);
    return p + shortNumbers.length[magnitude];
  }

  char* begin_;
  char* at_;
  int count_ = 0;
};

// Writes the same items as compiled shape bytes, one byte each, into room made for the whole
// path (no point writes more than maxBytesPerPoint bytes); an item outside a signed byte's
// range makes the bytes unusable.
class ProgramWriter {
 public:
  static constexpr size_t maxBytesPerPoint = 8;

  ProgramWriter(std::string& bytes, size_t points) : bytes_(bytes), start_(bytes.size()) {
    bytes.resize(start_ + (points + 2) * maxBytesPerPoint);
    at_ = bytes.data() + start_;
  }
  void open(Opening opening) {
    const OpeningForms& form = openingForms[static_cast<int>(opening)];
    char* p = at_;
    *p++ = static_cast<char>(form.bytes[0]);
    if (form.items == 2) *p++ = static_cast<char>(form.bytes[1]);
    at_ = p;
  }
  [[gnu::always_inline]] void pair(int32_t dx, int32_t dy) {
    fits_ &= fitsByte(dx) & fitsByte(dy);
    char* p = at_;
    p[0] = static_cast<char>(dx);
    p[1] = static_cast<char>(dy);
    at_ = p + 2;
  }
  void end() {
    *at_++ = '\0';
    bytes_.resize(static_cast<size_t>(at_ - bytes_.data()));
  }
  bool fits() const { return fits_; }

 private:
  static bool fitsByte(int32_t n) { return static_cast<uint32_t>(n + 128) <= 255u; }
  std::string& bytes_;
  const size_t start_;
  char* at_;
  bool fits_ = true;
};

// The name field of the header line: "0", then the code in hexadecimal.
void appendName(std::string& text, uint16_t code) {
  text += '0';
  appendHex(text, code, code >= 256 ? 4 : 2);
}

// The character itself follows the ';' of a single-byte shape only where it is printable,
// so no control byte ever lands inside the header line.
void appendHeaderLine(std::string& text, uint16_t code, int byteCount) {
  text += '*';
  appendNumber(text, code);
  text += ',';
  appendNumber(text, byteCount);
  text += ',';
  appendName(text, code);
  if (code >= 256) return;
  text += " ;";
  if (code >= 128) {
    appendNumber(text, code);
  } else if (code >= 32 && code < 127) {
    text += static_cast<char>(code);
  }
}

template <typename LineSink>
void forEachLine(std::string_view text, LineSink sink) {
  size_t start = 0;
  while (text.size() - start >= maxLineLength) {
    size_t comma = text.rfind(',', start + maxLineLength - 1);
    size_t cut =
        comma != std::string_view::npos && comma >= start ? comma + 1 : start + maxLineLength;
    sink(text.substr(start, cut - start));
    start = cut;
  }
  sink(text.substr(start));
}

}  // namespace

template <typename Writer>
void GShape::encodePath(Writer& out) const {
  // The previous point as plain numbers: copying whole points through memory would stall
  // each step on the loads that follow the stores.
  int32_t prevX = 0, prevY = 0;
  bool prevIsVirtual = true;
  int32_t pendingX = 0, pendingY = 0;
  auto writePendingMove = [&] {
    out.open(Opening::liftedMove);
    out.pair(pendingX, pendingY);
    pendingX = pendingY = 0;
  };

  for (size_t i = 0; i < path_.size(); ++i) {
    const GPoint& p = *path_[i];
    bool nextIsEnd = i + 1 == path_.size();
    bool nextIsReal = !nextIsEnd && !path_[i + 1]->isVirtual;
    const int32_t dx = wrappingSub(p.x, prevX), dy = wrappingSub(p.y, prevY);
    const bool zeroStep = dx == 0 && dy == 0;

    if (prevIsVirtual && p.isVirtual) {
      pendingX = wrappingAdd(pendingX, dx);
      pendingY = wrappingAdd(pendingY, dy);
      if (nextIsReal || nextIsEnd) writePendingMove();
    } else if (prevIsVirtual) {
      if (nextIsReal && zeroStep) {
        // A run opened with (0,0) would end at once: put the pen down with a
        // zero single move, then open the run on its own.
        out.open(Opening::downMove);
        out.pair(0, 0);
        out.open(Opening::run);
      } else {
        out.open(nextIsReal ? Opening::downRun : Opening::downMove);
        out.pair(dx, dy);
      }
    } else if (p.isVirtual) {
      pendingX = dx;
      pendingY = dy;
      if (nextIsReal || nextIsEnd) writePendingMove();
    } else {
      if (!zeroStep) out.pair(dx, dy);
      if (!nextIsReal) out.pair(0, 0);
    }
    prevX = p.x;
    prevY = p.y;
    prevIsVirtual = p.isVirtual;
  }

  out.open(Opening::liftedMove);
  out.pair(wrappingSub(static_cast<int32_t>(width_), prevX), wrappingSub(0, prevY));
  out.end();
}

std::string_view GShape::encodeDefinition(std::string& buffer, int& items) const {
  DefinitionWriter out(buffer, path_.size());
  encodePath(out);
  items = out.count();
  return out.text();
}

bool GShape::appendProgramBytes(std::string& bytes) const {
  if (!hasList_) return true;
  ProgramWriter out(bytes, path_.size());
  encodePath(out);
  return out.fits();
}

std::string GShape::nameField() const {
  std::string name;
  appendName(name, code_);
  return name;
}

void GShape::writeTo(std::vector<std::string>& lines) const {
  if (!hasList_) return;
  std::string buffer;
  int items = 0;
  const std::string_view definition = encodeDefinition(buffer, items);
  std::string header;
  appendHeaderLine(header, code_, items);
  lines.push_back(std::move(header));
  forEachLine(definition, [&](std::string_view line) { lines.emplace_back(line); });
}

void GShape::appendText(std::string& text) const {
  if (!hasList_) return;
  thread_local std::string buffer;
  int items = 0;
  const std::string_view definition = encodeDefinition(buffer, items);
  appendHeaderLine(text, code_, items);
  text += "\r\n";
  forEachLine(definition, [&](std::string_view line) {
    text += line;
    text += "\r\n";
  });
}

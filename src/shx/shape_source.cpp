#include "shx/shape_source.h"

#include <exception>
#include <optional>
#include <stdexcept>
#include <thread>
#include <utility>

#include "platform/reader_language.h"
#include "platform/text_lines.h"

namespace {

// A record's fault: the record is left out and reported.
struct RecordFault : std::runtime_error {
  using std::runtime_error::runtime_error;
};

RecordFault outOfRange(int32_t item) {
  return RecordFault(inReaderLanguage(std::to_string(item) + " 超出范围",
                                      std::to_string(item) + " is out of range"));
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view withoutComment(std::string_view line) { return line.substr(0, line.find(';')); }

// "65", "-5", "+5" are decimal; "0A", "012", "-0FF" hexadecimal.
std::optional<int32_t> numberOf(std::string_view item) {
  item = trimmedBlanks(item);
  bool negative = false;
  if (!item.empty() && (item[0] == '-' || item[0] == '+')) {
    negative = item[0] == '-';
    item = trimmedBlanks(item.substr(1));
  }
  if (item.empty() || item.size() > 8) return std::nullopt;
  // Eight digits at most, so the value fits whatever they are.
  const bool hexadecimal = item.size() > 1 && item[0] == '0';
  int32_t value = 0;
  for (const char c : item) {
    int32_t digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (hexadecimal && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (hexadecimal && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value * (hexadecimal ? 16 : 10) + digit;
  }
  return negative ? -value : value;
}

// An item that stands for one byte: -128 to 255, a negative one as its two's complement.
char byteOf(int32_t item) {
  if (item < -128 || item > 255)
    throw RecordFault(inReaderLanguage(std::to_string(item) + " 超出一个字节的范围",
                                       std::to_string(item) + " does not fit in a byte"));
  return static_cast<char>(item);
}

// Most items are a number between blanks and parentheses ("(-5", "0A)"): read in place.
// False for anything else, which readItem reads the long way.
bool readPlainItem(const char* p, const char* end, int32_t& value) {
  const auto around = [](char c) { return isBlank(c) || c == '(' || c == ')' || c == '\r'; };
  while (p < end && around(*p) && *p != ')') ++p;
  while (end > p && around(end[-1]) && end[-1] != '(') --end;
  bool negative = false;
  if (p < end && (*p == '-' || *p == '+')) {
    negative = *p == '-';
    ++p;
  }
  const auto digits = end - p;
  if (digits == 0 || digits > 8) return false;
  const bool hexadecimal = digits > 1 && *p == '0';
  int32_t read = 0;
  for (; p < end; ++p) {
    int32_t digit;
    if (*p >= '0' && *p <= '9') {
      digit = *p - '0';
    } else if (hexadecimal && *p >= 'a' && *p <= 'f') {
      digit = *p - 'a' + 10;
    } else if (hexadecimal && *p >= 'A' && *p <= 'F') {
      digit = *p - 'A' + 10;
    } else {
      return false;
    }
    read = read * (hexadecimal ? 16 : 10) + digit;
  }
  value = negative ? -read : read;
  return true;
}

// An item as written: parentheses and carriage returns do not count wherever they stand, an
// empty item is no item, and what is left must be a number of at most sixteen characters.
void readItem(std::string_view raw, std::vector<int32_t>& items) {
  char item[16];
  size_t length = 0;
  bool tooLong = false;
  for (const char c : raw) {
    if (c == '(' || c == ')' || c == '\r') continue;
    if (length == sizeof item) {
      tooLong = true;
      break;
    }
    item[length++] = c;
  }
  const std::string_view taken = trimmedBlanks({item, length});
  if (!tooLong && taken.empty()) return;
  const std::optional<int32_t> n = tooLong ? std::nullopt : numberOf(taken);
  if (!n) {
    const std::string shown = std::string(taken) + (tooLong ? "..." : "");
    throw RecordFault(
        inReaderLanguage("“" + shown + "”不是数字", "\"" + shown + "\" is not a number"));
  }
  items.push_back(*n);
}

// The items of a definition text: commas and line breaks separate them, a semicolon starts a
// comment to the end of its line, parentheses do not count, and an empty item (",,", a comma
// ending a line) is no item.
std::vector<int32_t> itemsOf(std::string_view text) {
  std::vector<int32_t> items;
  items.reserve(text.size() / 3);
  const char* p = text.data();
  const char* const end = p + text.size();
  const auto endsItem = [](char c) { return c == ',' || c == '\n' || c == '\r' || c == ';'; };
  for (;;) {
    const char* stop = p;
    while (stop < end && !endsItem(*stop)) ++stop;
    int32_t value;
    // Within sixteen characters the plain reading and the long one cannot disagree.
    if (stop - p <= 16 && readPlainItem(p, stop, value)) {
      items.push_back(value);
    } else {
      readItem({p, static_cast<size_t>(stop - p)}, items);
    }
    if (stop < end && *stop == ';') {
      while (stop < end && *stop != '\n' && *stop != '\r') ++stop;
    }
    if (stop == end) break;
    p = stop + 1;
  }
  return items;
}

// Lays the items of one definition out as program bytes, following the operands each code
// takes, so that a code's operands are never read as codes.
class ProgramCompiler {
 public:
  ProgramCompiler(const std::vector<int32_t>& items, CompiledKind kind)
      : items_(items), kind_(kind) {
    bytes_.reserve(items.size() + 1);  // a byte an item, but for the rare two-byte operands
  }

  std::string compile() {
    for (;;) {
      const int32_t code = take();
      if (code < 0 || code > 255)
        throw RecordFault(inReaderLanguage(std::to_string(code) + " 不是代码",
                                           std::to_string(code) + " is not a code"));
      put(code);
      if (code == 0) return std::move(bytes_);
      operands(static_cast<uint8_t>(code));
    }
  }

 private:
  void operands(uint8_t code) {
    switch (code) {
      case 3:
      case 4:
        put(take());
        break;
      case 7:
        subshape();
        break;
      case 8:
        put(take());
        put(take());
        break;
      case 9:
        while (pair()) {
        }
        break;
      case 10:
        put(take());
        octant();
        break;
      case 11:
        for (int i = 0; i < 4; ++i) put(take());
        octant();
        break;
      case 12:
        for (int i = 0; i < 3; ++i) put(take());
        break;
      case 13:
        while (pair()) put(take());
        break;
      default:
        break;  // pen, stack, the vertical flag and vector bytes take no operand
    }
  }

  // A displacement pair; false for the (0,0) that ends a run.
  bool pair() {
    const int32_t x = take(), y = take();
    put(x);
    put(y);
    return x != 0 || y != 0;
  }

  // A unifont names its subshape with two bytes, a bigfont too after a 0 (then the
  // subshape's place and size follow).
  void subshape() {
    const int32_t number = take();
    if (kind_ == CompiledKind::unifont) {
      putWord(number);
    } else if (kind_ == CompiledKind::bigfont && number == 0) {
      put(0);
      putWord(take());
      for (int i = 0; i < 4; ++i) put(take());
    } else {
      put(number);
    }
  }

  // An arc's octant item is written negative for a clockwise arc; its byte carries the sign in
  // its top bit.
  void octant() {
    const int32_t octants = take();
    if (octants < -127 || octants > 255) {
      throw outOfRange(octants);
    }
    bytes_ += static_cast<char>(octants < 0 ? 0x80 | -octants : octants);
  }

  int32_t take() {
    if (next_ == items_.size())
      throw RecordFault(inReaderLanguage("定义在结束代码 0 之前就结束了",
                                         "the definition ends before its end code 0"));
    return items_[next_++];
  }
  void put(int32_t item) { bytes_ += byteOf(item); }
  void putWord(int32_t item) {
    if (item < 0 || item > 0xFFFF) throw outOfRange(item);
    bytes_ += static_cast<char>(item >> 8);
    bytes_ += static_cast<char>(item & 0xFF);
  }

  const std::vector<int32_t>& items_;
  const CompiledKind kind_;
  size_t next_ = 0;
  std::string bytes_;
};

struct Record {
  int line;  // 1-based, of the header
  std::string_view header;
  // The lines after the header as the text has them, comments and blank lines included.
  std::string_view definition;
};

// "*number,bytes,name": the byte count is not needed, the items tell it.
struct Header {
  std::string_view number, name;
};

Header fieldsOf(std::string_view header) {
  Header fields;
  const size_t first = header.find(',');
  fields.number =
      trimmedBlanks(header.substr(1, first == std::string_view::npos ? first : first - 1));
  if (first == std::string_view::npos) return fields;
  const size_t second = header.find(',', first + 1);
  if (second != std::string_view::npos) fields.name = trimmedBlanks(header.substr(second + 1));
  return fields;
}

std::vector<Record> recordsOf(std::string_view text) {
  std::vector<Record> records;
  const std::vector<std::string_view> lines = splitLineViews(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = trimmedBlanks(withoutComment(lines[i]));
    if (line.empty()) continue;
    if (line[0] == '*') {
      records.push_back({static_cast<int>(i + 1), line, {}});
    } else if (!records.empty()) {
      std::string_view& definition = records.back().definition;
      const char* start = definition.empty() ? lines[i].data() : definition.data();
      definition = {start, static_cast<size_t>(lines[i].data() + lines[i].size() - start)};
    }
  }
  return records;
}

std::string headerBytesOf(const Record& record) {
  std::string bytes;
  for (int32_t item : itemsOf(record.definition)) bytes += byteOf(item);
  return bytes;
}

// The font's own header record: its name and the bytes of its metrics.
void takeFontHeader(CompiledFont& font, std::string_view name, const Record& record) {
  font.hasHeader = true;
  font.headerName = name;
  font.headerBytes = headerBytesOf(record);
}

// "*BIGFONT 4000,1,081,0FE": the shape count, then the number of ranges and the ranges.
void readBigfontLine(std::string_view line, CompiledFont& font) {
  std::vector<int32_t> items = itemsOf(line.substr(std::string_view("*BIGFONT").size()));
  const auto missing = [] {
    return RecordFault(
        inReaderLanguage("*BIGFONT 行缺少转义范围", "the *BIGFONT line misses escape ranges"));
  };
  if (items.size() < 2) throw missing();
  const size_t ranges = static_cast<size_t>(std::max(items[1], 0));
  if (items.size() < 2 + 2 * ranges) throw missing();
  for (size_t i = 0; i < ranges; ++i) {
    font.escapeRanges.emplace_back(static_cast<uint16_t>(items[2 + 2 * i]),
                                   static_cast<uint16_t>(items[3 + 2 * i]));
  }
}

// A shape record waiting for its program: it compiles with the kind the font had when the
// record came, and ends as a shape or as a problem.
struct PendingShape {
  const Record* record;
  CompiledKind kind;
  CompiledShape shape;
  std::optional<std::string> fault;
};

constexpr size_t bytesWorthASecondThread = size_t{1} << 20;

void compileRange(std::vector<PendingShape>& pending, size_t begin, size_t end) {
  for (size_t i = begin; i < end; ++i) {
    try {
      pending[i].shape.bytes =
          ProgramCompiler(itemsOf(pending[i].record->definition), pending[i].kind).compile();
    } catch (const RecordFault& fault) {
      pending[i].fault = fault.what();
    }
  }
}

// Compiling the programs is nearly all of the work: on two threads when there is enough of it.
void compileAll(std::vector<PendingShape>& pending, size_t definitionBytes) {
  size_t half = pending.size();
  if (definitionBytes >= bytesWorthASecondThread && std::thread::hardware_concurrency() > 1) {
    size_t bytes = 0;
    for (half = 0; half < pending.size() && bytes < definitionBytes / 2; ++half)
      bytes += pending[half].record->definition.size();
  }
  if (half == pending.size()) return compileRange(pending, 0, pending.size());
  std::exception_ptr helperFailure;
  std::thread helper([&] {
    try {
      compileRange(pending, half, pending.size());
    } catch (...) {
      helperFailure = std::current_exception();
    }
  });
  try {
    compileRange(pending, 0, half);
  } catch (...) {
    helper.join();
    throw;
  }
  helper.join();
  if (helperFailure) std::rethrow_exception(helperFailure);
}

}  // namespace

CompiledSource compileShapeSource(std::string_view text) {
  CompiledSource result;
  CompiledFont& font = result.font;
  const std::vector<Record> records = recordsOf(text);
  // Header records in order, as they change the kind the shapes after them compile with.
  std::vector<PendingShape> pending;
  std::vector<std::pair<size_t, SourceProblem>> problems;  // by the shapes pending before them
  size_t definitionBytes = 0;
  for (const Record& record : records) {
    std::optional<int32_t> code;
    try {
      if (record.header.starts_with("*BIGFONT")) {
        font.kind = CompiledKind::bigfont;
        readBigfontLine(record.header, font);
        continue;
      }
      const Header fields = fieldsOf(record.header);
      if (fields.number == "UNIFONT") {
        font.kind = CompiledKind::unifont;
        takeFontHeader(font, fields.name, record);
        continue;
      }
      code = numberOf(fields.number);
      if (!code || *code < 0 || *code > 0xFFFF) {
        throw RecordFault(
            inReaderLanguage("“" + std::string(fields.number) + "”不是形编号",
                             "\"" + std::string(fields.number) + "\" is not a shape number"));
      }
      if (*code == 0 && font.kind != CompiledKind::unifont) {
        takeFontHeader(font, fields.name, record);
        continue;
      }
      PendingShape& shape = pending.emplace_back(PendingShape{&record, font.kind, {}, {}});
      shape.shape.code = static_cast<uint16_t>(*code);
      shape.shape.name = fields.name;
      definitionBytes += record.definition.size();
    } catch (const RecordFault& fault) {
      problems.emplace_back(
          pending.size(),
          SourceProblem{record.line, static_cast<uint16_t>(code.value_or(0)), fault.what()});
    }
  }
  compileAll(pending, definitionBytes);
  // Shapes and problems in the order of their records.
  size_t nextProblem = 0;
  for (size_t i = 0; i <= pending.size(); ++i) {
    for (; nextProblem < problems.size() && problems[nextProblem].first == i; ++nextProblem)
      result.problems.push_back(std::move(problems[nextProblem].second));
    if (i == pending.size()) break;
    PendingShape& shape = pending[i];
    if (shape.fault) {
      result.problems.push_back({shape.record->line, shape.shape.code, std::move(*shape.fault)});
    } else {
      font.shapes.push_back(std::move(shape.shape));
    }
  }
  return result;
}

#include <algorithm>
#include <optional>

#include "shx/shx_file.h"

namespace {

class ByteSink {
 public:
  explicit ByteSink(std::string& out) : out_(out) {}
  void text(std::string_view s) { out_.append(s); }
  void u8(unsigned v) { out_ += static_cast<char>(v & 0xFF); }
  void u16(unsigned v) {
    u8(v);
    u8(v >> 8);
  }
  void u32(uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  }

 private:
  std::string& out_;
};

// Why each shape of the font cannot be written, or nothing for one that can.
std::vector<std::optional<LeftOutShape::Reason>> verdicts(const CompiledFont& font) {
  std::vector<std::optional<LeftOutShape::Reason>> verdicts;
  verdicts.reserve(font.shapes.size());
  std::vector<bool> seen(65536, false);
  // Number 0 of a shapes file or bigfont is read as the font header, with or without one.
  const bool headerIsShapeZero = font.kind != CompiledKind::unifont;
  for (const CompiledShape& shape : font.shapes) {
    std::optional<LeftOutShape::Reason> verdict;
    if (headerIsShapeZero && shape.code == 0) {
      verdict = LeftOutShape::headerCode;
    } else if (seen[shape.code]) {
      verdict = LeftOutShape::duplicateCode;
    } else if (shape.bytes.size() > maxCompiledShapeBytes) {
      verdict = LeftOutShape::tooLong;
    }
    seen[shape.code] = true;
    verdicts.push_back(verdict);
  }
  const size_t records =
      std::count(verdicts.begin(), verdicts.end(), std::nullopt) + (font.hasHeader ? 1 : 0);
  if (font.kind != CompiledKind::unifont && records > 0xFFFF) {
    // Every number is written, so 65535 is among them.
    for (size_t i = 0; i < verdicts.size(); ++i) {
      if (!verdicts[i] && font.shapes[i].code == 0xFFFF) verdicts[i] = LeftOutShape::tooMany;
    }
  }
  return verdicts;
}

// The shapes to write, by number.
std::vector<const CompiledShape*> writtenShapes(const CompiledFont& font) {
  const std::vector<std::optional<LeftOutShape::Reason>> verdict = verdicts(font);
  std::vector<const CompiledShape*> shapes;
  shapes.reserve(font.shapes.size());
  for (size_t i = 0; i < font.shapes.size(); ++i) {
    if (!verdict[i]) shapes.push_back(&font.shapes[i]);
  }
  std::stable_sort(
      shapes.begin(), shapes.end(),
      [](const CompiledShape* a, const CompiledShape* b) { return a->code < b->code; });
  return shapes;
}

// One record of the file: the name and a 0, then the program. A bigfont names a two-byte
// character by its own two bytes, and a single-byte one not at all, as readers of bigfonts
// take that record for the program itself.
struct Record {
  enum Naming : uint8_t { byName, byCode, unnamed };
  uint16_t code;
  std::string_view name;
  std::string_view program;
  Naming naming;

  size_t size() const {
    switch (naming) {
      case byName:
        return name.size() + 1 + program.size();
      case byCode:
        return 3 + program.size();
      default:
        return program.size();
    }
  }
  void appendTo(std::string& out) const {
    if (naming == byName) {
      out.append(name);
      out += '\0';
    } else if (naming == byCode) {
      out += static_cast<char>(code >> 8);
      out += static_cast<char>(code & 0xFF);
      out += '\0';
    }
    out.append(program);
  }
};

// A name holding a 0 is written up to it, or its rest would be read as the program. The index
// tells a record's length in 16 bits, so a name is cut to fit that too, and so is a header's
// program (a shape's is far shorter).
Record namedRecord(uint16_t code, std::string_view name, std::string_view program) {
  constexpr size_t longest = 0xFFFF;
  program = program.substr(0, longest - 1);
  name = name.substr(0, std::min(name.find('\0'), longest - 1 - program.size()));
  return {code, name, program, Record::byName};
}

std::vector<Record> recordsOf(const CompiledFont& font) {
  const std::vector<const CompiledShape*> shapes = writtenShapes(font);
  std::vector<Record> records;
  records.reserve(shapes.size() + 1);
  // A unifont's first record is its font record, even an empty one.
  if (font.hasHeader || font.kind == CompiledKind::unifont) {
    records.push_back(namedRecord(0, font.headerName, font.headerBytes));
  }
  for (const CompiledShape* s : shapes) {
    if (font.kind == CompiledKind::bigfont) {
      records.push_back({s->code, {}, s->bytes, s->code < 256 ? Record::unnamed : Record::byCode});
    } else {
      records.push_back(namedRecord(s->code, s->name, s->bytes));
    }
  }
  return records;
}

size_t recordBytes(const std::vector<Record>& records) {
  size_t total = 0;
  for (const Record& r : records) total += r.size();
  return total;
}

const char signatureEnd[] = "\r\n\x1a";

std::string shapesFile(const std::vector<Record>& records) {
  std::string out;
  out.reserve(64 + 4 * records.size() + recordBytes(records));
  ByteSink sink(out);
  sink.text("AutoCAD-86 shapes 1.0");
  sink.text(signatureEnd);
  sink.u16(records.empty() ? 0 : records.front().code);
  sink.u16(records.empty() ? 0 : records.back().code);
  sink.u16(static_cast<unsigned>(records.size()));
  for (const Record& record : records) {
    sink.u16(record.code);
    sink.u16(static_cast<unsigned>(record.size()));
  }
  for (const Record& record : records) record.appendTo(out);
  sink.text("EOF");
  return out;
}

// The font record comes first, without a number.
std::string unifontFile(const std::vector<Record>& records) {
  std::string out;
  out.reserve(64 + 4 * records.size() + recordBytes(records));
  ByteSink sink(out);
  sink.text("AutoCAD-86 unifont 1.0");
  sink.text(signatureEnd);
  sink.u32(static_cast<uint32_t>(records.size()));
  for (size_t i = 0; i < records.size(); ++i) {
    if (i > 0) sink.u16(records[i].code);
    sink.u16(static_cast<unsigned>(records[i].size()));
    records[i].appendTo(out);
  }
  return out;
}

// The index gives every record's place in the file; the records follow it.
std::string bigfontFile(const CompiledFont& font, const std::vector<Record>& records) {
  std::string out;
  out.reserve(64 + 4 * font.escapeRanges.size() + 8 * records.size() + recordBytes(records));
  ByteSink sink(out);
  sink.text("AutoCAD-86 bigfont 1.0");
  sink.text(signatureEnd);
  const size_t ranges = font.escapeRanges.size();
  sink.u16(static_cast<unsigned>(4 + 4 * ranges));  // the header's length from here on
  sink.u16(static_cast<unsigned>(records.size()));
  sink.u16(static_cast<unsigned>(ranges));
  for (const auto& [first, last] : font.escapeRanges) {
    sink.u16(first);
    sink.u16(last);
  }
  uint32_t offset = static_cast<uint32_t>(out.size() + 8 * records.size());
  for (const Record& record : records) {
    sink.u16(record.code);
    sink.u16(static_cast<unsigned>(record.size()));
    sink.u32(offset);
    offset += static_cast<uint32_t>(record.size());
  }
  for (const Record& record : records) record.appendTo(out);
  return out;
}

}  // namespace

std::vector<LeftOutShape> shapesLeftOut(const CompiledFont& font) {
  const std::vector<std::optional<LeftOutShape::Reason>> verdict = verdicts(font);
  std::vector<LeftOutShape> leftOut;
  for (size_t i = 0; i < font.shapes.size(); ++i) {
    if (verdict[i]) leftOut.push_back({font.shapes[i].code, *verdict[i]});
  }
  return leftOut;
}

std::string writeShx(const CompiledFont& font) {
  const std::vector<Record> records = recordsOf(font);
  switch (font.kind) {
    case CompiledKind::unifont:
      return unifontFile(records);
    case CompiledKind::bigfont:
      return bigfontFile(font, records);
    default:
      return shapesFile(records);
  }
}

const char* leftOutReasonText(LeftOutShape::Reason reason) {
  switch (reason) {
    case LeftOutShape::tooLong:
      return "its program is longer than 2000 bytes";
    case LeftOutShape::duplicateCode:
      return "an earlier shape has its number";
    case LeftOutShape::headerCode:
      return "number 0 is the font header";
    case LeftOutShape::tooMany:
      return "the file's index holds no more than 65535 records";
    case LeftOutShape::noUnicode:
      return "its code is no GBK character, so a unifont has no Unicode number for it";
    default:
      return "a move does not fit in a byte";
  }
}

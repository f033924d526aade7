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
  const bool headerIsShapeZero = font.hasHeader && font.kind != CompiledKind::unifont;
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
  std::stable_sort(shapes.begin(), shapes.end(),
                   [](const CompiledShape* a, const CompiledShape* b) { return a->code < b->code; });
  return shapes;
}

// A bigfont names a two-byte character by its two bytes; a single-byte one has no name, as
// readers of bigfonts take its record for the program itself.
std::string bigfontRecord(const CompiledShape& shape) {
  if (shape.code < 256) return shape.bytes;
  std::string record;
  record += static_cast<char>(shape.code >> 8);
  record += static_cast<char>(shape.code & 0xFF);
  record += '\0';
  return record + shape.bytes;
}

// A record is the name up to a 0, then the bytes: a name holding a 0 is written up to it,
// or its rest would be read as the program. The index tells a record's length in 16 bits,
// so a name is cut to fit that too (the bytes of a shape are far shorter; a header's are
// cut as well).
std::string namedRecord(const std::string& name, const std::string& bytes) {
  constexpr size_t longest = 0xFFFF;
  const size_t room = bytes.size() < longest ? longest - 1 - bytes.size() : 0;
  std::string record = name.substr(0, std::min(name.find('\0'), room));
  record += '\0';
  record += bytes;
  if (record.size() > longest) record.resize(longest);
  return record;
}

const char signatureEnd[] = "\r\n\x1a";

std::string shapesFile(const CompiledFont& font, const std::vector<const CompiledShape*>& shapes) {
  std::vector<std::pair<uint16_t, std::string>> records;
  if (font.hasHeader) records.emplace_back(0, namedRecord(font.headerName, font.headerBytes));
  for (const CompiledShape* s : shapes) records.emplace_back(s->code, namedRecord(s->name, s->bytes));
  std::string out;
  ByteSink sink(out);
  sink.text("AutoCAD-86 shapes 1.0");
  sink.text(signatureEnd);
  sink.u16(records.empty() ? 0 : records.front().first);
  sink.u16(records.empty() ? 0 : records.back().first);
  sink.u16(static_cast<unsigned>(records.size()));
  for (const auto& [code, record] : records) {
    sink.u16(code);
    sink.u16(static_cast<unsigned>(record.size()));
  }
  for (const auto& record : records) sink.text(record.second);
  sink.text("EOF");
  return out;
}

std::string unifontFile(const CompiledFont& font, const std::vector<const CompiledShape*>& shapes) {
  const std::string header = namedRecord(font.headerName, font.headerBytes);
  std::string out;
  ByteSink sink(out);
  sink.text("AutoCAD-86 unifont 1.0");
  sink.text(signatureEnd);
  sink.u32(static_cast<uint32_t>(shapes.size() + 1));
  sink.u16(static_cast<unsigned>(header.size()));
  sink.text(header);
  for (const CompiledShape* s : shapes) {
    const std::string record = namedRecord(s->name, s->bytes);
    sink.u16(s->code);
    sink.u16(static_cast<unsigned>(record.size()));
    sink.text(record);
  }
  return out;
}

// The index gives every record's place in the file; the records follow it.
std::string bigfontFile(const CompiledFont& font, const std::vector<const CompiledShape*>& shapes) {
  std::vector<std::pair<uint16_t, std::string>> records;
  if (font.hasHeader) records.emplace_back(0, namedRecord(font.headerName, font.headerBytes));
  for (const CompiledShape* s : shapes) records.emplace_back(s->code, bigfontRecord(*s));
  std::string out;
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
  for (const auto& [code, record] : records) {
    sink.u16(code);
    sink.u16(static_cast<unsigned>(record.size()));
    sink.u32(offset);
    offset += static_cast<uint32_t>(record.size());
  }
  for (const auto& record : records) sink.text(record.second);
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
  const std::vector<const CompiledShape*> shapes = writtenShapes(font);
  switch (font.kind) {
    case CompiledKind::unifont:
      return unifontFile(font, shapes);
    case CompiledKind::bigfont:
      return bigfontFile(font, shapes);
    default:
      return shapesFile(font, shapes);
  }
}

#include <algorithm>

#include "platform/reader_language.h"
#include "shx/shx_file.h"

namespace {

// Reads little-endian numbers; every read past the end is a fault of the file.
class ByteReader {
 public:
  ByteReader(std::string_view bytes, const std::string& source, size_t at)
      : bytes_(bytes), source_(source), at_(at) {}

  uint8_t u8() {
    need(1);
    return static_cast<uint8_t>(bytes_[at_++]);
  }
  uint16_t u16() {
    const uint16_t low = u8();
    return static_cast<uint16_t>(low | u8() << 8);
  }
  uint32_t u32() {
    const uint32_t low = u16();
    return low | static_cast<uint32_t>(u16()) << 16;
  }
  std::string_view take(size_t n) {
    need(n);
    const std::string_view part = bytes_.substr(at_, n);
    at_ += n;
    return part;
  }
  bool has(size_t n) const { return bytes_.size() - at_ >= n; }
  size_t position() const { return at_; }
  [[noreturn]] void fail(const std::string& what) const { throw ShxReadError(source_, what); }

 private:
  void need(size_t n) const {
    if (!has(n))
      fail(inReaderLanguage(
          "文件在索引中的第 " + std::to_string(bytes_.size()) + " 字节处结束",
          "the file ends at byte " + std::to_string(bytes_.size()) + " inside its index"));
  }

  std::string_view bytes_;
  const std::string& source_;
  size_t at_;
};

constexpr std::string_view shapesSignature10 = "AutoCAD-86 shapes 1.0\r\n\x1a";
constexpr std::string_view shapesSignature11 = "AutoCAD-86 shapes 1.1\r\n\x1a";
constexpr std::string_view unifontSignature = "AutoCAD-86 unifont 1.0\r\n\x1a";
constexpr std::string_view bigfontSignature = "AutoCAD-86 bigfont 1.0\r\n\x1a";

// A record is the shape's name up to a 0, then its program.
CompiledShape namedShape(uint16_t code, std::string_view record) {
  CompiledShape shape;
  shape.code = code;
  const size_t end = record.find('\0');
  if (end == std::string_view::npos) {
    shape.bytes = record;
  } else {
    shape.name = record.substr(0, end);
    shape.bytes = record.substr(end + 1);
  }
  return shape;
}

// A shape whose record the file does not hold whole: what a damaged or cut file leaves out.
SourceProblem recordPastEnd(uint16_t code, size_t at, size_t length, size_t fileSize) {
  const std::string lengthText = std::to_string(length), startText = std::to_string(at),
                    sizeText = std::to_string(fileSize);
  return {0, code,
          inReaderLanguage(std::string(code == 0 ? "字体头的" : "") + "记录（第 " + startText +
                               " 字节起 " + lengthText + " 字节）超出文件末尾（文件共 " + sizeText +
                               " 字节）",
                           std::string(code == 0 ? "the font header's" : "its") + " record (" +
                               lengthText + " bytes at byte " + startText +
                               ") runs past the end of the file (" + sizeText + " bytes)")};
}

void takeHeader(CompiledFont& font, const CompiledShape& header) {
  font.hasHeader = true;
  font.headerName = header.name;
  font.headerBytes = header.bytes;
}

void readShapes(ShxContents& read, size_t fileSize, ByteReader& in) {
  CompiledFont& font = read.font;
  font.kind = CompiledKind::shapes;
  in.u16();  // the first and last numbers, which the index tells as well
  in.u16();
  const uint16_t count = in.u16();
  std::vector<std::pair<uint16_t, uint16_t>> index(count);
  for (auto& [code, length] : index) {
    code = in.u16();
    length = in.u16();
  }
  // The records follow one another: from the first one cut, none is in the file.
  size_t at = in.position();
  bool cut = false;
  for (const auto& [code, length] : index) {
    cut = cut || !in.has(length);
    if (cut) {
      read.unreadable.push_back(recordPastEnd(code, at, length, fileSize));
    } else if (code == 0) {
      takeHeader(font, namedShape(code, in.take(length)));
    } else {
      font.shapes.push_back(namedShape(code, in.take(length)));
    }
    at += length;
  }
}

// A unifont counts its records, the font record among them, and each names its own shape: a
// file that ends early leaves out the one it cuts and, unnamed, those it counts after it.
void readUnifont(ShxContents& read, size_t fileSize, ByteReader& in) {
  CompiledFont& font = read.font;
  font.kind = CompiledKind::unifont;
  const uint32_t count = in.u32();
  takeHeader(font, namedShape(0, in.take(in.u16())));
  uint32_t records = 1;
  while (records < count && in.has(4)) {
    const uint16_t code = in.u16();
    const uint16_t length = in.u16();
    ++records;
    if (!in.has(length)) {
      read.unreadable.push_back(recordPastEnd(code, in.position(), length, fileSize));
      break;
    }
    font.shapes.push_back(namedShape(code, in.take(length)));
  }
  if (records < count) {
    const std::string missing = std::to_string(count - records), end = std::to_string(fileSize);
    read.unreadable.push_back(
        {0, 0,
         inReaderLanguage(
             "文件在第 " + end + " 字节处结束，其后还应有 " + missing + " 个形",
             "the file ends at byte " + end + ", before " + missing + " more shapes it counts"),
         count - records});
  }
}

// A two-byte character's record may begin with its own two bytes and a 0, its name.
CompiledShape bigfontShape(uint16_t code, std::string_view record) {
  CompiledShape shape;
  shape.code = code;
  const char high = static_cast<char>(code >> 8), low = static_cast<char>(code & 0xFF);
  if (code >= 256 && record.size() >= 2 && record[0] == high && record[1] == low) {
    shape.name = record.substr(0, 2);
    record.remove_prefix(record.size() > 2 && record[2] == '\0' ? 3 : 2);
  }
  shape.bytes = record;
  return shape;
}

void readBigfont(ShxContents& read, std::string_view bytes, ByteReader& in) {
  CompiledFont& font = read.font;
  font.kind = CompiledKind::bigfont;
  in.u16();  // the header's length
  const uint16_t count = in.u16();
  const uint16_t ranges = in.u16();
  for (uint16_t i = 0; i < ranges; ++i) {
    const uint16_t first = in.u16();
    font.escapeRanges.emplace_back(first, in.u16());
  }
  for (uint16_t i = 0; i < count; ++i) {
    const uint16_t code = in.u16();
    const uint16_t length = in.u16();
    const uint32_t offset = in.u32();
    if (code == 0 && length == 0 && offset == 0) continue;  // an unused entry
    if (offset > bytes.size() || bytes.size() - offset < length) {
      read.unreadable.push_back(recordPastEnd(code, offset, length, bytes.size()));
      continue;
    }
    const std::string_view record = bytes.substr(offset, length);
    if (code == 0) {
      takeHeader(font, namedShape(0, record));
    } else {
      font.shapes.push_back(bigfontShape(code, record));
    }
  }
}

}  // namespace

bool isShx(std::string_view bytes) { return bytes.starts_with("AutoCAD-86 "); }

ShxContents readShx(std::string_view bytes, const std::string& sourceName) {
  ShxContents read;
  if (bytes.starts_with(shapesSignature10) || bytes.starts_with(shapesSignature11)) {
    ByteReader in(bytes, sourceName, shapesSignature10.size());
    readShapes(read, bytes.size(), in);
  } else if (bytes.starts_with(unifontSignature)) {
    ByteReader in(bytes, sourceName, unifontSignature.size());
    readUnifont(read, bytes.size(), in);
  } else if (bytes.starts_with(bigfontSignature)) {
    ByteReader in(bytes, sourceName, bigfontSignature.size());
    readBigfont(read, bytes, in);
  } else {
    throw ShxReadError(sourceName,
                       inReaderLanguage("不是本程序能读的编译形文件",
                                        "not a compiled shape file of a kind this program reads"));
  }
  return read;
}

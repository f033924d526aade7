#include <cstring>
#include <exception>
#include <functional>
#include <thread>

#include "platform/text_lines.h"
#include "shapefile/read_error.h"
#include "shapefile/scan_fields.h"
#include "shapefile/shpfile.h"

namespace {

// The commas in text, eight bytes at a time: a byte of the word XOR ",,,,,,,," is zero
// exactly where the text holds a comma.
size_t countCommas(std::string_view text) {
  constexpr uint64_t commas = 0x2C2C2C2C2C2C2C2Cull;
  constexpr uint64_t low7 = 0x7F7F7F7F7F7F7F7Full;
  size_t count = 0;
  size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    const uint64_t x = word ^ commas;
    // The high bit of each byte is set where the byte is not zero; the multiplication adds
    // the eight bits of the zero bytes up in the top byte.
    const uint64_t nonZero = ((x & low7) + low7) | x;
    const uint64_t zeroBits = (~nonZero & ~low7) >> 7;
    count += static_cast<size_t>((zeroBits * 0x0101010101010101ull) >> 56);
  }
  for (; i < text.size(); ++i) count += text[i] == ',';
  return count;
}

}  // namespace

// Reads shape source lines into a GShpFile: the font header, then the shape
// records, each a header line beginning with '*' and as many definition lines as
// its byte count needs. Lines taken by a record are not looked at again.
class ShpReader {
 public:
  // The lines are split from one text: they lie one after the other in it, with only their
  // breaks between them.
  ShpReader(GShpFile& file, const std::vector<std::string_view>& lines, const std::string& source)
      : file_(file), lines_(lines), source_(source) {}

  void read() {
    file_.clearShapes();
    if (lines_.empty()) return;
    try {
      readFontHeader();
      while (next_ < lines_.size()) {
        const size_t at = next_;
        const std::string_view line = take();
        if (line.empty() || line[0] != '*') continue;  // comments, stray text, blank lines
        if (leadingNumber(line.substr(1)) == 0) {
          readLateFontHeader(at);
        } else {
          readShape(at);
        }
      }
    } catch (...) {
      // The shapes before the fault stay read; a fault in one of their definitions, being
      // earlier in the file, is the one reported.
      decodePending();
      throw;
    }
    decodePending();
  }

 private:
  static constexpr size_t maxFontName = 255;

  [[noreturn]] void fail(size_t lineIndex, const std::string& what) const {
    throw ShpReadError(source_, static_cast<int>(lineIndex) + 1, what);
  }

  // The next line of the record that began at recordStart.
  std::string_view take(size_t recordStart) {
    if (next_ >= lines_.size()) {
      fail(recordStart, "the file ends inside this record (List index out of bounds (" +
                            std::to_string(next_) + "))");
    }
    return lines_[next_++];
  }
  std::string_view take() { return take(next_); }
  std::string_view peek(size_t recordStart) {
    const std::string_view line = take(recordStart);
    --next_;
    return line;
  }

  ScannedFields scan(size_t lineIndex, std::string_view pattern, int needed) const {
    ScannedFields fields = scanFields(lines_[lineIndex], pattern);
    if (fields.matched < needed) {
      fail(lineIndex, "the font header misses numbers (\"" + std::string(pattern) + "\" expected)");
    }
    return fields;
  }

  // Takes the next line of the record that began at recordStart and reads its numbers.
  ScannedFields takeFields(size_t recordStart, std::string_view pattern, int needed) {
    const size_t at = next_;
    take(recordStart);
    return scan(at, pattern, needed);
  }

  void takeFontName(size_t lineIndex, const ScannedFields& fields) {
    if (fields.word.size() > maxFontName) {
      fail(lineIndex, "the font name is longer than " + std::to_string(maxFontName) + " bytes");
    }
    file_.fontName_ = fields.word;
  }

  void setMetrics(int32_t above, int32_t below, bool widthIsHeight, int32_t width = 0) {
    file_.above_ = static_cast<uint8_t>(above);
    file_.below_ = static_cast<uint8_t>(below);
    file_.height_ = static_cast<uint8_t>(file_.above_ + file_.below_);
    file_.width_ = widthIsHeight ? file_.height_ : static_cast<uint8_t>(width);
  }

  bool isShapeRecord(std::string_view line) const {
    return !line.empty() && line[0] == '*' && leadingNumber(line.substr(1)) != 0;
  }

  void readFontHeader() {
    const std::string_view first = take();
    if (first.size() < 2) fail(0, "the first line is too short for a font header");
    switch (first[1]) {
      case 'B':
        readBigfontHeader();
        break;
      case 'U':
        readUnifontHeader();
        break;
      case '0':
        readAsciiHeader();
        break;
      default:
        // A file without a font header may begin with its first shape.
        if (isShapeRecord(first)) next_ = 0;
        break;
    }
  }

  void readBigfontHeader() {
    file_.kind_ = GShpFile::kindBigfont;
    file_.characterCount_ = static_cast<uint16_t>(scan(0, "*BIGFONT %d", 1).numbers[0]);
    // Only a line of number 0 is the font's own header line; a shape record or a
    // comment here is left for the records that follow.
    const std::string_view line = peek(0);
    if (line.empty() || line[0] != '*' || isShapeRecord(line)) return;
    const size_t at = next_;
    const ScannedFields header = takeFields(0, "*%d,%d,%s", 2);
    takeFontName(at, header);
    if (header.numbers[1] == 5) {
      const ScannedFields v = takeFields(at, "%d,%d,%d,%d,%d", 5);
      setMetrics(v.numbers[0], v.numbers[1], false, v.numbers[3]);
    } else if (header.numbers[1] == 4) {
      const ScannedFields v = takeFields(at, "%d,%d,%d,%d", 4);
      setMetrics(v.numbers[0], v.numbers[1], true);
    } else {
      take(at);  // the metrics line of a header this reader does not know
    }
  }

  void readUnifontHeader() {
    file_.kind_ = GShpFile::kindUnifont;
    const ScannedFields header = scan(0, "*UNIFONT,%d,%s", 1);
    takeFontName(0, header);
    if (header.numbers[0] != 6) return;
    const ScannedFields v = takeFields(0, "%d,%d,%d,%d,%d,%d", 6);
    setMetrics(v.numbers[0], v.numbers[1], true);
  }

  void readAsciiHeader() {
    file_.kind_ = GShpFile::kindAscii;
    const ScannedFields header = scan(0, "*%d,%d,%s", 2);
    takeFontName(0, header);
    if (header.numbers[1] != 4) return;
    const ScannedFields v = takeFields(0, "%d,%d,%d,%d", 4);
    setMetrics(v.numbers[0], v.numbers[1], true);
  }

  // A header line of number 0 after the first line (say, below a comment) still
  // gives the metrics, but neither the kind nor the font name.
  void readLateFontHeader(size_t at) {
    const ScannedFields v = takeFields(at, "%d,%d", 2);
    setMetrics(v.numbers[0], v.numbers[1], true);
  }

  void parse(GShape& shape, std::string_view text, size_t lineIndex) const {
    try {
      shape.parseLine(text);
    } catch (const std::exception& e) {
      fail(lineIndex, std::string("cannot read the shape: ") + e.what());
    }
  }

  void readShape(size_t at) {
    auto shape = std::make_unique<GShape>();
    shape->reset(file_.width_);
    shape->setDirection(file_.direction_);
    parse(*shape, lines_[at], at);

    // Items are counted as the lines come, so a definition spread over many
    // lines is gathered in linear time.
    const auto wanted = static_cast<uint16_t>(shape->byteCount());
    const size_t firstLine = next_;
    size_t commas = 0;
    bool anyText = false;
    char firstByte = 0, lastByte = 0;  // of the text taken so far
    auto items = [&] { return commas + (anyText && lastByte != ',' ? 1 : 0); };
    while (items() < wanted) {
      const std::string_view line = take(at);
      commas += countCommas(line);
      if (!line.empty()) {
        if (!anyText) firstByte = line.front();
        anyText = true;
        lastByte = line.back();
      }
    }
    if (!anyText) {
      fail(at, "shape " + std::to_string(shape->code()) + " has no definition (byte count " +
                   std::to_string(shape->byteCount()) + ")");
    }
    // A text starting with '*' reads as a header line, as parseLine has it.
    if (firstByte != '*') {
      // The lines lie one after the other in the file's bytes: the definition is read in
      // place, from the first line's start to the last one's end.
      const char* begin = lines_[firstLine].data();
      const std::string_view lastLine = lines_[next_ - 1];
      const auto length = static_cast<size_t>(lastLine.data() + lastLine.size() - begin);
      pending_.push_back({shape.get(), std::string_view(begin, length), at});
      pendingBytes_ += length;
    } else {
      definition_.clear();
      for (size_t i = firstLine; i < next_; ++i) definition_ += lines_[i];
      parse(*shape, definition_, at);
    }
    file_.addShape(std::move(shape));
  }

  // Definitions read in place are decoded once the records are all taken, on two threads
  // when there is enough of them to be worth it: decoding is nearly all of the reading.
  struct PendingDefinition {
    GShape* shape;
    std::string_view text;
    size_t line;
  };
  struct Failure {
    size_t index = SIZE_MAX;  // of the first pending definition that could not be read
    std::string what;
  };
  static constexpr size_t bytesWorthASecondThread = size_t{1} << 20;

  static void decodeRange(const std::vector<PendingDefinition>& pending, size_t begin, size_t end,
                          Failure& failure) {
    for (size_t i = begin; i < end; ++i) {
      try {
        pending[i].shape->parseDefinitionLines(pending[i].text);
      } catch (const std::exception& e) {
        failure = {i, e.what()};
        return;
      }
    }
  }

  void decodePending() {
    std::vector<PendingDefinition> pending;
    pending.swap(pending_);
    Failure first, second;
    size_t half = pending.size();
    if (pendingBytes_ >= bytesWorthASecondThread && std::thread::hardware_concurrency() > 1) {
      size_t bytes = 0;
      for (half = 0; half < pending.size() && bytes < pendingBytes_ / 2; ++half) {
        bytes += pending[half].text.size();
      }
    }
    if (half < pending.size()) {
      std::thread helper(decodeRange, std::cref(pending), half, pending.size(), std::ref(second));
      decodeRange(pending, 0, half, first);
      helper.join();
    } else {
      decodeRange(pending, 0, pending.size(), first);
    }
    const Failure& failure = first.index != SIZE_MAX ? first : second;
    if (failure.index == SIZE_MAX) return;
    // As when reading stops at the fault: the shapes from the faulty one on are not kept.
    file_.takeShapesFrom(file_.indexOf(pending[failure.index].shape));
    fail(pending[failure.index].line, "cannot read the shape: " + failure.what);
  }

  GShpFile& file_;
  const std::vector<std::string_view>& lines_;
  const std::string& source_;
  size_t next_ = 0;
  std::string definition_;  // the lines of a definition read as a header line, joined
  std::vector<PendingDefinition> pending_;
  size_t pendingBytes_ = 0;
};

void GShpFile::loadBytes(std::string_view bytes, const std::string& sourceName) {
  if (bytes.size() > maxFileBytes) {
    throw FileError(sourceName, "the file is larger than a shape file can be (over " +
                                    std::to_string(maxFileBytes / (1024 * 1024)) + " MB)");
  }
  ShpReader(*this, splitLineViews(bytes), sourceName).read();
}

void GShpFile::load(const std::string& path) {
  loadBytes(readFileBytes(path, maxFileBytes + 1), path);
}

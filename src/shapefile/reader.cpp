#include <algorithm>
#include <exception>

#include "platform/text_lines.h"
#include "shapefile/read_error.h"
#include "shapefile/scan_fields.h"
#include "shapefile/shpfile.h"

// Reads shape source lines into a GShpFile: the font header, then the shape
// records, each a header line beginning with '*' and as many definition lines as
// its byte count needs. Lines taken by a record are not looked at again.
class ShpReader {
 public:
  ShpReader(GShpFile& file, const std::vector<std::string>& lines, const std::string& source)
      : file_(file), lines_(lines), source_(source) {}

  void read() {
    file_.clearShapes();
    if (lines_.empty()) return;
    readFontHeader();
    while (next_ < lines_.size()) {
      const size_t at = next_;
      const std::string& line = take();
      if (line.empty() || line[0] != '*') continue;  // comments, stray text, blank lines
      if (leadingNumber(std::string_view(line).substr(1)) == 0) {
        readLateFontHeader(at);
      } else {
        readShape(at);
      }
    }
  }

 private:
  static constexpr size_t maxFontName = 255;

  [[noreturn]] void fail(size_t lineIndex, const std::string& what) const {
    throw ShpReadError(source_, static_cast<int>(lineIndex) + 1, what);
  }

  // The next line of the record that began at recordStart.
  const std::string& take(size_t recordStart) {
    if (next_ >= lines_.size()) {
      fail(recordStart, "the file ends inside this record (List index out of bounds (" +
                            std::to_string(next_) + "))");
    }
    return lines_[next_++];
  }
  const std::string& take() { return take(next_); }
  const std::string& peek(size_t recordStart) {
    const std::string& line = take(recordStart);
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

  bool isShapeRecord(const std::string& line) const {
    return !line.empty() && line[0] == '*' && leadingNumber(std::string_view(line).substr(1)) != 0;
  }

  void readFontHeader() {
    const std::string& first = take();
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
    const std::string& line = peek(0);
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

  void parse(GShape& shape, const std::string& text, size_t lineIndex) const {
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
    std::string text;
    size_t commas = 0;
    auto items = [&] { return commas + (!text.empty() && text.back() != ',' ? 1 : 0); };
    while (items() < wanted) {
      const std::string& line = take(at);
      text += line;
      commas += static_cast<size_t>(std::count(line.begin(), line.end(), ','));
    }
    if (text.empty()) {
      fail(at, "shape " + std::to_string(shape->code()) + " has no definition (byte count " +
                   std::to_string(shape->byteCount()) + ")");
    }
    parse(*shape, text, at);
    file_.addShape(std::move(shape));
  }

  GShpFile& file_;
  const std::vector<std::string>& lines_;
  const std::string& source_;
  size_t next_ = 0;
};

void GShpFile::loadLines(const std::vector<std::string>& lines, const std::string& sourceName) {
  ShpReader(*this, lines, sourceName).read();
}

void GShpFile::loadBytes(std::string_view bytes, const std::string& sourceName) {
  loadLines(splitLines(bytes), sourceName);
}

void GShpFile::load(const std::string& path) { loadBytes(readFileBytes(path), path); }

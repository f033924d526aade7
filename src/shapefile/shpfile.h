#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/shape.h"
#include "platform/local_date.h"

// One shape source file in memory: font kind, header values, font name and the
// characters in file order. The file owns its shapes.
class GShpFile {
 public:
  enum FontKind : uint8_t { kindNone = 0, kindAscii = 1, kindUnifont = 2, kindBigfont = 3 };

  GShpFile();
  GShpFile(uint8_t above, uint8_t below);
  GShpFile(const GShpFile&) = delete;
  GShpFile& operator=(const GShpFile&) = delete;
  virtual ~GShpFile();

  uint8_t kind() const;
  uint8_t above() const;
  uint8_t below() const;
  uint8_t width() const;
  uint8_t height() const;
  uint16_t characterCount() const;
  uint8_t direction() const;
  uint8_t gridIndex() const;
  const std::string& fontName() const;

  bool setKind(uint8_t k);
  void setFontName(const std::string& name);
  bool setDirection(uint8_t d);
  // Refused (false) once the file holds shapes.
  bool setAbove(uint8_t v);
  bool setBelow(uint8_t v);
  bool setWidth(uint8_t v);
  bool setGridIndex(uint8_t i);

  int shapeCount() const;
  // The file takes the shape with the code it has; a shape's code must not change while
  // the file holds it.
  void addShape(std::unique_ptr<GShape> s);
  void removeShape(GShape* s);
  // Takes the shape at a list index out of the file (null for a bad index), or every shape
  // from an index on; the counterparts put them back. Undo uses these.
  std::unique_ptr<GShape> takeShapeAt(int index);
  void insertShapeAt(int index, std::unique_ptr<GShape> s);
  std::vector<std::unique_ptr<GShape>> takeShapesFrom(int index);
  void appendShapes(std::vector<std::unique_ptr<GShape>> shapes);
  // The count a BIGFONT header announces grows with the shapes; undoing an add puts the
  // count from before it back.
  void setCharacterCount(uint16_t count);
  // The first shape with the code in list order.
  GShape* findShape(uint16_t code);
  bool hasShape(uint16_t code) const;
  // The code of a list text (first byte, plus the second when the first is >= 0x80).
  GShape* findShapeByText(const std::string& text);
  GShape* first();
  GShape* next();
  // The shape at a list index, or null; does not move the cursor.
  const GShape* shapeAtIndex(int index) const;
  GShape* shapeAtIndex(int index);
  // Every shape in code order; shapes with the same code keep their file order.
  std::vector<const GShape*> shapesInCodeOrder() const;
  // The list index of s, -1 when the file does not hold it.
  int indexOf(const GShape* s) const;
  // Replaces the lines by the list text of every shape; untouched without a list.
  void fillList(std::vector<std::string>& lines) const;
  // Drops the repeated points of every shape; the shapes that lost any.
  std::vector<GShape*> removeAllRepeats();

  // The largest file read; a font of every GB2312 character takes a few MB.
  static constexpr size_t maxFileBytes = size_t{64} * 1024 * 1024;

  // Throw std::runtime_error subclasses naming the file (and the line when reading).
  void load(const std::string& path);
  // Reads the bytes of a whole shape file, as load does with the file's content; sourceName
  // names it in errors.
  void loadBytes(std::string_view bytes, const std::string& sourceName);
  // Writes with today's date in the font header.
  void save(const std::string& path) const;
  void save(const std::string& path, const LocalDate& date) const;
  // The bytes save writes: the font header, then every shape, lines ended by CR LF.
  std::string encode(const LocalDate& date) const;
  // The font header lines alone, as encode begins.
  std::string encodeHeader(const LocalDate& date) const;

  // The escape bytes a BIGFONT header names: the first bytes of its two-byte characters.
  static constexpr int bigfontEscapeFirst = 161;
  static constexpr int bigfontEscapeLast = 256;
  // The lead bytes (0x80 and above) of a BIGFONT's two-byte codes as one range of real bytes:
  // from the lowest in use (0xA1 at most) to the highest (0xFE at least). CAD reads a byte outside every
  // declared range as a character of its own, so a code whose lead byte is left out is never
  // drawn.
  std::pair<int, int> leadByteRange() const;

 private:
  friend class ShpReader;
  using ShapeList = std::vector<std::unique_ptr<GShape>>;
  ShapeList& list();
  GShape* shapeAt(int index) const;
  void clearShapes();
  // Counts the shape in (+1) or out (-1) of the shapes per code.
  void countCode(const GShape& s, int change);

  std::unique_ptr<ShapeList> shapes_;
  std::vector<uint32_t> shapesPerCode_;  // by code; empty while no shape was added
  uint16_t characterCount_ = 0;
  uint8_t above_ = 32;
  uint8_t below_ = 16;
  uint8_t width_ = 48;
  uint8_t height_ = 48;
  int32_t cursor_ = 0;
  uint8_t kind_ = kindNone;
  uint8_t direction_ = 0;
  uint8_t gridIndex_ = 0;
  std::string fontName_;
};

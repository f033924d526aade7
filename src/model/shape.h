#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/point.h"
#include "model/point_store.h"

// One character of a shape font: its code, its advance and the ordered path of
// points it owns. Point pointers stay valid while other points come and go.
class GShape {
 public:
  GShape();
  GShape(const GShape&) = delete;
  GShape& operator=(const GShape&) = delete;
  virtual ~GShape();

  uint16_t code() const;
  void setCode(uint16_t c);
  int16_t byteCount() const;
  uint16_t width() const;
  uint8_t direction() const;
  void setDirection(uint8_t d);
  int pointCount() const;
  // Whether the point list exists; a shape that never had one writes no text.
  bool hasList() const;

  // width := w and the path becomes empty; the next `points` points take no allocation.
  void reset(uint16_t width, size_t points = 0);
  // A text starting with '*' is a shape header line, any other a definition text.
  // Throws std::out_of_range for an empty text and std::length_error for a definition of
  // more than maxDefinitionItems items.
  void parseLine(std::string_view text);
  // A definition text taken whole from the lines of a file: its line breaks are not part of
  // it, so it reads as the lines joined would. Same errors as parseLine.
  void parseDefinitionLines(std::string_view text);
  // Appends the header line and the definition lines.
  void writeTo(std::vector<std::string>& lines) const;
  // Appends the same lines to text, each ended by CR LF.
  void appendText(std::string& text) const;

  // Appends the definition as compiled shape bytes, one byte for each item its text holds
  // (nothing when the shape has no list). False when an item does not fit in a signed byte.
  bool appendProgramBytes(std::string& bytes) const;
  // The name field of the header line: "041" for 'A', "0b0a1" for 0xB0A1.
  std::string nameField() const;

  static constexpr size_t maxDefinitionItems = 1'000'000;
  // The character as the character list shows it: one byte below 128, else two.
  std::string listText() const;
  // The code whose list text `text` is; none for a text no code has.
  static std::optional<uint16_t> codeOfListText(std::string_view text);

  // The path for reading, in order, as const points; reading moves no cursor, so any number
  // of readers may walk it at once.
  class PointRange {
   public:
    class iterator {
     public:
      explicit iterator(GPoint* const* at) : at_(at) {}
      const GPoint& operator*() const { return **at_; }
      iterator& operator++() {
        ++at_;
        return *this;
      }
      bool operator!=(const iterator& other) const { return at_ != other.at_; }

     private:
      GPoint* const* at_;
    };
    PointRange(GPoint* const* begin, GPoint* const* end) : begin_(begin), end_(end) {}
    iterator begin() const { return iterator(begin_); }
    iterator end() const { return iterator(end_); }

   private:
    GPoint* const* begin_;
    GPoint* const* end_;
  };
  PointRange points() const { return {path_.data(), path_.data() + path_.size()}; }

  // Iteration over the path with one shared cursor, for editing; null for none.
  GPoint* first();
  GPoint* next();
  GPoint* last();
  GPoint* previous();
  // The point at a path index, or null; does not move the cursor.
  const GPoint* pointAtIndex(int index) const;
  // Whether p is one of this shape's points (compares addresses only).
  bool contains(const GPoint* p) const;

  void appendPoint(const GPoint& p);
  void addPoint(int32_t x, int32_t y, uint8_t isVirtual);
  // p goes in front of ref (at the front when ref is not in the path).
  // Nothing happens (p is discarded) when p or ref is null or there is no list.
  void insertBefore(std::unique_ptr<GPoint> p, const GPoint* ref);
  // p goes right after ref (at the end when ref is not in the path); same null rules.
  void insertAfter(std::unique_ptr<GPoint> p, const GPoint* ref);
  void insertAfterSelected(const GPoint& p);
  // Removes and destroys q; returns whether points remain.
  bool deletePoint(GPoint* q);
  bool deleteSelected();
  bool deleteAll();
  void clearSelection();
  void selectAll();
  void invertSelection();
  void selectStroke(const GPoint* q);
  void selectInRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  bool hasPointAt(int32_t x, int32_t y) const;
  GPoint* pointAt(int32_t x, int32_t y);
  // Drops every point standing where the point before it stands; true when any was dropped.
  bool removeRepeats();
  GShape& copyFrom(const GShape& other);

 private:
  int indexOf(const GPoint* p) const;
  void makeList();
  void insertAt(size_t at, const GPoint& p);
  void removeAt(size_t at);
  void parseHeader(std::string_view line);
  void parseDefinition(std::string_view text, bool acrossLines);
  template <typename Writer>
  void encodePath(Writer& out) const;
  // The definition text, written into buffer, and the number of items it holds.
  std::string_view encodeDefinition(std::string& buffer, int& items) const;

  uint16_t code_ = 0;
  int16_t byteCount_ = 0;
  uint16_t width_ = 0;
  int32_t cursor_ = 0;
  bool hasList_ = false;
  uint8_t direction_ = 0;
  std::vector<GPoint*> path_;
  PointStore store_;
};

#pragma once

#include <cstdint>

// 32-bit arithmetic that wraps instead of overflowing, as the shape text's
// displacements accumulate.
inline int32_t wrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t wrappingSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

// One point of a character's path, in grid units (y up, origin on the baseline).
// A virtual point is reached with the pen lifted; the segment to a real point is drawn.
struct GPoint {
  int32_t x, y;
  uint8_t isVirtual, selected;

  GPoint() : x(0), y(0), isVirtual(0), selected(0) {}
  GPoint(int32_t x, int32_t y, uint8_t isVirtual) : x(x), y(y), isVirtual(isVirtual), selected(0) {}
  GPoint(const GPoint&) = default;
  GPoint& operator=(const GPoint&) = default;
  virtual ~GPoint() = default;

  // (to - from), carrying to's pen state; coordinates wrap like 32-bit machine integers.
  static GPoint delta(const GPoint& to, const GPoint& from) {
    return GPoint(wrappingSub(to.x, from.x), wrappingSub(to.y, from.y), to.isVirtual);
  }
  static bool differs(const GPoint& a, const GPoint& b);
  static bool samePlace(const GPoint& a, const GPoint& b);

  // Copies place and pen, keeps the selection.
  void assign(const GPoint& src);
  void setVirtual();
  void setReal();
  void select();
  void deselect();
  bool isSelected() const;
  void translate(const GPoint& offset);
};


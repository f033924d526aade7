#pragma once

// The raster stages of the centre-line tracing: the glyph's ink, cleaned of specks and
// pinholes, its distances to the blank, and its one-pixel-wide skeleton.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "drafting/centre_line.h"
#include "drafting/geometry.h"

// The eight neighbours in turn around a pixel, starting above it and going clockwise (rows
// grow downwards).
constexpr std::array<int, 8> kDx = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr std::array<int, 8> kDy = {-1, -1, 0, 1, 1, 1, 0, -1};

// A binary image with a blank frame of one pixel around it, so that the neighbours of any
// pixel of the image can be read without bounds checks.
class Mask {
 public:
  Mask(int width, int height)
      : width_(width), height_(height), bits_(static_cast<size_t>(width + 2) * (height + 2), 0) {}
  int width() const { return width_; }
  int height() const { return height_; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // (x, y) inside the image or on its frame.
  uint8_t at(int x, int y) const { return bits_[index(x, y)]; }
  void set(int x, int y, uint8_t v) { bits_[index(x, y)] = v; }
  size_t index(int x, int y) const {
    return static_cast<size_t>(y + 1) * (width_ + 2) + static_cast<size_t>(x + 1);
  }
  size_t size() const { return bits_.size(); }
  // The image without its frame, row by row.
  std::vector<uint8_t> image() const {
    std::vector<uint8_t> out(static_cast<size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) out[static_cast<size_t>(y) * width_ + x] = at(x, y);
    return out;
  }

  // By index, as index() gives it.
  uint8_t atIndex(size_t i) const { return bits_[i]; }
  void setIndex(size_t i, uint8_t v) { bits_[i] = v; }
  ptrdiff_t stride() const { return width_ + 2; }

  // The neighbours set, as bits 0 to 7 in kDx order.
  unsigned ring(int x, int y) const { return ringAt(index(x, y)); }
  unsigned ringAt(size_t i) const {
    const uint8_t* row = &bits_[i];
    const ptrdiff_t stride = width_ + 2;
    return (row[-stride] != 0) | (row[-stride + 1] != 0) << 1 | (row[1] != 0) << 2 |
           (row[stride + 1] != 0) << 3 | (row[stride] != 0) << 4 | (row[stride - 1] != 0) << 5 |
           (row[-1] != 0) << 6 | (row[-stride - 1] != 0) << 7;
  }

 private:
  int width_, height_;
  std::vector<uint8_t> bits_;
};

inline int neighbourCount(unsigned ring) { return std::popcount(ring); }

// The skeleton; the ink it was thinned from and its squared distances to the nearest blank
// pixel when asked for.
Mask skeletonMask(const Bitmap& bitmap, double pixelsPerUnit, std::vector<double>* distances,
                  Mask* inkOut = nullptr);

// The pieces of ink no path runs over, each as a dot: a line along its longer side, ending half
// its breadth in from either end and at least a grid unit long, so that it stays a stroke on
// whole units. Thinning leaves little or nothing of a dot.
std::vector<Polyline> dotsMissed(const Mask& ink, const std::vector<Polyline>& paths,
                                 double pixelsPerUnit);

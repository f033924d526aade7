#include "drafting/raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// How many times the ring goes from blank to ink all around.
int crossings(unsigned ring) {
  int n = 0;
  for (int k = 0; k < 8; ++k) n += !((ring >> k) & 1) && ((ring >> ((k + 1) % 8)) & 1);
  return n;
}

// Whether the inked neighbours are all one 8-connected piece.
bool neighboursConnected(unsigned ring) {
  if (ring == 0) return false;
  // Neighbours next to each other around the ring touch; so do two edge neighbours with a
  // corner between them (above and right, say), diagonally.
  std::array<int, 8> piece{};
  for (int k = 0; k < 8; ++k) piece[k] = k;
  const auto find = [&](int k) {
    while (piece[k] != k) k = piece[k];
    return k;
  };
  const auto join = [&](int a, int b) {
    if (((ring >> a) & 1) && ((ring >> b) & 1)) piece[find(a)] = find(b);
  };
  for (int k = 0; k < 8; ++k) join(k, (k + 1) % 8);
  for (int k = 0; k < 8; k += 2) join(k, (k + 2) % 8);
  int pieces = 0;
  for (int k = 0; k < 8; ++k) pieces += ((ring >> k) & 1) && find(k) == k;
  return pieces == 1;
}

// What the thinning asks of a pixel's neighbourhood, worked out once for each of the 256.
struct RingTable {
  std::array<uint8_t, 256> count{}, removable{};  // removable: bit 0 first pass, bit 1 second
  std::array<bool, 256> corner{};                 // a staircase corner that can go
  RingTable() {
    for (unsigned r = 0; r < 256; ++r) {
      count[r] = static_cast<uint8_t>(neighbourCount(r));
      const bool up = r & 1, right = r & 4, down = r & 16, left = r & 64;
      if (count[r] >= 2 && count[r] <= 6 && crossings(r) == 1) {
        if (!((up && right && down) || (right && down && left))) removable[r] |= 1;
        if (!((up && right && left) || (up && down && left))) removable[r] |= 2;
      }
      const bool turns = (up && right) || (right && down) || (down && left) || (left && up);
      corner[r] = turns && count[r] >= 2 && neighboursConnected(r);
    }
  }
};
const RingTable kRings;

// Ink where the coverage, smoothed over 3 by 3 pixels (1 2 1 across, then down), reaches half.
Mask inkOf(const Bitmap& bitmap) {
  const int w = bitmap.width, h = bitmap.height;
  Mask ink(w, h);
  std::vector<int> across(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const uint8_t* row = &bitmap.coverage[static_cast<size_t>(y) * w];
    int* out = &across[static_cast<size_t>(y) * w];
    for (int x = 0; x < w; ++x)
      out[x] = row[std::max(x - 1, 0)] + 2 * row[x] + row[std::min(x + 1, w - 1)];
  }
  for (int y = 0; y < h; ++y) {
    const int* above = &across[static_cast<size_t>(std::max(y - 1, 0)) * w];
    const int* here = &across[static_cast<size_t>(y) * w];
    const int* below = &across[static_cast<size_t>(std::min(y + 1, h - 1)) * w];
    for (int x = 0; x < w; ++x) ink.set(x, y, above[x] + 2 * here[x] + below[x] >= 128 * 16);
  }
  return ink;
}

// Pieces of `value` (4-connected for blank, 8-connected for ink) smaller than `area` pixels
// take the other value: pinholes in the ink close and specks of ink go.
void removeSmallPieces(Mask& mask, uint8_t value, int area) {
  const ptrdiff_t s = mask.stride();
  const std::array<ptrdiff_t, 8> all = {-s, -s + 1, 1, s + 1, s, s - 1, -1, -s - 1};
  const std::array<ptrdiff_t, 4> edges = {-s, 1, s, -1};
  const ptrdiff_t* offsets = value ? all.data() : edges.data();
  const int neighbours = value ? 8 : 4;
  // The frame counts as seen; a blank piece reaching it is the blank around the glyph.
  std::vector<uint8_t> seen(mask.size(), 0);
  for (int x = -1; x <= mask.width(); ++x)
    seen[mask.index(x, -1)] = seen[mask.index(x, mask.height())] = 2;
  for (int y = 0; y < mask.height(); ++y)
    seen[mask.index(-1, y)] = seen[mask.index(mask.width(), y)] = 2;
  std::vector<size_t> piece, stack;
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      const size_t start = mask.index(x, y);
      if (mask.atIndex(start) != value || seen[start]) continue;
      piece.clear();
      stack.assign(1, start);
      seen[start] = 1;
      bool touchesFrame = false;
      int size = 0;
      while (!stack.empty()) {
        const size_t i = stack.back();
        stack.pop_back();
        if (size++ < area) piece.push_back(i);
        for (int k = 0; k < neighbours; ++k) {
          const size_t n = static_cast<size_t>(static_cast<ptrdiff_t>(i) + offsets[k]);
          if (seen[n] == 2) touchesFrame = true;
          if (seen[n] || mask.atIndex(n) != value) continue;
          seen[n] = 1;
          stack.push_back(n);
        }
      }
      // The blank around the glyph is no hole, however small the bitmap.
      if (!value && touchesFrame) continue;
      if (size < area) {
        for (size_t i : piece) mask.setIndex(i, value ? 0 : 1);
      }
    }
  }
}

// Zhang-Suen thinning, then the corner pixels of staircases go, so that every pixel of a line
// has just the two neighbours it runs between.
void thin(Mask& mask) {
  std::vector<size_t> ink, gone;
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x)
      if (mask.at(x, y)) ink.push_back(mask.index(x, y));
  bool changed = true;
  while (changed) {
    changed = false;
    for (int pass = 0; pass < 2; ++pass) {
      gone.clear();
      for (size_t i : ink) {
        if (mask.atIndex(i) && (kRings.removable[mask.ringAt(i)] >> pass & 1)) gone.push_back(i);
      }
      for (size_t i : gone) mask.setIndex(i, 0);
      changed = changed || !gone.empty();
    }
    std::erase_if(ink, [&](size_t i) { return !mask.atIndex(i); });
  }
  for (size_t i : ink)
    if (kRings.corner[mask.ringAt(i)]) mask.setIndex(i, 0);
}

constexpr double kFar = 1e12;

// The squared distance transform of one line of samples f (0 on blank, kFar on ink), in place:
// the lower envelope of the parabolas rooted at every sample.
void squaredDistancesAlong(std::vector<double>& f, int n) {
  std::vector<double> out(n), z(n + 1);
  std::vector<int> v(n);
  int k = 0;
  v[0] = 0;
  z[0] = -kFar;
  z[1] = kFar;
  for (int q = 1; q < n; ++q) {
    double s;
    while (true) {
      s = ((f[q] + q * q) - (f[v[k]] + v[k] * v[k])) / (2.0 * q - 2.0 * v[k]);
      if (s > z[k] || k == 0) break;
      --k;
    }
    if (s <= z[k]) {
      v[0] = q;
      z[0] = -kFar;
      z[1] = kFar;
      k = 0;
      continue;
    }
    ++k;
    v[k] = q;
    z[k] = s;
    z[k + 1] = kFar;
  }
  k = 0;
  for (int q = 0; q < n; ++q) {
    while (z[k + 1] < q) ++k;
    out[q] = (q - v[k]) * (q - v[k]) + f[v[k]];
  }
  f = std::move(out);
}

// Squared distance of every ink pixel to the nearest blank one (Felzenszwalb and Huttenlocher).
std::vector<double> squaredDistances(const Mask& ink) {
  const int w = ink.width(), h = ink.height();
  std::vector<double> d(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) d[static_cast<size_t>(y) * w + x] = ink.at(x, y) ? kFar : 0;
  std::vector<double> line;
  // Outside the bitmap counts as blank: a frame of one blank pixel on each side.
  for (int x = 0; x < w; ++x) {
    line.assign(h + 2, 0);
    for (int y = 0; y < h; ++y) line[y + 1] = d[static_cast<size_t>(y) * w + x];
    squaredDistancesAlong(line, h + 2);
    for (int y = 0; y < h; ++y) d[static_cast<size_t>(y) * w + x] = line[y + 1];
  }
  for (int y = 0; y < h; ++y) {
    line.assign(w + 2, 0);
    for (int x = 0; x < w; ++x) line[x + 1] = d[static_cast<size_t>(y) * w + x];
    squaredDistancesAlong(line, w + 2);
    for (int x = 0; x < w; ++x) d[static_cast<size_t>(y) * w + x] = line[x + 1];
  }
  return d;
}

// The 8-connected pieces of ink: each pixel's piece (-1 for blank) and each piece's box.
struct InkPieces {
  struct Box {
    int left, top, right, bottom;  // pixels, right and bottom outside
  };
  std::vector<int> label;
  std::vector<Box> boxes;
};

InkPieces inkPieces(const Mask& ink) {
  InkPieces pieces;
  std::vector<int>& label = pieces.label;
  label.assign(ink.size(), -1);
  std::vector<std::pair<int, int>> stack;
  for (int y = 0; y < ink.height(); ++y) {
    for (int x = 0; x < ink.width(); ++x) {
      if (!ink.at(x, y) || label[ink.index(x, y)] >= 0) continue;
      const int id = static_cast<int>(pieces.boxes.size());
      InkPieces::Box box{x, y, x + 1, y + 1};
      label[ink.index(x, y)] = id;
      stack = {{x, y}};
      while (!stack.empty()) {
        const auto [px, py] = stack.back();
        stack.pop_back();
        box = {std::min(box.left, px), std::min(box.top, py), std::max(box.right, px + 1),
               std::max(box.bottom, py + 1)};
        for (int k = 0; k < 8; ++k) {
          const int nx = px + kDx[k], ny = py + kDy[k];
          if (!ink.at(nx, ny) || label[ink.index(nx, ny)] >= 0) continue;
          label[ink.index(nx, ny)] = id;
          stack.emplace_back(nx, ny);
        }
      }
      pieces.boxes.push_back(box);
    }
  }
  return pieces;
}

}  // namespace

Mask skeletonMask(const Bitmap& bitmap, double pixelsPerUnit, std::vector<double>* distances,
                  Mask* inkOut) {
  Mask ink = inkOf(bitmap);
  const int unitArea = static_cast<int>(pixelsPerUnit * pixelsPerUnit);
  removeSmallPieces(ink, 0, std::max(4, unitArea / 2));
  removeSmallPieces(ink, 1, std::max(4, unitArea / 2));
  if (distances) *distances = squaredDistances(ink);
  if (inkOut) *inkOut = ink;
  thin(ink);
  return ink;
}

std::vector<Polyline> dotsMissed(const Mask& ink, const std::vector<Polyline>& paths,
                                 double pixelsPerUnit) {
  const InkPieces pieces = inkPieces(ink);
  const std::vector<int>& label = pieces.label;
  const std::vector<InkPieces::Box>& boxes = pieces.boxes;
  std::vector<bool> crossed(boxes.size(), false);
  for (const Polyline& path : paths) {
    for (const PointF& p : path) {
      const int x = static_cast<int>(std::floor(p.x)), y = static_cast<int>(std::floor(p.y));
      if (ink.inside(x, y) && label[ink.index(x, y)] >= 0) crossed[label[ink.index(x, y)]] = true;
    }
  }
  std::vector<Polyline> dots;
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (crossed[i]) continue;
    const InkPieces::Box& b = boxes[i];
    const double w = b.right - b.left, h = b.bottom - b.top;
    const PointF centre{(b.left + b.right) / 2.0, (b.top + b.bottom) / 2.0};
    const double half = std::max(std::max(w, h) - std::min(w, h), pixelsPerUnit) / 2;
    const PointF along = w >= h ? PointF{half, 0} : PointF{0, half};
    dots.push_back({centre - along, centre + along});
  }
  return dots;
}

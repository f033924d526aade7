#include "drafting/centre_line.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <limits>
#include <map>
#include <utility>

namespace {

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

int neighbourCount(unsigned ring) { return std::popcount(ring); }

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

// Squared distance of every ink pixel to the nearest blank one (Felzenszwalb and Huttenlocher).
std::vector<double> squaredDistances(const Mask& ink) {
  const int w = ink.width(), h = ink.height();
  constexpr double kFar = 1e12;
  std::vector<double> d(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) d[static_cast<size_t>(y) * w + x] = ink.at(x, y) ? kFar : 0;
  const auto pass = [](std::vector<double>& f, int n) {
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
  };
  std::vector<double> line;
  // Outside the bitmap counts as blank: a frame of one blank pixel on each side.
  for (int x = 0; x < w; ++x) {
    line.assign(h + 2, 0);
    for (int y = 0; y < h; ++y) line[y + 1] = d[static_cast<size_t>(y) * w + x];
    pass(line, h + 2);
    for (int y = 0; y < h; ++y) d[static_cast<size_t>(y) * w + x] = line[y + 1];
  }
  for (int y = 0; y < h; ++y) {
    line.assign(w + 2, 0);
    for (int x = 0; x < w; ++x) line[x + 1] = d[static_cast<size_t>(y) * w + x];
    pass(line, w + 2);
    for (int x = 0; x < w; ++x) d[static_cast<size_t>(y) * w + x] = line[x + 1];
  }
  return d;
}

struct Pt {
  double x = 0, y = 0;
};
Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
Pt operator*(Pt a, double s) { return {a.x * s, a.y * s}; }
double length(Pt a) { return std::hypot(a.x, a.y); }

double pathLength(const std::vector<Pt>& pts) {
  double sum = 0;
  for (size_t i = 1; i < pts.size(); ++i) sum += length(pts[i] - pts[i - 1]);
  return sum;
}

// The point `distance` along the polyline from its first point (its last when too short).
Pt pointAlong(const std::vector<Pt>& pts, double distance) {
  for (size_t i = 1; i < pts.size(); ++i) {
    const double step = length(pts[i] - pts[i - 1]);
    if (step >= distance && step > 0) return pts[i - 1] + (pts[i] - pts[i - 1]) * (distance / step);
    distance -= step;
  }
  return pts.back();
}

// The skeleton as a graph: nodes where lines end or meet, edges the lines between them.
class SkeletonGraph {
 public:
  SkeletonGraph(const Mask& skeleton, const std::vector<double>& squaredDistance,
                double pixelsPerUnit);
  // Spurs, crossings split in two by the thinning and nodes merely on a line go.
  void tidy();
  // The paths a pen follows, in pixel coordinates: joined at every node to the edge that
  // continues their direction. Closed ones end where they start.
  std::vector<std::vector<Pt>> paths() const;

 private:
  struct Node {
    Pt at;
    double radius = 1;  // half the stroke width there
    bool alive = true;
  };
  struct Edge {
    int a = -1, b = -1;
    std::vector<Pt> inner;  // from beside node a to beside node b
    bool alive = true;
  };
  struct End {
    int edge, side;  // side 0: the edge leaves through its node a
  };

  std::vector<Pt> pointsOf(int edge) const;
  std::vector<Pt> leaving(End end) const;
  double lengthOf(int edge) const { return pathLength(pointsOf(edge)); }
  std::vector<End> endsAt(int node) const;
  bool pruneSpurs();
  bool mergeCrossings();
  bool dissolvePassingNodes();

  double pixelsPerUnit_;
  std::vector<Node> nodes_;
  std::vector<Edge> edges_;
  std::vector<std::vector<Pt>> loops_;  // closed lines without nodes, first point repeated
};

SkeletonGraph::SkeletonGraph(const Mask& skel, const std::vector<double>& sq, double ppu)
    : pixelsPerUnit_(ppu) {
  const int w = skel.width(), h = skel.height();
  const auto radiusAt = [&](int x, int y) { return std::sqrt(sq[static_cast<size_t>(y) * w + x]); };
  // Node pixels: ends and meeting points; pixels running between two neighbours are not.
  std::vector<int> nodeOf(skel.size(), -1);
  const auto isNodePixel = [&](int x, int y) {
    return skel.at(x, y) && kRings.count[skel.ring(x, y)] != 2;
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!isNodePixel(x, y) || nodeOf[skel.index(x, y)] >= 0) continue;
      const int id = static_cast<int>(nodes_.size());
      Node node;
      node.radius = 0;
      std::vector<std::pair<int, int>> stack{{x, y}};
      nodeOf[skel.index(x, y)] = id;
      Pt sum;
      int count = 0;
      while (!stack.empty()) {
        const auto [px, py] = stack.back();
        stack.pop_back();
        sum = sum + Pt{px + 0.5, py + 0.5};
        ++count;
        node.radius = std::max(node.radius, radiusAt(px, py));
        for (int k = 0; k < 8; ++k) {
          const int nx = px + kDx[k], ny = py + kDy[k];
          if (!isNodePixel(nx, ny) || nodeOf[skel.index(nx, ny)] >= 0) continue;
          nodeOf[skel.index(nx, ny)] = id;
          stack.emplace_back(nx, ny);
        }
      }
      node.at = sum * (1.0 / count);
      node.radius = std::max(node.radius, 1.0);
      nodes_.push_back(node);
    }
  }
  std::vector<uint8_t> walked(skel.size(), 0);
  // Follows a line from pixel (x, y), entered from (fromX, fromY), to the node it reaches;
  // -1 when it comes back to where it began (a loop without nodes).
  const auto follow = [&](int x, int y, int fromX, int fromY, std::vector<Pt>& inner) {
    while (true) {
      walked[skel.index(x, y)] = 1;
      inner.push_back({x + 0.5, y + 0.5});
      int nextX = -1, nextY = -1;
      for (int k = 0; k < 8; ++k) {
        const int nx = x + kDx[k], ny = y + kDy[k];
        if (!skel.at(nx, ny) || (nx == fromX && ny == fromY)) continue;
        if (nodeOf[skel.index(nx, ny)] >= 0) return nodeOf[skel.index(nx, ny)];
        if (!walked[skel.index(nx, ny)]) {
          nextX = nx;
          nextY = ny;
        }
      }
      if (nextX < 0) return -1;
      fromX = x;
      fromY = y;
      x = nextX;
      y = nextY;
    }
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int node = nodeOf[skel.index(x, y)];
      if (node < 0) continue;
      for (int k = 0; k < 8; ++k) {
        const int nx = x + kDx[k], ny = y + kDy[k];
        if (!skel.at(nx, ny) || nodeOf[skel.index(nx, ny)] >= 0 || walked[skel.index(nx, ny)])
          continue;
        Edge edge;
        edge.a = node;
        edge.b = follow(nx, ny, x, y, edge.inner);
        if (edge.b < 0) edge.b = node;
        edges_.push_back(std::move(edge));
      }
    }
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!skel.at(x, y) || walked[skel.index(x, y)]) continue;
      std::vector<Pt> loop;
      follow(x, y, -1, -1, loop);
      if (loop.size() < 3) continue;
      loop.push_back(loop.front());
      loops_.push_back(std::move(loop));
    }
  }
}

std::vector<Pt> SkeletonGraph::pointsOf(int edge) const {
  const Edge& e = edges_[edge];
  std::vector<Pt> pts;
  pts.reserve(e.inner.size() + 2);
  pts.push_back(nodes_[e.a].at);
  pts.insert(pts.end(), e.inner.begin(), e.inner.end());
  pts.push_back(nodes_[e.b].at);
  return pts;
}

std::vector<Pt> SkeletonGraph::leaving(End end) const {
  std::vector<Pt> pts = pointsOf(end.edge);
  if (end.side == 1) std::reverse(pts.begin(), pts.end());
  return pts;
}

std::vector<SkeletonGraph::End> SkeletonGraph::endsAt(int node) const {
  std::vector<End> ends;
  for (int i = 0; i < static_cast<int>(edges_.size()); ++i) {
    if (!edges_[i].alive) continue;
    if (edges_[i].a == node) ends.push_back({i, 0});
    if (edges_[i].b == node) ends.push_back({i, 1});
  }
  return ends;
}

// A line from a meeting point to an end no longer than the strokes there are wide is a spur:
// thinning leaves them at corners and at the ends of broad strokes. Shortest first, so that of
// two spurs at one node only the shorter goes when that leaves a plain line.
bool SkeletonGraph::pruneSpurs() {
  std::vector<int> degree(nodes_.size(), 0);
  for (const Edge& e : edges_) {
    if (!e.alive) continue;
    ++degree[e.a];
    ++degree[e.b];
  }
  std::vector<std::pair<double, int>> spurs;
  for (int i = 0; i < static_cast<int>(edges_.size()); ++i) {
    const Edge& e = edges_[i];
    if (!e.alive || e.a == e.b) continue;
    const bool endA = degree[e.a] == 1, endB = degree[e.b] == 1;
    const double len = lengthOf(i);
    if (endA && endB) {
      // A line on its own shorter than a grid unit is a speck.
      if (len < pixelsPerUnit_) spurs.emplace_back(len, i);
    } else if (endA || endB) {
      const double radius = nodes_[endA ? e.b : e.a].radius;
      if (len < 1.6 * radius + 1) spurs.emplace_back(len, i);
    }
  }
  std::sort(spurs.begin(), spurs.end());
  bool changed = false;
  for (const auto& [len, i] : spurs) {
    Edge& e = edges_[i];
    const bool endA = degree[e.a] == 1, endB = degree[e.b] == 1;
    if (!(endA && endB) && degree[endA ? e.b : e.a] < 3) continue;
    e.alive = false;
    --degree[e.a];
    --degree[e.b];
    if (endA) nodes_[e.a].alive = false;
    if (endB) nodes_[e.b].alive = false;
    changed = true;
  }
  return changed;
}

// Thinning splits a crossing of broad strokes into two meeting points joined by a short line:
// they become one again.
bool SkeletonGraph::mergeCrossings() {
  std::vector<int> degree(nodes_.size(), 0);
  for (const Edge& e : edges_) {
    if (!e.alive) continue;
    ++degree[e.a];
    ++degree[e.b];
  }
  bool changed = false;
  for (int i = 0; i < static_cast<int>(edges_.size()); ++i) {
    Edge& e = edges_[i];
    if (!e.alive || e.a == e.b || degree[e.a] < 3 || degree[e.b] < 3) continue;
    const double radius = std::max(nodes_[e.a].radius, nodes_[e.b].radius);
    if (lengthOf(i) >= 1.5 * radius) continue;
    e.alive = false;
    Node& kept = nodes_[e.a];
    Node& merged = nodes_[e.b];
    kept.at = (kept.at + merged.at) * 0.5;
    kept.radius = std::max(kept.radius, merged.radius);
    merged.alive = false;
    const int from = e.b, to = e.a;
    for (Edge& other : edges_) {
      if (!other.alive) continue;
      if (other.a == from) other.a = to;
      if (other.b == from) other.b = to;
    }
    degree[to] += degree[from] - 2;
    degree[from] = 0;
    changed = true;
  }
  // A small loop at one node is a pinhole the smoothing left.
  for (int i = 0; i < static_cast<int>(edges_.size()); ++i) {
    Edge& e = edges_[i];
    if (e.alive && e.a == e.b && lengthOf(i) < 4 * nodes_[e.a].radius) {
      e.alive = false;
      changed = true;
    }
  }
  return changed;
}

// A node with two lines is a point on one line.
bool SkeletonGraph::dissolvePassingNodes() {
  bool changed = false;
  for (int n = 0; n < static_cast<int>(nodes_.size()); ++n) {
    if (!nodes_[n].alive) continue;
    const std::vector<End> ends = endsAt(n);
    if (ends.size() == 0) nodes_[n].alive = false;
    if (ends.size() != 2) continue;
    nodes_[n].alive = false;
    changed = true;
    if (ends[0].edge == ends[1].edge) {
      std::vector<Pt> loop = pointsOf(ends[0].edge);
      loop.back() = loop.front();
      edges_[ends[0].edge].alive = false;
      loops_.push_back(std::move(loop));
      continue;
    }
    // The joined line runs from the far end of the first edge through n to the far end of the
    // second.
    std::vector<Pt> first = leaving(ends[0]), second = leaving(ends[1]);
    Edge joined;
    joined.a = ends[0].side == 0 ? edges_[ends[0].edge].b : edges_[ends[0].edge].a;
    joined.b = ends[1].side == 0 ? edges_[ends[1].edge].b : edges_[ends[1].edge].a;
    std::reverse(first.begin(), first.end());
    joined.inner.assign(first.begin() + 1, first.end());
    joined.inner.insert(joined.inner.end(), second.begin() + 1, second.end() - 1);
    edges_[ends[0].edge].alive = false;
    edges_[ends[1].edge].alive = false;
    edges_.push_back(std::move(joined));
  }
  return changed;
}

void SkeletonGraph::tidy() {
  for (int round = 0; round < 100; ++round) {
    bool changed = pruneSpurs();
    changed = mergeCrossings() || changed;
    changed = dissolvePassingNodes() || changed;
    if (!changed) break;
  }
}

std::vector<std::vector<Pt>> SkeletonGraph::paths() const {
  // At each meeting point, lines pair up with the one most nearly opposite them, so a pen
  // goes straight through; what stays unpaired ends there.
  std::map<std::pair<int, int>, End> partner;
  for (int n = 0; n < static_cast<int>(nodes_.size()); ++n) {
    if (!nodes_[n].alive) continue;
    const std::vector<End> ends = endsAt(n);
    if (ends.size() < 3) continue;
    const double r = nodes_[n].radius;
    std::vector<Pt> directions;
    for (const End& end : ends) {
      // The thinning bends lines towards the meeting point: their direction is taken from a
      // radius away on.
      const std::vector<Pt> pts = leaving(end);
      const double len = pathLength(pts);
      const Pt from = len > 2 * r ? pointAlong(pts, r) : pts.front();
      const Pt to = pointAlong(pts, std::min(len, 4 * r + pixelsPerUnit_));
      const Pt d = to - from;
      const double l = length(d);
      directions.push_back(l > 0 ? d * (1 / l) : Pt{});
    }
    std::vector<std::tuple<double, int, int>> pairs;
    for (size_t i = 0; i < ends.size(); ++i) {
      for (size_t j = i + 1; j < ends.size(); ++j) {
        const double cosine = directions[i].x * directions[j].x + directions[i].y * directions[j].y;
        if (cosine < -0.7) pairs.emplace_back(cosine, static_cast<int>(i), static_cast<int>(j));
      }
    }
    std::sort(pairs.begin(), pairs.end());
    std::vector<bool> paired(ends.size(), false);
    for (const auto& [cosine, i, j] : pairs) {
      if (paired[i] || paired[j]) continue;
      paired[i] = paired[j] = true;
      partner[{ends[i].edge, ends[i].side}] = ends[j];
      partner[{ends[j].edge, ends[j].side}] = ends[i];
    }
  }
  std::vector<std::vector<Pt>> result;
  std::vector<bool> used(edges_.size(), false);
  const auto walk = [&](End start) {
    std::vector<Pt> path{leaving(start).front()};
    End at = start;
    while (true) {
      used[at.edge] = true;
      const std::vector<Pt> pts = leaving(at);
      path.insert(path.end(), pts.begin() + 1, pts.end());
      const auto next = partner.find({at.edge, 1 - at.side});
      if (next == partner.end() || used[next->second.edge]) break;
      at = next->second;
    }
    result.push_back(std::move(path));
  };
  for (int i = 0; i < static_cast<int>(edges_.size()); ++i) {
    if (!edges_[i].alive) continue;
    for (int side = 0; side < 2; ++side) {
      if (!used[i] && !partner.contains({i, side})) walk({i, side});
    }
  }
  // Whatever is left pairs up all round: closed paths through meeting points.
  for (int i = 0; i < static_cast<int>(edges_.size()); ++i) {
    if (edges_[i].alive && !used[i]) walk({i, 0});
  }
  result.insert(result.end(), loops_.begin(), loops_.end());
  return result;
}

// The skeleton; the ink it was thinned from and its distances when asked for.
Mask skeletonMask(const Bitmap& bitmap, double pixelsPerUnit, std::vector<double>* distances,
                  Mask* inkOut = nullptr) {
  Mask ink = inkOf(bitmap);
  const int unitArea = static_cast<int>(pixelsPerUnit * pixelsPerUnit);
  removeSmallPieces(ink, 0, std::max(4, unitArea / 2));
  removeSmallPieces(ink, 1, std::max(4, unitArea / 2));
  if (distances) *distances = squaredDistances(ink);
  if (inkOut) *inkOut = ink;
  thin(ink);
  return ink;
}

// The pieces of ink no path runs over, each as a dot: a line along its longer side, ending half
// its breadth in from either end and at least a grid unit long, so that it stays a stroke on
// whole units. Thinning leaves little or nothing of a dot.
std::vector<std::vector<Pt>> dotsMissed(const Mask& ink, const std::vector<std::vector<Pt>>& paths,
                                        double pixelsPerUnit) {
  std::vector<int> label(ink.size(), -1);
  struct Box {
    int left, top, right, bottom;  // pixels, right and bottom outside
  };
  std::vector<Box> boxes;
  std::vector<std::pair<int, int>> stack;
  for (int y = 0; y < ink.height(); ++y) {
    for (int x = 0; x < ink.width(); ++x) {
      if (!ink.at(x, y) || label[ink.index(x, y)] >= 0) continue;
      const int id = static_cast<int>(boxes.size());
      Box box{x, y, x + 1, y + 1};
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
      boxes.push_back(box);
    }
  }
  std::vector<bool> crossed(boxes.size(), false);
  for (const std::vector<Pt>& path : paths) {
    for (const Pt& p : path) {
      const int x = static_cast<int>(std::floor(p.x)), y = static_cast<int>(std::floor(p.y));
      if (ink.inside(x, y) && label[ink.index(x, y)] >= 0) crossed[label[ink.index(x, y)]] = true;
    }
  }
  std::vector<std::vector<Pt>> dots;
  for (size_t i = 0; i < boxes.size(); ++i) {
    if (crossed[i]) continue;
    const Box& b = boxes[i];
    const double w = b.right - b.left, h = b.bottom - b.top;
    const Pt centre{(b.left + b.right) / 2.0, (b.top + b.bottom) / 2.0};
    const double half = std::max(std::max(w, h) - std::min(w, h), pixelsPerUnit) / 2;
    const Pt along = w >= h ? Pt{half, 0} : Pt{0, half};
    dots.push_back({centre - along, centre + along});
  }
  return dots;
}

double distanceToSegment(GridPointF p, GridPointF a, GridPointF b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

void keepFarthest(const GridStrokeF& line, size_t from, size_t to, double tolerance,
                  std::vector<bool>& keep) {
  if (to <= from + 1) return;
  double farthest = -1;
  size_t at = from;
  for (size_t i = from + 1; i < to; ++i) {
    const double d = distanceToSegment(line[i], line[from], line[to]);
    if (d > farthest) {
      farthest = d;
      at = i;
    }
  }
  if (farthest <= tolerance) return;
  keep[at] = true;
  keepFarthest(line, from, at, tolerance, keep);
  keepFarthest(line, at, to, tolerance, keep);
}

// ---- From paths to pen strokes ----

GridPointF minus(GridPointF a, GridPointF b) { return {a.x - b.x, a.y - b.y}; }
double norm(GridPointF a) { return std::hypot(a.x, a.y); }

// The point `distance` along the polyline from vertex i, forwards (step +1) or backwards
// (step -1); closed polylines wrap around.
GridPointF walkFrom(const GridStrokeF& line, size_t i, double distance, int step, bool closed) {
  const size_t n = closed ? line.size() - 1 : line.size();
  size_t at = i;
  for (size_t taken = 0; taken < n; ++taken) {
    size_t next;
    if (step > 0) {
      if (!closed && at + 1 >= n) return line[at];
      next = (at + 1) % n;
    } else {
      if (!closed && at == 0) return line[at];
      next = (at + n - 1) % n;
    }
    const double len = norm(minus(line[next], line[at]));
    if (len >= distance && len > 0) {
      const double t = distance / len;
      return {line[at].x + (line[next].x - line[at].x) * t,
              line[at].y + (line[next].y - line[at].y) * t};
    }
    distance -= len;
    at = next;
  }
  return line[at];
}

struct Turn {
  GridPointF in, out;  // unit directions
  double cosine = 1;
};

Turn turnAt(const GridStrokeF& line, size_t i, double reach, bool closed) {
  Turn t;
  const GridPointF before = walkFrom(line, i, reach, -1, closed);
  const GridPointF after = walkFrom(line, i, reach, +1, closed);
  t.in = minus(line[i], before);
  t.out = minus(after, line[i]);
  const double a = norm(t.in), b = norm(t.out);
  if (a == 0 || b == 0) return t;
  t.in = {t.in.x / a, t.in.y / a};
  t.out = {t.out.x / b, t.out.y / b};
  t.cosine = t.in.x * t.out.x + t.in.y * t.out.y;
  return t;
}

// Whether a writer turns this corner without lifting the pen: going right, then down (the top
// right corner of 口); in an open line also going down, then right (the bottom of 山's first
// stroke).
bool drawnThrough(const Turn& t, bool closed) {
  if (t.in.x > 0.6 && t.out.y < -0.5) return true;
  return !closed && t.in.y < -0.6 && t.out.x > 0.5;
}

// Starts at the top end, or at the left one when the line lies more across than down.
void orient(GridStrokeF& line) {
  if (line.size() < 2) return;
  const GridPointF a = line.front(), b = line.back();
  const bool across = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
  if (across ? b.x < a.x : b.y > a.y) std::reverse(line.begin(), line.end());
}

double signedArea(const GridStrokeF& ring) {
  double sum = 0;
  for (size_t i = 1; i < ring.size(); ++i)
    sum += ring[i - 1].x * ring[i].y - ring[i].x * ring[i - 1].y;
  return sum / 2;
}

// The corners of a simplified path where a writer going along it would lift the pen: sharp
// ones other than those drawn through. A hook shorter than `hook` stays on the stroke it ends.
std::vector<size_t> cornersToCut(const GridStrokeF& line, bool closed, double reach, double hook) {
  const size_t n = closed ? line.size() - 1 : line.size();
  std::vector<double> along(line.size(), 0);
  for (size_t i = 1; i < line.size(); ++i)
    along[i] = along[i - 1] + norm(minus(line[i], line[i - 1]));
  const double total = along.back();
  std::vector<size_t> cuts;
  std::vector<double> sharpness;
  for (size_t i = closed ? 0 : 1; i + (closed ? 0 : 1) < n; ++i) {
    const Turn t = turnAt(line, i, reach, closed);
    if (t.cosine > 0.4 || drawnThrough(t, closed)) continue;
    if (!closed && (along[i] < hook || total - along[i] < hook)) continue;
    // Of corners closer than the reach, the sharpest.
    if (!cuts.empty() && along[i] - along[cuts.back()] < reach) {
      if (t.cosine < sharpness.back()) {
        cuts.back() = i;
        sharpness.back() = t.cosine;
      }
      continue;
    }
    cuts.push_back(i);
    sharpness.push_back(t.cosine);
  }
  if (closed && cuts.size() > 1 && total - along[cuts.back()] + along[cuts.front()] < reach) {
    if (sharpness.back() < sharpness.front()) cuts.front() = cuts.back();
    cuts.pop_back();
  }
  return cuts;
}

// Cuts a simplified path into the strokes a writer would draw, each oriented as written.
std::vector<GridStrokeF> cutAtCorners(GridStrokeF line, double reach, double hook) {
  const bool closed = line.size() > 3 && norm(minus(line.front(), line.back())) < 1e-9;
  std::vector<size_t> cuts;
  if (closed) {
    // Clockwise from the top left corner, so that the top is drawn rightwards.
    if (signedArea(line) > 0) std::reverse(line.begin(), line.end());
    line.pop_back();
    size_t start = 0;
    for (size_t i = 1; i < line.size(); ++i)
      if (line[i].y - line[i].x > line[start].y - line[start].x) start = i;
    std::rotate(line.begin(), line.begin() + static_cast<long>(start), line.end());
    line.push_back(line.front());
    cuts = cornersToCut(line, true, reach, hook);
  } else {
    // Which corners a writer turns without lifting the pen depends on the way the line is
    // drawn: of the two ways, the one with fewer lifts.
    orient(line);
    cuts = cornersToCut(line, false, reach, hook);
    GridStrokeF reversed(line.rbegin(), line.rend());
    std::vector<size_t> reversedCuts = cornersToCut(reversed, false, reach, hook);
    if (reversedCuts.size() < cuts.size()) {
      line = std::move(reversed);
      cuts = std::move(reversedCuts);
    }
  }
  std::vector<GridStrokeF> pieces;
  if (cuts.empty()) {
    pieces.push_back(std::move(line));
    return pieces;
  }
  const size_t n = closed ? line.size() - 1 : line.size();
  if (closed) {
    for (size_t c = 0; c < cuts.size(); ++c) {
      const size_t from = cuts[c], to = cuts[(c + 1) % cuts.size()];
      GridStrokeF piece;
      for (size_t i = from;; i = (i + 1) % n) {
        piece.push_back(line[i]);
        if (i == to && piece.size() > 1) break;
      }
      orient(piece);
      pieces.push_back(std::move(piece));
    }
    return pieces;
  }
  size_t from = 0;
  cuts.push_back(n - 1);
  for (size_t to : cuts) {
    GridStrokeF piece(line.begin() + static_cast<long>(from),
                      line.begin() + static_cast<long>(to) + 1);
    orient(piece);
    pieces.push_back(std::move(piece));
    from = to;
  }
  return pieces;
}

}  // namespace

GridStroke onWholeUnits(const GridStrokeF& line) {
  GridStroke stroke;
  for (const GridPointF& p : line) {
    const GridPoint q{static_cast<int32_t>(std::lround(p.x)),
                      static_cast<int32_t>(std::lround(p.y))};
    if (!stroke.empty() && stroke.back().x == q.x && stroke.back().y == q.y) continue;
    stroke.push_back(q);
  }
  return stroke;
}

std::vector<uint8_t> skeletonOf(const Bitmap& bitmap, double pixelsPerUnit) {
  if (bitmap.width <= 0 || bitmap.height <= 0) return {};
  return skeletonMask(bitmap, pixelsPerUnit, nullptr).image();
}

GridStrokeF simplified(const GridStrokeF& line, double tolerance) {
  if (line.size() < 3) return line;
  std::vector<bool> keep(line.size(), false);
  keep.front() = keep.back() = true;
  if (norm(minus(line.front(), line.back())) < 1e-9) {
    // A closed line: first split at the point farthest from its start.
    size_t far = 0;
    for (size_t i = 1; i < line.size(); ++i)
      if (norm(minus(line[i], line[0])) > norm(minus(line[far], line[0]))) far = i;
    keep[far] = true;
    keepFarthest(line, 0, far, tolerance, keep);
    keepFarthest(line, far, line.size() - 1, tolerance, keep);
  } else {
    keepFarthest(line, 0, line.size() - 1, tolerance, keep);
  }
  GridStrokeF out;
  for (size_t i = 0; i < line.size(); ++i)
    if (keep[i]) out.push_back(line[i]);
  return out;
}

std::vector<GridStrokeF> centreLinePaths(const Bitmap& bitmap, const PixelGrid& grid) {
  if (bitmap.width <= 0 || bitmap.height <= 0 || grid.pixelsPerUnit <= 0) return {};
  std::vector<double> distances;
  Mask ink(0, 0);
  const Mask skeleton = skeletonMask(bitmap, grid.pixelsPerUnit, &distances, &ink);
  SkeletonGraph graph(skeleton, distances, grid.pixelsPerUnit);
  graph.tidy();
  std::vector<std::vector<Pt>> pixelPaths = graph.paths();
  for (std::vector<Pt>& dot : dotsMissed(ink, pixelPaths, grid.pixelsPerUnit))
    pixelPaths.push_back(std::move(dot));
  std::vector<GridStrokeF> paths;
  for (const std::vector<Pt>& pixels : pixelPaths) {
    GridStrokeF path;
    path.reserve(pixels.size());
    for (const Pt& p : pixels)
      path.push_back({grid.left + p.x / grid.pixelsPerUnit, grid.top - p.y / grid.pixelsPerUnit});
    paths.push_back(std::move(path));
  }
  return paths;
}

std::vector<GridStroke> centreLineStrokes(const Bitmap& bitmap, const PixelGrid& grid) {
  // How far either side of a point its direction is judged, and the longest hook left on the
  // stroke it ends, both in grid units.
  constexpr double kReach = 2.0, kHook = 3.0;
  std::vector<GridStroke> strokes;
  for (const GridStrokeF& path : centreLinePaths(bitmap, grid)) {
    for (const GridStrokeF& piece : cutAtCorners(simplified(path, 0.5), kReach, kHook)) {
      GridStroke stroke = onWholeUnits(piece);
      if (stroke.size() >= 2) strokes.push_back(std::move(stroke));
    }
  }
  // Of strokes from one point the steeper comes first: the left side of 口 before its top.
  const auto steepness = [](const GridStroke& s) {
    const double dx = s[1].x - s[0].x, dy = s[1].y - s[0].y;
    return -dy / std::hypot(dx, dy);
  };
  std::stable_sort(strokes.begin(), strokes.end(), [&](const GridStroke& a, const GridStroke& b) {
    if (a.front().y != b.front().y) return a.front().y > b.front().y;
    if (a.front().x != b.front().x) return a.front().x < b.front().x;
    return steepness(a) > steepness(b);
  });
  return strokes;
}

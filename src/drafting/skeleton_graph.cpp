#include "drafting/skeleton_graph.h"

#include <algorithm>
#include <cmath>
#include <tuple>

SkeletonGraph::SkeletonGraph(const Mask& skeleton, const std::vector<double>& squaredDistance,
                             double pixelsPerUnit)
    : pixelsPerUnit_(pixelsPerUnit) {
  traceLines(skeleton, findNodes(skeleton, squaredDistance));
}

std::vector<int> SkeletonGraph::findNodes(const Mask& skel, const std::vector<double>& sq) {
  const int w = skel.width(), h = skel.height();
  const auto radiusAt = [&](int x, int y) { return std::sqrt(sq[static_cast<size_t>(y) * w + x]); };
  // Node pixels: ends and meeting points; pixels running between two neighbours are not.
  std::vector<int> nodeOf(skel.size(), -1);
  const auto isNodePixel = [&](int x, int y) {
    return skel.at(x, y) && neighbourCount(skel.ring(x, y)) != 2;
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!isNodePixel(x, y) || nodeOf[skel.index(x, y)] >= 0) continue;
      const int id = static_cast<int>(nodes_.size());
      Node node;
      node.radius = 0;
      std::vector<std::pair<int, int>> stack{{x, y}};
      nodeOf[skel.index(x, y)] = id;
      PointF sum;
      int count = 0;
      while (!stack.empty()) {
        const auto [px, py] = stack.back();
        stack.pop_back();
        sum = sum + PointF{px + 0.5, py + 0.5};
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
  return nodeOf;
}

void SkeletonGraph::traceLines(const Mask& skel, const std::vector<int>& nodeOf) {
  const int w = skel.width(), h = skel.height();
  std::vector<uint8_t> walked(skel.size(), 0);
  // Follows a line from pixel (x, y), entered from (fromX, fromY), to the node it reaches;
  // -1 when it comes back to where it began (a loop without nodes).
  const auto follow = [&](int x, int y, int fromX, int fromY, Polyline& inner) {
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
      Polyline loop;
      follow(x, y, -1, -1, loop);
      if (loop.size() < 3) continue;
      loop.push_back(loop.front());
      loops_.push_back(std::move(loop));
    }
  }
}

Polyline SkeletonGraph::pointsOf(int edge) const {
  const Edge& e = edges_[edge];
  Polyline pts;
  pts.reserve(e.inner.size() + 2);
  pts.push_back(nodes_[e.a].at);
  pts.insert(pts.end(), e.inner.begin(), e.inner.end());
  pts.push_back(nodes_[e.b].at);
  return pts;
}

Polyline SkeletonGraph::leaving(End end) const {
  Polyline pts = pointsOf(end.edge);
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
      Polyline loop = pointsOf(ends[0].edge);
      loop.back() = loop.front();
      edges_[ends[0].edge].alive = false;
      loops_.push_back(std::move(loop));
      continue;
    }
    // The joined line runs from the far end of the first edge through n to the far end of the
    // second.
    Polyline first = leaving(ends[0]), second = leaving(ends[1]);
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

std::map<std::pair<int, int>, SkeletonGraph::End> SkeletonGraph::partners() const {
  // At each meeting point, lines pair up with the one most nearly opposite them, so a pen
  // goes straight through; what stays unpaired ends there.
  std::map<std::pair<int, int>, End> partner;
  for (int n = 0; n < static_cast<int>(nodes_.size()); ++n) {
    if (!nodes_[n].alive) continue;
    const std::vector<End> ends = endsAt(n);
    if (ends.size() < 3) continue;
    const double r = nodes_[n].radius;
    std::vector<PointF> directions;
    for (const End& end : ends) {
      // The thinning bends lines towards the meeting point: their direction is taken from a
      // radius away on.
      const Polyline pts = leaving(end);
      const double len = pathLength(pts);
      const PointF from = len > 2 * r ? pointAlong(pts, r) : pts.front();
      const PointF to = pointAlong(pts, std::min(len, 4 * r + pixelsPerUnit_));
      const PointF d = to - from;
      const double l = length(d);
      directions.push_back(l > 0 ? d * (1 / l) : PointF{});
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
  return partner;
}

std::vector<Polyline> SkeletonGraph::paths() const {
  const std::map<std::pair<int, int>, End> partner = partners();
  std::vector<Polyline> result;
  std::vector<bool> used(edges_.size(), false);
  const auto walk = [&](End start) {
    Polyline path{leaving(start).front()};
    End at = start;
    while (true) {
      used[at.edge] = true;
      const Polyline pts = leaving(at);
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

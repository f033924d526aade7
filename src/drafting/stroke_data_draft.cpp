#include "drafting/stroke_data_draft.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "drafting/stroke_data.h"

namespace {

constexpr double kSimplification = 0.5;  // grid units
constexpr double kShortestTick = 1.5;    // grid units
constexpr double kFarthestReach = 1.5;   // grid units an end is carried on onto a stroke
constexpr double kClosest = 0.75;        // grid units a stroke on whole units keeps to its line

struct Box {
  double left = std::numeric_limits<double>::max(), bottom = left;
  double right = std::numeric_limits<double>::lowest(), top = right;
  void add(PointF p) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    bottom = std::min(bottom, p.y);
    top = std::max(top, p.y);
  }
};

Box boxOf(const std::vector<Polyline>& lines) {
  Box box;
  for (const Polyline& line : lines)
    for (const PointF& p : line) box.add(p);
  return box;
}

// Where the ray from `from` along unit direction `d` first meets a segment of `line`, as a
// distance along the ray; nullopt when it does not within `reach`.
std::optional<double> rayMeets(PointF from, PointF d, const Polyline& line, double reach) {
  std::optional<double> nearest;
  for (size_t i = 1; i < line.size(); ++i) {
    const PointF a = line[i - 1], e = line[i] - a;
    const double denominator = d.x * e.y - d.y * e.x;
    if (std::abs(denominator) < 1e-12) continue;
    const PointF w = a - from;
    const double t = (w.x * e.y - w.y * e.x) / denominator;  // along the ray
    const double u = (w.x * d.y - w.y * d.x) / denominator;  // along the segment
    if (t > 1e-6 && t <= reach && u >= 0 && u <= 1 && (!nearest || t < *nearest)) nearest = t;
  }
  return nearest;
}

// Carries the line's end (its last point, or its first) on along its direction onto the
// nearest other stroke within reach.
void extendEnd(Polyline& line, bool last, const std::vector<Polyline>& others, size_t self) {
  const PointF end = last ? line.back() : line.front();
  const PointF before = last ? line[line.size() - 2] : line[1];
  const double l = length(end - before);
  if (l == 0) return;
  const PointF d = (end - before) * (1 / l);
  std::optional<double> nearest;
  for (size_t j = 0; j < others.size(); ++j) {
    if (j == self) continue;
    const std::optional<double> t = rayMeets(end, d, others[j], kFarthestReach);
    if (t && (!nearest || *t < *nearest)) nearest = t;
  }
  if (nearest) (last ? line.back() : line.front()) = end + d * *nearest;
}

// Without a short first or last piece that turns off the stroke.
void dropTicks(Polyline& line) {
  if (line.size() > 2 && length(line[1] - line[0]) < kShortestTick) line.erase(line.begin());
  if (line.size() > 2 && length(line.back() - line[line.size() - 2]) < kShortestTick)
    line.pop_back();
}

// The simplified line's points put on whole units, each on one of the four around it, so that
// the pieces between them keep as close to the line as they can (least squared distance at
// five places along each piece), a point the same as the one before it dropped.
GridStroke closestOnWholeUnits(const Polyline& simple, const Polyline& line) {
  const auto candidate = [&](size_t i, int c) {
    return PointF{c & 1 ? std::ceil(simple[i].x) : std::floor(simple[i].x),
                  c & 2 ? std::ceil(simple[i].y) : std::floor(simple[i].y)};
  };
  const auto squared = [&](PointF p) { return squaredDistanceToLine(p, line); };
  const size_t n = simple.size();
  std::vector<std::array<double, 4>> best(n);
  std::vector<std::array<int, 4>> from(n);
  for (int c = 0; c < 4; ++c) best[0][c] = n ? squared(candidate(0, c)) : 0;
  for (size_t i = 1; i < n; ++i) {
    for (int c = 0; c < 4; ++c) {
      best[i][c] = std::numeric_limits<double>::max();
      const PointF b = candidate(i, c);
      const double atB = squared(b);
      for (int p = 0; p < 4; ++p) {
        const PointF a = candidate(i - 1, p);
        double sum = best[i - 1][p] + atB;
        for (int k = 1; k < 4; ++k) sum += squared(a + (b - a) * (k / 4.0));
        if (sum < best[i][c]) {
          best[i][c] = sum;
          from[i][c] = p;
        }
      }
    }
  }
  Polyline chosen(n);
  if (n > 0) {
    int c = static_cast<int>(std::min_element(best[n - 1].begin(), best[n - 1].end()) -
                             best[n - 1].begin());
    for (size_t i = n; i-- > 0;) {
      chosen[i] = candidate(i, c);
      c = from[i][c];
    }
  }
  return onWholeUnits(chosen);
}

// Whether the simplified line, put on whole units, keeps within kClosest of the line it was
// simplified from, judged at its points and four places along each piece.
bool keepsClose(const Polyline& simple, const Polyline& line) {
  const GridStroke stroke = closestOnWholeUnits(simple, line);
  for (size_t i = 0; i < stroke.size(); ++i) {
    const PointF b{double(stroke[i].x), double(stroke[i].y)};
    const PointF a = i ? PointF{double(stroke[i - 1].x), double(stroke[i - 1].y)} : b;
    for (int k = 1; k <= 4; ++k)
      if (distanceToLine(a + (b - a) * (k / 4.0), line) > kClosest) return false;
  }
  return true;
}

// The line simplified within half a unit, or closer where the rounding onto whole units would
// take it farther than kClosest from the line; without its ticks.
Polyline simplifiedCloseTo(const Polyline& line) {
  Polyline simple;
  for (double tolerance : {kSimplification, 0.3, 0.15, 0.0}) {
    simple = simplified(line, tolerance);
    dropTicks(simple);
    if (keepsClose(simple, line)) break;
  }
  return simple;
}

// Mean distance from the stroke, sampled about every half unit, to the line.
double meanDistance(const GridStroke& stroke, const Polyline& line) {
  const auto distanceTo = [&](PointF p) { return distanceToLine(p, line); };
  double sum = 0;
  int n = 0;
  for (size_t i = 1; i < stroke.size(); ++i) {
    const PointF a{double(stroke[i - 1].x), double(stroke[i - 1].y)};
    const PointF b{double(stroke[i].x), double(stroke[i].y)};
    const int steps = std::max(1, static_cast<int>(std::ceil(length(b - a) * 2)));
    for (int k = 0; k < steps; ++k, ++n) sum += distanceTo(a + (b - a) * (double(k) / steps));
  }
  if (!stroke.empty()) {
    sum += distanceTo({double(stroke.back().x), double(stroke.back().y)});
    ++n;
  }
  return n ? sum / n : std::numeric_limits<double>::max();
}

// How far along the line the point's nearest place lies.
double placeAlong(PointF p, const Polyline& line) {
  double best = std::numeric_limits<double>::max(), at = 0, walked = 0;
  for (size_t i = 1; i < line.size(); ++i) {
    const PointF a = line[i - 1], e = line[i] - a;
    const double l2 = e.x * e.x + e.y * e.y;
    const double t =
        l2 > 0 ? std::clamp(((p.x - a.x) * e.x + (p.y - a.y) * e.y) / l2, 0.0, 1.0) : 0;
    const double d = length(p - (a + e * t));
    if (d < best) {
      best = d;
      at = walked + t * std::sqrt(l2);
    }
    walked += std::sqrt(l2);
  }
  return at;
}

PointF pointOf(GridPoint p) { return {double(p.x), double(p.y)}; }

}  // namespace

// The data leaves a wide margin in its box: a typical character's centre lines span 830 of its
// 1024 units. The 885 units about the box's middle fill the cell (the grid the canvas edits,
// side - 1 units across), so that they span 44 units of a 48 grid, as the centre lines of a
// face draft do. A character reaching farther from the middle is made smaller until it fits;
// the others keep their sizes to one another.
std::vector<Polyline> mediansOnGrid(const std::vector<Polyline>& medians, DraftGrid grid) {
  constexpr double kFilledSide = 885;
  constexpr double kMiddleY = kStrokeDataBottom + kStrokeDataSide / 2;
  const double span = grid.above + grid.below - 1;
  const Box box = boxOf(medians);
  const double reach = std::max(
      {kFilledSide / 2, (box.right - box.left) / 2, box.top - kMiddleY, kMiddleY - box.bottom});
  const double scale = span / (2 * reach);
  const double shift = span / 2 - (box.left + box.right) / 2 * scale;
  const double raise = span / 2 - grid.below - kMiddleY * scale;
  std::vector<Polyline> lines;
  for (const Polyline& median : medians) {
    Polyline line;
    for (const PointF& p : median) line.push_back({p.x * scale + shift, p.y * scale + raise});
    lines.push_back(std::move(line));
  }
  return lines;
}

DraftedGlyph draftFromMedians(const std::vector<Polyline>& medians, DraftGrid grid) {
  DraftedGlyph drafted;
  drafted.found = true;
  drafted.advance = static_cast<uint16_t>(grid.above + grid.below);
  const std::vector<Polyline> onGrid = mediansOnGrid(medians, grid);
  std::vector<Polyline> lines;
  for (const Polyline& line : onGrid) lines.push_back(simplifiedCloseTo(line));
  const std::vector<Polyline> met = lines;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].size() < 2) continue;
    extendEnd(lines[i], false, met, i);
    extendEnd(lines[i], true, met, i);
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    const Polyline& line = lines[i];
    GridStroke stroke = closestOnWholeUnits(line, onGrid[i]);
    if (stroke.size() == 1) {
      // A stroke shorter than a unit stays a stroke: a unit long, its way.
      const PointF d = line.back() - line.front();
      GridPoint next = stroke[0];
      (std::abs(d.x) >= std::abs(d.y) ? next.x : next.y) +=
          (std::abs(d.x) >= std::abs(d.y) ? d.x : d.y) < 0 ? -1 : 1;
      stroke.push_back(next);
    }
    drafted.strokes.push_back(std::move(stroke));
  }
  return drafted;
}

DraftedGlyph draftFromStrokeData(const std::string& folder, char32_t unicode, DraftGrid grid) {
  try {
    const std::optional<std::vector<Polyline>> medians = loadMedians(folder, unicode);
    if (medians) return draftFromMedians(*medians, grid);
  } catch (const StrokeDataError& e) {
    DraftedGlyph left;
    left.problem = e.what();
    return left;
  }
  return {};
}

namespace {

// The data's box fitted onto the strokes': each side scaled on its own, a side without breadth
// (一's height) as the other.
std::vector<Polyline> fittedOnto(const std::vector<Polyline>& medians,
                                 const std::vector<GridStroke>& strokes) {
  std::vector<Polyline> drafted;
  for (const GridStroke& s : strokes) {
    Polyline line;
    for (const GridPoint& p : s) line.push_back(pointOf(p));
    drafted.push_back(std::move(line));
  }
  const Box to = boxOf(drafted), from = boxOf(medians);
  const double w = from.right - from.left, h = from.top - from.bottom;
  double sx = w > 1 ? (to.right - to.left) / w : 0, sy = h > 1 ? (to.top - to.bottom) / h : 0;
  if (sx == 0) sx = sy;
  if (sy == 0) sy = sx;
  if (sx == 0) sx = sy = 1;
  std::vector<Polyline> fitted;
  for (const Polyline& median : medians) {
    Polyline line;
    for (const PointF& p : median)
      line.push_back({(to.left + to.right) / 2 + (p.x - (from.left + from.right) / 2) * sx,
                      (to.bottom + to.top) / 2 + (p.y - (from.bottom + from.top) / 2) * sy});
    fitted.push_back(std::move(line));
  }
  return fitted;
}

struct Match {
  size_t dataStroke = 0;
  double distance = std::numeric_limits<double>::max();
};

Match nearestDataStroke(const GridStroke& stroke, const std::vector<Polyline>& fitted) {
  Match best;
  for (size_t j = 0; j < fitted.size(); ++j) {
    const double d = meanDistance(stroke, fitted[j]);
    if (d < best.distance) best = {j, d};
  }
  return best;
}

// A drafted stroke that turns a corner where the data lifts the pen (the left side and the
// bottom of 囗, drawn in one by the face's centre lines, are the first and the last stroke of
// 国) is cut there: at the corner whose two pieces each lie much nearer a data stroke of their
// own than the whole does to any.
void cutWhereTheDataLifts(std::vector<GridStroke>& strokes, const std::vector<Polyline>& fitted) {
  for (size_t i = 0; i < strokes.size(); ++i) {
    const GridStroke& stroke = strokes[i];
    const double whole = nearestDataStroke(stroke, fitted).distance;
    size_t cut = 0;
    double cutDistance = whole / 2;
    for (size_t k = 1; k + 1 < stroke.size(); ++k) {
      const Match a = nearestDataStroke(GridStroke(stroke.begin(), stroke.begin() + k + 1), fitted);
      const Match b = nearestDataStroke(GridStroke(stroke.begin() + k, stroke.end()), fitted);
      if (a.dataStroke != b.dataStroke && std::max(a.distance, b.distance) < cutDistance) {
        cut = k;
        cutDistance = std::max(a.distance, b.distance);
      }
    }
    if (cut == 0) continue;
    GridStroke rest(stroke.begin() + static_cast<long>(cut), stroke.end());
    strokes[i].resize(cut + 1);
    strokes.insert(strokes.begin() + static_cast<long>(i) + 1, std::move(rest));
    --i;  // the first piece may turn another such corner
  }
}

// The assignment of rows to columns (rows <= columns) of least total cost, the column of each
// row (Kuhn and Munkres, with potentials).
std::vector<size_t> cheapestAssignment(const std::vector<std::vector<double>>& cost) {
  const size_t n = cost.size(), m = cost.empty() ? 0 : cost[0].size();
  constexpr double kInfinite = std::numeric_limits<double>::max();
  std::vector<double> u(n + 1, 0), v(m + 1, 0);
  std::vector<size_t> rowOf(m + 1, 0), way(m + 1, 0);
  for (size_t i = 1; i <= n; ++i) {
    rowOf[0] = i;
    size_t column = 0;
    std::vector<double> least(m + 1, kInfinite);
    std::vector<bool> used(m + 1, false);
    do {
      used[column] = true;
      const size_t row = rowOf[column];
      double delta = kInfinite;
      size_t next = 0;
      for (size_t j = 1; j <= m; ++j) {
        if (used[j]) continue;
        const double reduced = cost[row - 1][j - 1] - u[row] - v[j];
        if (reduced < least[j]) {
          least[j] = reduced;
          way[j] = column;
        }
        if (least[j] < delta) {
          delta = least[j];
          next = j;
        }
      }
      for (size_t j = 0; j <= m; ++j) {
        if (used[j]) {
          u[rowOf[j]] += delta;
          v[j] -= delta;
        } else {
          least[j] -= delta;
        }
      }
      column = next;
    } while (rowOf[column] != 0);
    do {
      const size_t previous = way[column];
      rowOf[column] = rowOf[previous];
      column = previous;
    } while (column != 0);
  }
  std::vector<size_t> columnOf(n, 0);
  for (size_t j = 1; j <= m; ++j)
    if (rowOf[j] != 0) columnOf[rowOf[j] - 1] = j - 1;
  return columnOf;
}

// Each drafted stroke's data stroke, all chosen together at the least sum of distances, a data
// stroke taken by several strokes (one the face draws in pieces) costing kSharing more for
// each but the first: so of the closing 横 of 国 and the lower 横 of its 王 each goes to its
// own, even where the data's Kai shapes put both nearer the closing one.
std::vector<size_t> matchedDataStrokes(const std::vector<GridStroke>& strokes,
                                       const std::vector<Polyline>& fitted) {
  constexpr double kSharing = 3;  // grid units
  const size_t m = fitted.size();
  const size_t places = (strokes.size() + m - 1) / m + 1;  // for each data stroke
  std::vector<std::vector<double>> cost(strokes.size(), std::vector<double>(m * places));
  for (size_t i = 0; i < strokes.size(); ++i) {
    for (size_t j = 0; j < m; ++j) {
      const double d = meanDistance(strokes[i], fitted[j]);
      for (size_t k = 0; k < places; ++k) cost[i][k * m + j] = d + k * kSharing;
    }
  }
  std::vector<size_t> match = cheapestAssignment(cost);
  for (size_t& j : match) j %= m;
  return match;
}

}  // namespace

void putInWritingOrder(std::vector<GridStroke>& strokes, const std::vector<Polyline>& medians) {
  if (strokes.empty() || medians.empty()) return;
  const std::vector<Polyline> fitted = fittedOnto(medians, strokes);
  cutWhereTheDataLifts(strokes, fitted);
  struct Placed {
    size_t dataStroke;
    double along;
    GridStroke stroke;
  };
  std::vector<Placed> placed;
  const std::vector<size_t> matched = matchedDataStrokes(strokes, fitted);
  for (size_t i = 0; i < strokes.size(); ++i) {
    GridStroke& stroke = strokes[i];
    const size_t best = matched[i];
    const PointF start = fitted[best].front();
    if (length(pointOf(stroke.back()) - start) < length(pointOf(stroke.front()) - start))
      std::reverse(stroke.begin(), stroke.end());
    placed.push_back({best, placeAlong(pointOf(stroke.front()), fitted[best]), std::move(stroke)});
  }
  std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
    return a.dataStroke != b.dataStroke ? a.dataStroke < b.dataStroke : a.along < b.along;
  });
  strokes.clear();
  for (Placed& p : placed) strokes.push_back(std::move(p.stroke));
}

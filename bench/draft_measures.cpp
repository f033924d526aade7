#include "draft_measures.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

PointF pointOf(GridPoint p) { return {double(p.x), double(p.y)}; }

std::vector<double> ranks(const std::vector<double>& v) {
  std::vector<size_t> order(v.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return v[a] < v[b]; });
  std::vector<double> r(v.size());
  for (size_t i = 0; i < order.size();) {
    size_t j = i;
    while (j + 1 < order.size() && v[order[j + 1]] == v[order[i]]) ++j;
    for (size_t k = i; k <= j; ++k) r[order[k]] = (i + j) / 2.0;
    i = j + 1;
  }
  return r;
}

}  // namespace

std::optional<InkBox> inkBoxOf(const DraftedGlyph& draft) {
  double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
  for (const GridStroke& s : draft.strokes) {
    for (const GridPoint& p : s) {
      left = std::min(left, double(p.x));
      right = std::max(right, double(p.x));
      bottom = std::min(bottom, double(p.y));
      top = std::max(top, double(p.y));
    }
  }
  if (left > right) return std::nullopt;
  return InkBox{right - left, top - bottom, (left + right) / 2, (bottom + top) / 2};
}

double medianOf(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double spearman(const std::vector<double>& a, const std::vector<double>& b) {
  if (a.size() < 2 || a.size() != b.size()) return 1;
  const std::vector<double> ra = ranks(a), rb = ranks(b);
  const double ma = std::accumulate(ra.begin(), ra.end(), 0.0) / ra.size();
  const double mb = std::accumulate(rb.begin(), rb.end(), 0.0) / rb.size();
  double sab = 0, saa = 0, sbb = 0;
  for (size_t i = 0; i < ra.size(); ++i) {
    sab += (ra[i] - ma) * (rb[i] - mb);
    saa += (ra[i] - ma) * (ra[i] - ma);
    sbb += (rb[i] - mb) * (rb[i] - mb);
  }
  return saa > 0 && sbb > 0 ? sab / std::sqrt(saa * sbb) : 1;
}

std::vector<size_t> nearestDataStrokes(const DraftedGlyph& draft,
                                       const std::vector<Polyline>& data) {
  std::vector<size_t> matched;
  for (const GridStroke& s : draft.strokes) {
    Polyline line;
    for (const GridPoint& p : s) line.push_back(pointOf(p));
    const PointF middle = pointAlong(line, pathLength(line) / 2);
    size_t best = 0;
    for (size_t j = 1; j < data.size(); ++j)
      if (distanceToLine(middle, data[j]) < distanceToLine(middle, data[best])) best = j;
    matched.push_back(best);
  }
  return matched;
}

double farthestFrom(const GridStroke& stroke, const Polyline& line) {
  double farthest = stroke.empty() ? 0 : distanceToLine(pointOf(stroke[0]), line);
  for (size_t i = 1; i < stroke.size(); ++i) {
    const PointF a = pointOf(stroke[i - 1]), b = pointOf(stroke[i]);
    const int steps = std::max(1, static_cast<int>(std::ceil(length(b - a) * 10)));
    for (int k = 1; k <= steps; ++k)
      farthest = std::max(farthest, distanceToLine(a + (b - a) * (double(k) / steps), line));
  }
  return farthest;
}

double farthestFromDataLine(const GridStroke& stroke, const Polyline& data, double reach) {
  Polyline line = data;
  if (!stroke.empty() && !data.empty()) {
    const PointF first = pointOf(stroke.front()), last = pointOf(stroke.back());
    if (length(first - data.front()) <= reach) line.insert(line.begin(), first);
    if (length(last - data.back()) <= reach) line.push_back(last);
  }
  return farthestFrom(stroke, line);
}

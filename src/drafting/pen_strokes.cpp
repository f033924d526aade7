#include "drafting/pen_strokes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

// The point `distance` along the polyline from vertex i, forwards (step +1) or backwards
// (step -1); closed polylines wrap around.
PointF walkFrom(const Polyline& line, size_t i, double distance, int step, bool closed) {
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
    const double len = length(line[next] - line[at]);
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
  PointF in, out;  // unit directions
  double cosine = 1;
};

Turn turnAt(const Polyline& line, size_t i, double reach, bool closed) {
  Turn t;
  const PointF before = walkFrom(line, i, reach, -1, closed);
  const PointF after = walkFrom(line, i, reach, +1, closed);
  t.in = line[i] - before;
  t.out = after - line[i];
  const double a = length(t.in), b = length(t.out);
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
void orient(Polyline& line) {
  if (line.size() < 2) return;
  const PointF a = line.front(), b = line.back();
  const bool across = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
  if (across ? b.x < a.x : b.y > a.y) std::reverse(line.begin(), line.end());
}

double signedArea(const Polyline& ring) {
  double sum = 0;
  for (size_t i = 1; i < ring.size(); ++i)
    sum += ring[i - 1].x * ring[i].y - ring[i].x * ring[i - 1].y;
  return sum / 2;
}

// The corners of a simplified path where a writer going along it would lift the pen: sharp
// ones other than those drawn through. A hook shorter than `hook` stays on the stroke it ends.
std::vector<size_t> cornersToCut(const Polyline& line, bool closed, double reach, double hook) {
  const size_t n = closed ? line.size() - 1 : line.size();
  std::vector<double> along(line.size(), 0);
  for (size_t i = 1; i < line.size(); ++i) along[i] = along[i - 1] + length(line[i] - line[i - 1]);
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

// A closed line (first point repeated last) drawn clockwise from its top left corner, so that
// its top is drawn rightwards.
void startAtTopLeft(Polyline& line) {
  if (signedArea(line) > 0) std::reverse(line.begin(), line.end());
  line.pop_back();
  size_t start = 0;
  for (size_t i = 1; i < line.size(); ++i)
    if (line[i].y - line[i].x > line[start].y - line[start].x) start = i;
  std::rotate(line.begin(), line.begin() + static_cast<long>(start), line.end());
  line.push_back(line.front());
}

// The pieces of the line between its cuts, each oriented as written.
std::vector<Polyline> piecesBetween(Polyline line, std::vector<size_t> cuts, bool closed) {
  std::vector<Polyline> pieces;
  if (cuts.empty()) {
    pieces.push_back(std::move(line));
    return pieces;
  }
  const size_t n = closed ? line.size() - 1 : line.size();
  if (closed) {
    for (size_t c = 0; c < cuts.size(); ++c) {
      const size_t from = cuts[c], to = cuts[(c + 1) % cuts.size()];
      Polyline piece;
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
    Polyline piece(line.begin() + static_cast<long>(from),
                   line.begin() + static_cast<long>(to) + 1);
    orient(piece);
    pieces.push_back(std::move(piece));
    from = to;
  }
  return pieces;
}

}  // namespace

std::vector<Polyline> cutAtCorners(Polyline line, double reach, double hook) {
  const bool closed = line.size() > 3 && length(line.front() - line.back()) < 1e-9;
  std::vector<size_t> cuts;
  if (closed) {
    startAtTopLeft(line);
    cuts = cornersToCut(line, true, reach, hook);
  } else {
    // Which corners a writer turns without lifting the pen depends on the way the line is
    // drawn: of the two ways, the one with fewer lifts.
    orient(line);
    cuts = cornersToCut(line, false, reach, hook);
    Polyline reversed(line.rbegin(), line.rend());
    std::vector<size_t> reversedCuts = cornersToCut(reversed, false, reach, hook);
    if (reversedCuts.size() < cuts.size()) {
      line = std::move(reversed);
      cuts = std::move(reversedCuts);
    }
  }
  return piecesBetween(std::move(line), std::move(cuts), closed);
}

// Encoding of a GShape as shape definition source text: a header line and
// definition lines of at most 100 characters, each cut after a comma.
#include <cstdio>

#include "model/shape.h"

namespace {

constexpr size_t maxLineLength = 100;

class DefinitionWriter {
 public:
  void code(const char* text, int items) {
    text_ += text;
    count_ += items;
  }
  void pair(int32_t dx, int32_t dy) {
    text_ += '(';
    text_ += std::to_string(dx);
    text_ += ',';
    text_ += std::to_string(dy);
    text_ += "),";
    count_ += 2;
  }
  void end() {
    text_ += '0';
    count_ += 1;
  }
  const std::string& text() const { return text_; }
  int count() const { return count_; }

 private:
  std::string text_;
  int count_ = 0;
};

std::string headerLine(uint16_t code, int byteCount) {
  char buf[64];
  if (code >= 256) {
    std::snprintf(buf, sizeof buf, "*%d,%d,0%4x", code, byteCount, code);
    return buf;
  }
  if (code >= 128) {
    std::snprintf(buf, sizeof buf, "*%d,%d,0%2x ;%d", code, byteCount, code, code);
    return buf;
  }
  std::snprintf(buf, sizeof buf, "*%d,%d,0%2x ;", code, byteCount, code);
  return std::string(buf) + static_cast<char>(code);
}

void splitIntoLines(const std::string& text, std::vector<std::string>& lines) {
  size_t start = 0;
  while (text.size() - start >= maxLineLength) {
    size_t comma = text.rfind(',', start + maxLineLength - 1);
    size_t cut = comma != std::string::npos && comma >= start ? comma + 1 : start + maxLineLength;
    lines.push_back(text.substr(start, cut - start));
    start = cut;
  }
  lines.push_back(text.substr(start));
}

}  // namespace

void GShape::writeTo(std::vector<std::string>& lines) const {
  if (!points_) return;
  const PointList& pts = *points_;
  DefinitionWriter out;
  GPoint prev(0, 0, 1);
  int32_t pendingX = 0, pendingY = 0;
  auto writePendingMove = [&] {
    out.code("2,8,", 2);
    out.pair(pendingX, pendingY);
    pendingX = pendingY = 0;
  };

  for (size_t i = 0; i < pts.size(); ++i) {
    const GPoint& p = *pts[i];
    bool nextIsEnd = i + 1 == pts.size();
    bool nextIsReal = !nextIsEnd && !pts[i + 1]->isVirtual;
    GPoint delta = GPoint::delta(p, prev);
    bool zeroStep = delta.x == 0 && delta.y == 0;

    if (prev.isVirtual && p.isVirtual) {
      pendingX = wrappingAdd(pendingX, delta.x);
      pendingY = wrappingAdd(pendingY, delta.y);
      if (nextIsReal || nextIsEnd) writePendingMove();
    } else if (prev.isVirtual) {
      if (nextIsReal && zeroStep) {
        // A run opened with (0,0) would end at once: put the pen down with a
        // zero single move, then open the run on its own.
        out.code("1,8,", 2);
        out.pair(0, 0);
        out.code("9,", 1);
      } else {
        out.code(nextIsReal ? "1,9," : "1,8,", 2);
        out.pair(delta.x, delta.y);
      }
    } else if (p.isVirtual) {
      pendingX = delta.x;
      pendingY = delta.y;
      if (nextIsReal || nextIsEnd) writePendingMove();
    } else {
      if (!zeroStep) out.pair(delta.x, delta.y);
      if (!nextIsReal) out.pair(0, 0);
    }
    prev = p;
  }

  const GPoint endPoint(static_cast<int32_t>(width_), 0, 1);
  GPoint closing = GPoint::delta(endPoint, prev);
  out.code("2,8,", 2);
  out.pair(closing.x, closing.y);
  out.end();

  lines.push_back(headerLine(code_, out.count()));
  splitIntoLines(out.text(), lines);
}

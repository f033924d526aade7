#include "model/shape.h"

#include <algorithm>

GShape::GShape() = default;
GShape::~GShape() = default;

uint16_t GShape::code() const { return code_; }
void GShape::setCode(uint16_t c) { code_ = c; }
int16_t GShape::byteCount() const { return byteCount_; }
uint16_t GShape::width() const { return width_; }
uint8_t GShape::direction() const { return direction_; }
void GShape::setDirection(uint8_t d) { direction_ = d; }
int GShape::pointCount() const { return points_ ? static_cast<int>(points_->size()) : 0; }
bool GShape::hasList() const { return points_ != nullptr; }

GShape::PointList& GShape::list() {
  if (!points_) points_ = std::make_unique<PointList>();
  return *points_;
}

int GShape::indexOf(const GPoint* p) const {
  if (!points_ || !p) return -1;
  for (size_t i = 0; i < points_->size(); ++i) {
    if ((*points_)[i].get() == p) return static_cast<int>(i);
  }
  return -1;
}

void GShape::reset(uint16_t width) {
  width_ = width;
  parseLine("2,8,(" + std::to_string(width) + ",0),0");
}

std::string GShape::listText() const {
  if (code_ < 128) return std::string(1, static_cast<char>(code_));
  return std::string{static_cast<char>(code_ >> 8), static_cast<char>(code_ & 0xFF)};
}

GPoint* GShape::first() {
  cursor_ = 0;
  return pointCount() > 0 ? (*points_)[0].get() : nullptr;
}

GPoint* GShape::next() {
  ++cursor_;
  return cursor_ >= 0 && cursor_ < pointCount() ? (*points_)[cursor_].get() : nullptr;
}

GPoint* GShape::last() {
  if (pointCount() == 0) return nullptr;
  cursor_ = pointCount() - 1;
  return (*points_)[cursor_].get();
}

GPoint* GShape::previous() {
  if (cursor_ <= 0) return nullptr;
  --cursor_;
  return cursor_ < pointCount() ? (*points_)[cursor_].get() : nullptr;
}

const GPoint* GShape::pointAtIndex(int index) const {
  return index >= 0 && index < pointCount() ? (*points_)[index].get() : nullptr;
}

bool GShape::contains(const GPoint* p) const { return indexOf(p) >= 0; }

void GShape::appendPoint(const GPoint& p) { list().push_back(std::make_unique<GPoint>(p)); }

void GShape::addPoint(int32_t x, int32_t y, uint8_t isVirtual) {
  list().push_back(std::make_unique<GPoint>(x, y, isVirtual));
}

void GShape::insertBefore(std::unique_ptr<GPoint> p, const GPoint* ref) {
  if (!p || !ref || !points_) return;
  int at = std::max(indexOf(ref), 0);
  points_->insert(points_->begin() + at, std::move(p));
}

void GShape::insertAfter(std::unique_ptr<GPoint> p, const GPoint* ref) {
  if (!p || !ref || !points_) return;
  int at = indexOf(ref);
  if (at < 0) {
    points_->push_back(std::move(p));
  } else {
    points_->insert(points_->begin() + at + 1, std::move(p));
  }
}

void GShape::insertAfterSelected(const GPoint& p) {
  PointList& pts = list();
  PointList result;
  result.reserve(pts.size() * 2 + 1);
  bool anySelected = false;
  for (auto& q : pts) {
    bool wasSelected = q->isSelected();
    result.push_back(std::move(q));
    if (wasSelected) {
      anySelected = true;
      result.push_back(std::make_unique<GPoint>(p));
    }
  }
  if (!anySelected) result.push_back(std::make_unique<GPoint>(p));
  pts = std::move(result);
  removeRepeats();
}

bool GShape::deletePoint(GPoint* q) {
  if (pointCount() == 0) return false;
  int at = indexOf(q);
  if (at < 0) return true;
  PointList& pts = *points_;
  if (q->isVirtual && at + 1 < static_cast<int>(pts.size())) pts[at + 1]->setVirtual();
  pts.erase(pts.begin() + at);
  return !pts.empty();
}

bool GShape::deleteSelected() {
  bool any = false;
  for (int i = pointCount() - 1; i >= 0; --i) {
    GPoint* p = (*points_)[i].get();
    if (p->isSelected()) {
      deletePoint(p);
      any = true;
    }
  }
  return any;
}

bool GShape::deleteAll() {
  if (pointCount() == 0) return false;
  for (int i = pointCount() - 1; i >= 0; --i) deletePoint((*points_)[i].get());
  return true;
}

void GShape::clearSelection() {
  if (!points_) return;
  for (auto& p : *points_) p->deselect();
}

void GShape::selectStroke(const GPoint* q) {
  int at = indexOf(q);
  if (at < 0) return;
  PointList& pts = *points_;
  int start = at;
  while (start > 0 && !pts[start]->isVirtual) --start;
  pts[start]->select();
  for (size_t i = start + 1; i < pts.size() && !pts[i]->isVirtual; ++i) pts[i]->select();
}

void GShape::selectInRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (!points_) return;
  auto [left, right] = std::minmax(x1, x2);
  auto [bottom, top] = std::minmax(y1, y2);
  for (auto& p : *points_) {
    if (p->x >= left && p->x <= right && p->y >= bottom && p->y <= top) p->select();
  }
}

bool GShape::hasPointAt(int32_t x, int32_t y) const {
  if (!points_) return false;
  return std::any_of(points_->begin(), points_->end(),
                     [&](const auto& p) { return p->x == x && p->y == y; });
}

GPoint* GShape::pointAt(int32_t x, int32_t y) {
  for (int i = pointCount() - 1; i >= 0; --i) {
    GPoint* p = (*points_)[i].get();
    if (p->x == x && p->y == y) return p;
  }
  return nullptr;
}

void GShape::removeRepeats() {
  if (!points_ || points_->empty()) return;
  PointList& pts = *points_;
  size_t kept = 1;
  for (size_t i = 1; i < pts.size(); ++i) {
    if (GPoint::samePlace(*pts[i], *pts[kept - 1])) continue;
    if (kept != i) pts[kept] = std::move(pts[i]);
    ++kept;
  }
  pts.resize(kept);
}

GShape& GShape::copyFrom(const GShape& other) {
  if (&other == this) return *this;
  deleteAll();
  byteCount_ = other.byteCount_;
  width_ = other.width_;
  for (int i = 0; i < other.pointCount(); ++i) appendPoint(*other.pointAtIndex(i));
  return *this;
}

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
int GShape::pointCount() const { return static_cast<int>(path_.size()); }
bool GShape::hasList() const { return hasList_; }

void GShape::makeList() { hasList_ = true; }

int GShape::indexOf(const GPoint* p) const {
  if (!p) return -1;
  auto at = std::find(path_.begin(), path_.end(), p);
  return at == path_.end() ? -1 : static_cast<int>(at - path_.begin());
}

void GShape::insertAt(size_t at, const GPoint& p) {
  path_.insert(path_.begin() + static_cast<std::ptrdiff_t>(at), store_.make(p));
}

void GShape::removeAt(size_t at) {
  store_.release(path_[at]);
  path_.erase(path_.begin() + static_cast<std::ptrdiff_t>(at));
}

// Decoding "2,8,(w,0),0" leaves exactly this: an empty list and the width.
void GShape::reset(uint16_t width, size_t points) {
  width_ = width;
  makeList();
  path_.clear();
  path_.reserve(points);
  store_.clear(points);
}

std::string GShape::listText() const {
  if (code_ < 128) return std::string(1, static_cast<char>(code_));
  return std::string{static_cast<char>(code_ >> 8), static_cast<char>(code_ & 0xFF)};
}

std::optional<uint16_t> GShape::codeOfListText(std::string_view text) {
  if (text.size() == 1 && static_cast<unsigned char>(text[0]) < 128)
    return static_cast<unsigned char>(text[0]);
  if (text.size() != 2) return std::nullopt;
  const auto code = static_cast<uint16_t>(static_cast<unsigned char>(text[0]) << 8 |
                                          static_cast<unsigned char>(text[1]));
  if (code < 128) return std::nullopt;
  return code;
}

GPoint* GShape::first() {
  cursor_ = 0;
  return path_.empty() ? nullptr : path_[0];
}

GPoint* GShape::next() {
  ++cursor_;
  return cursor_ >= 0 && cursor_ < pointCount() ? path_[cursor_] : nullptr;
}

GPoint* GShape::last() {
  if (path_.empty()) return nullptr;
  cursor_ = pointCount() - 1;
  return path_[cursor_];
}

GPoint* GShape::previous() {
  if (cursor_ <= 0) return nullptr;
  --cursor_;
  return cursor_ < pointCount() ? path_[cursor_] : nullptr;
}

const GPoint* GShape::pointAtIndex(int index) const {
  return index >= 0 && index < pointCount() ? path_[index] : nullptr;
}

bool GShape::contains(const GPoint* p) const { return indexOf(p) >= 0; }

void GShape::appendPoint(const GPoint& p) {
  makeList();
  path_.push_back(store_.make(p));
}

void GShape::addPoint(int32_t x, int32_t y, uint8_t isVirtual) {
  appendPoint(GPoint(x, y, isVirtual));
}

void GShape::insertBefore(std::unique_ptr<GPoint> p, const GPoint* ref) {
  if (!p || !ref || !hasList_) return;
  insertAt(static_cast<size_t>(std::max(indexOf(ref), 0)), *p);
}

void GShape::insertAfter(std::unique_ptr<GPoint> p, const GPoint* ref) {
  if (!p || !ref || !hasList_) return;
  const int at = indexOf(ref);
  insertAt(at < 0 ? path_.size() : static_cast<size_t>(at) + 1, *p);
}

void GShape::insertAfterSelected(const GPoint& p) {
  makeList();
  std::vector<GPoint*> result;
  result.reserve(path_.size() * 2 + 1);
  bool anySelected = false;
  for (GPoint* q : path_) {
    result.push_back(q);
    if (q->isSelected()) {
      anySelected = true;
      result.push_back(store_.make(p));
    }
  }
  if (!anySelected) result.push_back(store_.make(p));
  path_ = std::move(result);
  removeRepeats();
}

bool GShape::deletePoint(GPoint* q) {
  if (path_.empty()) return false;
  const int at = indexOf(q);
  if (at < 0) return true;
  if (q->isVirtual && static_cast<size_t>(at) + 1 < path_.size()) path_[at + 1]->setVirtual();
  removeAt(static_cast<size_t>(at));
  return !path_.empty();
}

bool GShape::deleteSelected() {
  bool any = false;
  for (int i = pointCount() - 1; i >= 0; --i) {
    GPoint* p = path_[i];
    if (p->isSelected()) {
      deletePoint(p);
      any = true;
    }
  }
  return any;
}

bool GShape::deleteAll() {
  if (path_.empty()) return false;
  // Deleting from the end changes no other point's pen, so nothing is left to do but
  // to let the points go.
  path_.clear();
  store_.clear(0);
  return true;
}

void GShape::clearSelection() {
  for (GPoint* p : path_) p->deselect();
}

void GShape::selectAll() {
  for (GPoint* p : path_) p->select();
}

void GShape::invertSelection() {
  for (GPoint* p : path_) {
    if (p->isSelected()) {
      p->deselect();
    } else {
      p->select();
    }
  }
}

void GShape::selectStroke(const GPoint* q) {
  int at = indexOf(q);
  if (at < 0) return;
  int start = at;
  while (start > 0 && !path_[start]->isVirtual) --start;
  path_[start]->select();
  for (size_t i = start + 1; i < path_.size() && !path_[i]->isVirtual; ++i) path_[i]->select();
}

void GShape::selectInRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  auto [left, right] = std::minmax(x1, x2);
  auto [bottom, top] = std::minmax(y1, y2);
  for (GPoint* p : path_) {
    if (p->x >= left && p->x <= right && p->y >= bottom && p->y <= top) p->select();
  }
}

bool GShape::hasPointAt(int32_t x, int32_t y) const {
  return std::any_of(path_.begin(), path_.end(),
                     [&](const GPoint* p) { return p->x == x && p->y == y; });
}

GPoint* GShape::pointAt(int32_t x, int32_t y) {
  for (int i = pointCount() - 1; i >= 0; --i) {
    GPoint* p = path_[i];
    if (p->x == x && p->y == y) return p;
  }
  return nullptr;
}

bool GShape::removeRepeats() {
  if (path_.empty()) return false;
  size_t kept = 1;
  for (size_t i = 1; i < path_.size(); ++i) {
    if (GPoint::samePlace(*path_[i], *path_[kept - 1])) {
      store_.release(path_[i]);
      continue;
    }
    path_[kept++] = path_[i];
  }
  const bool dropped = kept < path_.size();
  path_.resize(kept);
  return dropped;
}

GShape& GShape::copyFrom(const GShape& other) {
  if (&other == this) return *this;
  deleteAll();
  byteCount_ = other.byteCount_;
  width_ = other.width_;
  if (other.pointCount() > 0) {
    store_.clear(other.path_.size());
    for (const GPoint* p : other.path_) appendPoint(*p);
  }
  return *this;
}

#include "model/point.h"

bool GPoint::differs(const GPoint& a, const GPoint& b) { return a.x != b.x || a.y != b.y; }

bool GPoint::samePlace(const GPoint& a, const GPoint& b) { return a.x == b.x && a.y == b.y; }

void GPoint::assign(const GPoint& src) {
  if (&src == this) return;
  x = src.x;
  y = src.y;
  isVirtual = src.isVirtual;
}

void GPoint::setVirtual() { isVirtual = 1; }
void GPoint::setReal() { isVirtual = 0; }
void GPoint::select() { selected = 1; }
void GPoint::deselect() { selected = 0; }
bool GPoint::isSelected() const { return selected != 0; }

void GPoint::translate(const GPoint& offset) {
  x = wrappingAdd(x, offset.x);
  y = wrappingAdd(y, offset.y);
}

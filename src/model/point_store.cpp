#include "model/point_store.h"

#include <algorithm>

namespace {

constexpr size_t smallestBlock = 16;

}  // namespace

void PointStore::addBlock(size_t size) {
  auto block = std::make_unique<GPoint[]>(size);
  lastBlock_ = block.get();
  if (firstBlock_) {
    laterBlocks_.push_back(std::move(block));
  } else {
    firstBlock_ = std::move(block);
  }
  capacity_ += size;
  lastSize_ = size;
  lastUsed_ = 0;
}

GPoint* PointStore::make(const GPoint& p) {
  GPoint* place;
  if (!released_.empty()) {
    place = released_.back();
    released_.pop_back();
  } else {
    // Blocks grow with the shape, so a path built point by point takes few allocations.
    if (lastUsed_ == lastSize_) addBlock(std::max(smallestBlock, capacity_));
    place = &lastBlock_[lastUsed_++];
  }
  *place = p;
  return place;
}

void PointStore::release(GPoint* p) { released_.push_back(p); }

void PointStore::clear(size_t expected) {
  firstBlock_.reset();
  laterBlocks_.clear();
  lastBlock_ = nullptr;
  released_.clear();
  capacity_ = lastSize_ = lastUsed_ = 0;
  if (expected > 0) addBlock(expected);
}

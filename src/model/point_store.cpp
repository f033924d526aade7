#include "model/point_store.h"

#include <algorithm>

namespace {

constexpr size_t smallestBlock = 16;

}  // namespace

void PointStore::addBlock(size_t size) {
  Block block(static_cast<GPoint*>(::operator new(size * sizeof(GPoint))));
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

// Blocks grow with the shape, so a path built point by point takes few allocations.
void PointStore::growForOneMore() { addBlock(std::max(smallestBlock, capacity_)); }

void PointStore::clear(size_t expected) {
  firstBlock_.reset();
  laterBlocks_.clear();
  lastBlock_ = nullptr;
  released_.clear();
  capacity_ = lastSize_ = lastUsed_ = 0;
  if (expected > 0) addBlock(expected);
}

#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

#include "model/point.h"

// The storage of one shape's points. Points live in blocks, so a point keeps its address
// while others come and go, and a path read in one piece takes a single allocation. The
// place of a released point is reused by a later one.
class PointStore {
 public:
  // A new point with p's fields, selection included.
  GPoint* make(const GPoint& p) {
    GPoint* place;
    if (!released_.empty()) {
      place = released_.back();
      released_.pop_back();
    } else {
      if (lastUsed_ == lastSize_) growForOneMore();
      place = lastBlock_ + lastUsed_++;
    }
    return new (place) GPoint(p);
  }
  void release(GPoint* p) { released_.push_back(p); }
  // Every point is gone; the next `expected` points take no further allocation.
  void clear(size_t expected);

 private:
  // Blocks are raw storage: a point needs nothing done when it goes, so a block is
  // released without visiting its points.
  struct FreeBlock {
    void operator()(GPoint* block) const { ::operator delete(block); }
  };
  using Block = std::unique_ptr<GPoint, FreeBlock>;

  void growForOneMore();
  void addBlock(size_t size);

  // Most shapes never grow past their first block, which therefore needs no list of blocks.
  Block firstBlock_;
  std::vector<Block> laterBlocks_;
  GPoint* lastBlock_ = nullptr;
  size_t capacity_ = 0;  // points all blocks hold
  size_t lastSize_ = 0;  // points the last block holds
  size_t lastUsed_ = 0;  // of these, the ones handed out
  std::vector<GPoint*> released_;
};

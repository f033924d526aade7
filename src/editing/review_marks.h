#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

class GShape;

// The characters the maker marked 已检查, each with a fingerprint of its outline when marked:
// a character counts as seen only while its outline is still that one, so an edit brings it
// back to the review list. The marks live in a small file beside the font, never in it.
class ReviewMarks {
 public:
  // A fingerprint of the advance and the path (places and pens).
  static uint64_t fingerprintOf(const GShape& shape);

  void mark(const GShape& shape);
  bool isSeen(const GShape& shape) const;
  size_t size() const { return seen_.size(); }
  void clear() { seen_.clear(); }

  // The file's text: a signature line, then one line per mark, "CODE FINGERPRINT" in
  // hexadecimal, in code order.
  std::string encode() const;
  // Reads the text encode writes; false (and no marks) for anything else: empty, truncated,
  // foreign or edited by hand into something it never writes.
  bool decode(std::string_view text);

  // NAME.shp.review beside the font at fontPath.
  static std::string pathBeside(const std::string& fontPath);

 private:
  std::unordered_map<uint16_t, uint64_t> seen_;
};

#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "formats/stroke_font.h"

class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A format of single-line fonts other than the editor's own: how a file's bytes become a
// StrokeFont and back. Readers throw FormatError (a std::runtime_error naming the source and,
// where there is one, the line) for a file they cannot read at all; what they can skip they
// note in StrokeFont::problems.
struct StrokeFormat {
  std::function<StrokeFont(std::string_view bytes, const std::string& sourceName)> read;
  std::function<std::string(const StrokeFont& font)> write;
};

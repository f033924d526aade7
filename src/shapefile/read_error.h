#pragma once

#include <stdexcept>
#include <string>

// A shape source text that cannot be read; the message names the file and the
// 1-based line of the record where reading stopped.
class ShpReadError : public std::runtime_error {
 public:
  ShpReadError(const std::string& source, int line, const std::string& what)
      : std::runtime_error("\"" + source + "\", line " + std::to_string(line) + ": " + what),
        source_(source),
        line_(line) {}
  const std::string& source() const { return source_; }
  int line() const { return line_; }

 private:
  std::string source_;
  int line_;
};

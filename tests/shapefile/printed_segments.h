#pragma once

#include <cstdio>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// What a command prints, its errors included; throws when it fails.
inline std::string outputOf(const std::string& command) {
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run " + command);
  std::string output;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  if (::pclose(pipe) != 0) throw std::runtime_error(command + " failed:\n" + output);
  return output;
}

using Segments = std::vector<int64_t>;  // x0 y0 x1 y1 of each drawn segment, in order

// Shape number -> segments, from a reader that prints a line per shape: the number, then the
// segments' coordinates.
inline std::map<int, Segments> segmentsPrintedBy(const std::string& command) {
  std::map<int, Segments> shapes;
  std::istringstream lines(outputOf(command));
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    int number;
    fields >> number;
    Segments& segments = shapes[number];
    for (int64_t v; fields >> v;) segments.push_back(v);
  }
  return shapes;
}

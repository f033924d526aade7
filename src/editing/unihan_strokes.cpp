#include "editing/unihan_strokes.h"

#include <sys/stat.h>

#include <cstdio>

namespace {

void parseLine(const std::string& line, StrokeCounts& counts) {
  unsigned code = 0;
  int count = 0;
  if (std::sscanf(line.c_str(), "U+%x\tkTotalStrokes\t%d", &code, &count) != 2) return;
  if (count > 0) counts.emplace(static_cast<char32_t>(code), count);
}

// The path in single quotes for the shell, each quote in it closed, escaped and reopened.
std::string shellQuoted(const std::string& path) {
  std::string quoted = "'";
  for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

StrokeCounts readTotalStrokes(std::istream& lines) {
  StrokeCounts counts;
  std::string line;
  while (std::getline(lines, line)) parseLine(line, counts);
  return counts;
}

StrokeCounts loadTotalStrokes(const std::string& path) {
  StrokeCounts counts;
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return counts;
  FILE* in = popen(("bzcat -- " + shellQuoted(path) + " 2>/dev/null").c_str(), "r");
  if (!in) return counts;
  char buffer[512];
  std::string line;
  while (std::fgets(buffer, sizeof buffer, in)) {
    line += buffer;
    if (line.back() != '\n') continue;
    parseLine(line, counts);
    line.clear();
  }
  if (!line.empty()) parseLine(line, counts);
  pclose(in);
  return counts;
}

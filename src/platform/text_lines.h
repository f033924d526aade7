#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A file that cannot be read or written; the message names the file.
class FileError : public std::runtime_error {
 public:
  FileError(const std::string& path, const std::string& what);
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Splits text into lines at CR LF, a lone LF and a lone CR. The breaks are not
// part of the lines, and a break at the very end starts no further line.
std::vector<std::string> splitLines(std::string_view text);

// The whole file, byte for byte.
std::string readFileBytes(const std::string& path);
std::vector<std::string> readLines(const std::string& path);

// Writes every line followed by CR LF. The text goes to a temporary file beside
// the target, which then replaces it, so a failed write leaves the old file as it was.
void writeLines(const std::string& path, const std::vector<std::string>& lines);

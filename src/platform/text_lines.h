#pragma once

#include <cstdint>
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

// The text without the blanks (spaces and tabs) at its ends. Compared character by character:
// a search for either blank would scan the text once for each character, which on a large
// file is most of the reading.
std::string_view trimmedBlanks(std::string_view text);

// Splits text into lines at CR LF, a lone LF and a lone CR. The breaks are not
// part of the lines, and a break at the very end starts no further line.
std::vector<std::string> splitLines(std::string_view text);
// The same lines as views into text.
std::vector<std::string_view> splitLineViews(std::string_view text);

// The whole file, byte for byte, but never more than maxBytes of it.
std::string readFileBytes(const std::string& path, size_t maxBytes = SIZE_MAX);
std::vector<std::string> readLines(const std::string& path);

// Writes every line followed by CR LF. The text goes to a temporary file beside
// the target, which then replaces it, so a failed write leaves the old file as it was.
void writeLines(const std::string& path, const std::vector<std::string>& lines);
// Replaces the file's content with bytes in the same way.
void writeFileBytes(const std::string& path, std::string_view bytes);

#include "platform/text_lines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/file_replace.h"

FileError::FileError(const std::string& path, const std::string& what)
    : std::runtime_error("\"" + path + "\": " + what), path_(path) {}

namespace {

std::string reason(const char* action) { return std::string(action) + ": " + std::strerror(errno); }

// Closes the descriptor when it goes out of scope.
struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// The file the text really replaces: a symbolic link keeps pointing at the
// font, which is rewritten in its own directory.
std::string replacedFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_symlink(path, ec)) {
    std::filesystem::path target = std::filesystem::weakly_canonical(path, ec);
    if (!ec) return target.string();
  }
  return path;
}

}  // namespace

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.emplace_back(text.substr(start, i - start));
    i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string readFileBytes(const std::string& path) {
  // O_NONBLOCK keeps a named pipe from stalling the open; it is refused below like
  // anything else that is not a plain file (a directory would only fail at the first read,
  // a device might never end).
  Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
  if (file.fd < 0) throw FileError(path, reason("cannot open"));
  struct stat st {};
  if (::fstat(file.fd, &st) != 0) throw FileError(path, reason("cannot read"));
  if (S_ISDIR(st.st_mode)) throw FileError(path, "cannot open: it is a directory, not a file");
  if (!S_ISREG(st.st_mode)) throw FileError(path, "cannot open: it is not a regular file");
  std::string bytes;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(file.fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw FileError(path, reason("cannot read"));
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  return bytes;
}

std::vector<std::string> readLines(const std::string& path) {
  return splitLines(readFileBytes(path));
}

void writeLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  if (!replaceFileContents(replacedFile(path), text)) throw FileError(path, reason("cannot write"));
}

#include "platform/text_lines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

std::string_view trimmedBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  size_t first = 0, end = text.size();
  while (first < end && blank(text[first])) ++first;
  while (end > first && blank(text[end - 1])) --end;
  return text.substr(first, end - first);
}

std::vector<std::string_view> splitLineViews(std::string_view text) {
  std::vector<std::string_view> lines;
  const char* const end = text.data() + text.size();
  // The next CR and the next LF at or after a position; each is searched for again only
  // once reading has passed it, so the text is scanned once for each.
  auto find = [end](const char* from, char c) {
    const void* hit = std::memchr(from, c, static_cast<size_t>(end - from));
    return hit ? static_cast<const char*>(hit) : end;
  };
  const char* start = text.data();
  const char* nextCr = find(start, '\r');
  const char* nextLf = find(start, '\n');
  while (start < end) {
    if (nextCr < start) nextCr = find(start, '\r');
    if (nextLf < start) nextLf = find(start, '\n');
    const char* stop = std::min(nextCr, nextLf);
    lines.emplace_back(start, static_cast<size_t>(stop - start));
    if (stop == end) break;
    start = stop + ((*stop == '\r' && stop + 1 < end && stop[1] == '\n') ? 2 : 1);
  }
  return lines;
}

std::vector<std::string> splitLines(std::string_view text) {
  const std::vector<std::string_view> views = splitLineViews(text);
  return {views.begin(), views.end()};
}

std::string readFileBytes(const std::string& path, size_t maxBytes) {
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
  bytes.reserve(std::min(static_cast<size_t>(st.st_size), maxBytes));
  char buffer[65536];
  while (bytes.size() < maxBytes) {
    const size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
    ssize_t n = ::read(file.fd, buffer, wanted);
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
  writeFileBytes(path, text);
}

void writeFileBytes(const std::string& path, std::string_view bytes) {
  if (!replaceFileContents(replacedFile(path), bytes)) {
    throw FileError(path, reason("cannot write"));
  }
}

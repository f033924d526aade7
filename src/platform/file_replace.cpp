#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

// Creates a fresh temporary file beside path. Its mode starts as 0666 less the umask, like
// any new file; O_EXCL keeps it from ever reusing a file that is already there.
int createTemporary(const std::string& path, std::string& tempPath) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = path + ".~" + std::to_string(getpid()) + "." + std::to_string(attempt);
    int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

bool replaceFileContents(const std::string& path, std::string_view bytes) {
  std::string tempPath;
  int fd = createTemporary(path, tempPath);
  if (fd < 0) return false;

  struct stat old;
  bool ok = true;
  if (stat(path.c_str(), &old) == 0) ok = fchmod(fd, old.st_mode & 07777) == 0;
  // fsync before the rename: otherwise a crash soon after could leave an empty file
  // under the target's name instead of either version.
  ok = ok && writeAll(fd, bytes) && fsync(fd) == 0;
  ok = (close(fd) == 0) && ok;
  ok = ok && std::rename(tempPath.c_str(), path.c_str()) == 0;
  if (!ok) unlink(tempPath.c_str());
  return ok;
}

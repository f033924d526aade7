#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace {

ReplaceFaultHook& faultHook() {
  static ReplaceFaultHook hook;
  return hook;
}

// True when the test hook makes this step fail; errno then holds its error.
bool injected(ReplaceStep step, const std::string& target) {
  const ReplaceFaultHook& hook = faultHook();
  if (!hook) return false;
  const int error = hook(step, target);
  if (error == 0) return false;
  errno = error;
  return true;
}

// Creates a fresh temporary file beside path. Its mode starts as 0666 less the umask, like
// any new file; O_EXCL keeps it from ever reusing a file that is already there.
int createTemporary(const std::string& path, std::string& tempPath) {
  if (injected(ReplaceStep::create, path)) return -1;
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

bool writeContent(int fd, std::string_view bytes, const std::string& path) {
  if (!injected(ReplaceStep::write, path)) return writeAll(fd, bytes);
  const int error = errno;
  writeAll(fd, bytes.substr(0, bytes.size() / 2));
  errno = error;
  return false;
}

// Keeps the permission bits of the file being replaced; a new file keeps the temporary's.
bool keepPermissions(int fd, const std::string& path) {
  if (injected(ReplaceStep::permissions, path)) return false;
  struct stat old;
  if (stat(path.c_str(), &old) != 0) return true;
  return fchmod(fd, old.st_mode & 07777) == 0;
}

}  // namespace

void setReplaceFaultHook(ReplaceFaultHook hook) { faultHook() = std::move(hook); }

bool replaceFileContents(const std::string& path, std::string_view bytes) {
  std::string tempPath;
  int fd = createTemporary(path, tempPath);
  if (fd < 0) return false;

  // fsync before the rename: otherwise a crash soon after could leave an empty file
  // under the target's name instead of either version.
  bool ok = keepPermissions(fd, path) && writeContent(fd, bytes, path) &&
            !injected(ReplaceStep::sync, path) && fsync(fd) == 0;
  int error = ok ? 0 : errno;
  // A failed close can be the first report of a failed write (on network file systems).
  // The descriptor is released either way.
  const bool closeFails = injected(ReplaceStep::close, path);
  const int closeError = errno;
  const bool closed = close(fd) == 0 && !closeFails;
  if (!closed && ok) error = closeFails ? closeError : errno;
  ok = ok && closed;
  if (ok &&
      (injected(ReplaceStep::rename, path) || std::rename(tempPath.c_str(), path.c_str()) != 0)) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    unlink(tempPath.c_str());
    errno = error;
  }
  return ok;
}

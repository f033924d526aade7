#include "platform/path_names.h"

#include <filesystem>
#include <system_error>

namespace {

size_t fileNameStart(std::string_view path) {
  size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? 0 : slash + 1;
}

// Offset of the extension's '.' in path, or path.size() when the file name has none.
size_t extensionStart(std::string_view path) {
  size_t dot = path.rfind('.');
  return dot == std::string_view::npos || dot < fileNameStart(path) ? path.size() : dot;
}

}  // namespace

std::string fileNameOf(std::string_view path) {
  return std::string(path.substr(fileNameStart(path)));
}

std::string directoryOf(std::string_view path) {
  std::string_view dir = path.substr(0, fileNameStart(path));
  size_t last = dir.find_last_not_of('/');
  if (last == std::string_view::npos) return dir.empty() ? "" : "/";
  return std::string(dir.substr(0, last + 1));
}

std::string baseNameOf(std::string_view path) {
  size_t start = fileNameStart(path);
  return std::string(path.substr(start, extensionStart(path) - start));
}

std::string extensionOf(std::string_view path) {
  return std::string(path.substr(extensionStart(path)));
}

std::string replaceExtension(std::string_view path, std::string_view newExtension) {
  std::string result(path.substr(0, extensionStart(path)));
  result += newExtension;
  return result;
}

std::string settingsPathOf(std::string_view shapeFilePath) {
  return replaceExtension(shapeFilePath, ".cfg");
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(std::filesystem::path(path), ec);
}

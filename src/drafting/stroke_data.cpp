#include "drafting/stroke_data.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "drafting/json_value.h"

namespace {

bool isFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A folder holds the data when it has the file of 一.
bool holdsData(const std::string& folder) { return isFile(strokeDataFileOf(folder, U'一')); }

// build-npm/ beside the build folder the running program lies in (build/, or build/tests/ for
// the tests and build/bench/ for the benchmarks).
std::vector<std::string> besideTheBuild() {
  std::vector<std::string> places;
  char self[4096];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return places;
  std::string dir(self, static_cast<size_t>(n));
  for (int up = 0; up < 3; ++up) {
    const size_t slash = dir.rfind('/');
    if (slash == std::string::npos || slash == 0) break;
    dir.resize(slash);
    places.push_back(dir + "/../build-npm/node_modules/hanzi-writer-data");
  }
  return places;
}

std::string userDataFolder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  std::string base;
  if (xdg && *xdg) {
    base = xdg;
  } else if (home && *home) {
    base = std::string(home) + "/.local/share";
  } else {
    return {};
  }
  return base + "/kelvane/node_modules/hanzi-writer-data";
}

[[noreturn]] void bad(const std::string& source, const std::string& what) {
  throw StrokeDataError(source + ": " + what);
}

PointF pointOf(const JsonValue& pair, const std::string& source, size_t stroke, size_t point) {
  const std::string where =
      "stroke " + std::to_string(stroke + 1) + ", point " + std::to_string(point + 1);
  if (pair.kind != JsonValue::Kind::Array || pair.items.size() != 2 ||
      pair.items[0].kind != JsonValue::Kind::Number ||
      pair.items[1].kind != JsonValue::Kind::Number)
    bad(source, where + " is not a pair of numbers");
  const PointF p{pair.items[0].number, pair.items[1].number};
  const double top = kStrokeDataBottom + kStrokeDataSide;
  if (p.x < -kStrokeDataMargin || p.x > kStrokeDataSide + kStrokeDataMargin ||
      p.y < kStrokeDataBottom - kStrokeDataMargin || p.y > top + kStrokeDataMargin)
    bad(source, where + " lies far outside the box");
  return p;
}

}  // namespace

std::vector<Polyline> readMedians(std::string_view json, const std::string& source) {
  if (json.size() > kMostStrokeDataBytes) bad(source, "too large for one character's strokes");
  JsonValue document;
  try {
    document = readJson(json, source);
  } catch (const JsonError& e) {
    throw StrokeDataError(e.what());
  }
  const JsonValue* medians = document.member("medians");
  if (!medians) bad(source, "no \"medians\"");
  if (medians->kind != JsonValue::Kind::Array) bad(source, "\"medians\" is not a list");
  if (medians->items.empty()) bad(source, "no strokes");
  if (medians->items.size() > kMostDataStrokes)
    bad(source, std::to_string(medians->items.size()) + " strokes, more than " +
                    std::to_string(kMostDataStrokes));
  std::vector<Polyline> strokes;
  size_t points = 0;
  for (size_t s = 0; s < medians->items.size(); ++s) {
    const JsonValue& stroke = medians->items[s];
    const std::string which = "stroke " + std::to_string(s + 1);
    if (stroke.kind != JsonValue::Kind::Array) bad(source, which + " is not a list of points");
    if (stroke.items.size() < 2)
      bad(source, which + " has " + std::to_string(stroke.items.size()) + " points");
    if (stroke.items.size() > kMostMedianPoints)
      bad(source, which + " has " + std::to_string(stroke.items.size()) + " points, more than " +
                      std::to_string(kMostMedianPoints));
    points += stroke.items.size();
    if (points > kMostDataPoints)
      bad(source, which + ": more than " + std::to_string(kMostDataPoints) + " points in all");
    Polyline line;
    for (size_t p = 0; p < stroke.items.size(); ++p)
      line.push_back(pointOf(stroke.items[p], source, s, p));
    strokes.push_back(std::move(line));
  }
  return strokes;
}

std::string strokeDataFileOf(const std::string& folder, char32_t unicode) {
  std::string name = folder + "/";
  appendUtf8(name, unicode);
  return name + ".json";
}

std::optional<std::vector<Polyline>> loadMedians(const std::string& folder, char32_t unicode) {
  const std::string path = strokeDataFileOf(folder, unicode);
  FILE* in = std::fopen(path.c_str(), "rb");
  if (!in) {
    if (errno == ENOENT) return std::nullopt;
    bad(path, std::strerror(errno));
  }
  // Read a block at a time, never much more than a file of the data may hold.
  std::string bytes;
  char block[16384];
  size_t got;
  while (bytes.size() <= kMostStrokeDataBytes && (got = std::fread(block, 1, sizeof block, in)) > 0)
    bytes.append(block, got);
  const bool failed = std::ferror(in);
  std::fclose(in);
  if (failed) bad(path, "cannot be read");
  return readMedians(bytes, path);
}

StrokeDataStatus strokeDataStatus() {
  StrokeDataStatus status;
  std::vector<std::string> looked;
  const char* given = std::getenv("KELVANE_STROKE_DATA");
  if (given && *given) {
    looked.push_back(given);
  } else {
    looked = besideTheBuild();
    if (std::string user = userDataFolder(); !user.empty()) looked.push_back(user);
  }
  for (const std::string& folder : looked) {
    if (holdsData(folder)) {
      status.installed = true;
      status.folder = folder;
      return status;
    }
  }
  status.message = std::string("The stroke-order data (npm ") + kStrokeDataPackage +
                   ") is not installed; looked in:";
  for (const std::string& folder : looked) status.message += "\n  " + folder;
  status.message += std::string(
                        "\nInstall it with scripts/install-stroke-data in Kelvane's source "
                        "folder, or with\n  npm install --prefix ~/.local/share/kelvane ") +
                    kStrokeDataPackage + "\nor set KELVANE_STROKE_DATA to a folder holding it.";
  return status;
}

#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "drafting/geometry.h"

// Stroke-order data: npm's hanzi-writer-data 2.0.1 (from the Make Me a Hanzi project), one JSON
// file a character named by the character ("国.json"), whose "medians" hold each stroke's
// centre line in standard writing order, in a box of 1024 units a side, y up, from -124 at the
// bottom to 900 at the top.
constexpr double kStrokeDataBottom = -124, kStrokeDataSide = 1024;
constexpr const char* kStrokeDataPackage = "hanzi-writer-data@2.0.1";
constexpr const char* kStrokeDataLicence =
    "Strokes drafted from the stroke-order data (hanzi-writer-data, derived from Make Me a "
    "Hanzi) are under the Arphic Public License (ARPHICPL.TXT in the data's folder).";

// Bad stroke data; the message names the file.
class StrokeDataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a file of the data may hold at most: bytes, strokes, points in one stroke and in all,
// and how far (data units) a point may lie outside the box. hanzi-writer-data 2.0.1 has at most
// 33 strokes, 38 points in one and 151 in all, all inside the box, in files of 9 KB.
constexpr size_t kMostStrokeDataBytes = 1 << 20;
constexpr size_t kMostDataStrokes = 64, kMostMedianPoints = 60, kMostDataPoints = 300;
constexpr double kStrokeDataMargin = 256;

// The strokes' centre lines of one character's JSON text, in data units; `source` names the
// file in the messages of StrokeDataError for every bad input: bad JSON, no "medians", no
// strokes or too many, a stroke of fewer than two points or too many, too many points in all, a
// point that is no pair of numbers, a point far outside the box.
std::vector<Polyline> readMedians(std::string_view json, const std::string& source);

// Where the data is: the folder given by KELVANE_STROKE_DATA when set (and only there), else
// build-npm/node_modules/hanzi-writer-data beside the build the program runs from (as
// scripts/install-stroke-data puts it), else the user's data folder
// ($XDG_DATA_HOME or ~/.local/share)/kelvane/node_modules/hanzi-writer-data.
struct StrokeDataStatus {
  bool installed = false;
  std::string folder;   // where the data was found
  std::string message;  // when not installed: where it was looked for and how to install it
};
StrokeDataStatus strokeDataStatus();

// The data's file for a character.
std::string strokeDataFileOf(const std::string& folder, char32_t unicode);

// The character's strokes from the data in `folder`: nullopt when the data has no file for it;
// StrokeDataError naming the file when the file is bad.
std::optional<std::vector<Polyline>> loadMedians(const std::string& folder, char32_t unicode);

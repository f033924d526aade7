#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <unordered_map>

// Unihan's kTotalStrokes of every CJK character it lists (the first value where there are
// two), by Unicode number. Debian's unicode-data ships it in Unihan_IRGSources.txt.bz2.
using StrokeCounts = std::unordered_map<char32_t, int>;

inline constexpr const char* kUnihanIrgSources = "/usr/share/unicode/Unihan_IRGSources.txt.bz2";

// The counts in Unihan text lines ("U+4E2D<TAB>kTotalStrokes<TAB>4"); other lines are skipped.
StrokeCounts readTotalStrokes(std::istream& lines);
// The counts of the compressed file at path, read through bzcat; empty when the file is
// missing or unreadable.
StrokeCounts loadTotalStrokes(const std::string& path = kUnihanIrgSources);

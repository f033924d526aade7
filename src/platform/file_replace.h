#pragma once

#include <string>
#include <string_view>

// Replaces the whole content of the file at path with bytes, or creates it. The bytes go to
// a temporary file in the same directory first, which is then renamed over the target, so
// a failure at any point leaves the old file as it was (and no temporary file behind).
// An existing file keeps its permission bits. Returns false when the file could not be
// written; the caller says what failed in its own terms.
bool replaceFileContents(const std::string& path, std::string_view bytes);

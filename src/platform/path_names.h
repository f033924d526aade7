#pragma once

#include <string>
#include <string_view>

// Paths are byte strings with '/' separators. Searching them byte by byte for '/' and '.'
// is safe for GBK and UTF-8 names alike: neither byte occurs inside a multibyte character.
//
// The extension is the part of the file name from its last '.' on, the '.' included, so a
// name that starts with '.' and has no other one (".cfg") is all extension and has an
// empty base name. A '.' in a directory name never counts.

// "a/b/c.shp" -> "c.shp"; a path ending in '/' has an empty file name.
std::string fileNameOf(std::string_view path);
// "a/b/c.shp" -> "a/b", "/c.shp" -> "/", "c.shp" -> "".
std::string directoryOf(std::string_view path);
// "a/b/c.x.shp" -> "c.x"; "a/b/c" -> "c".
std::string baseNameOf(std::string_view path);
// "a/b/c.shp" -> ".shp"; "a.b/c" -> "".
std::string extensionOf(std::string_view path);
// The path with its extension replaced by newExtension (which brings its own '.'), or
// with newExtension appended when it has none: ("a/hz.shp", ".cfg") -> "a/hz.cfg".
std::string replaceExtension(std::string_view path, std::string_view newExtension);
// The settings file kept beside a shape file: "a/hz.SHP" -> "a/hz.cfg".
std::string settingsPathOf(std::string_view shapeFilePath);
// True for an existing regular file (or a link to one); false for directories.
bool fileExists(const std::string& path);
